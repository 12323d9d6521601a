// A progress bar on standard error for long scans. It shows only when
// standard error is a terminal and the work has taken longer than a moment,
// so scripts and CI logs never see it.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "translation/Progress.h"

namespace tolmeric::cli {

class CProgressBar : public IProgress {
 public:
  explicit CProgressBar(std::FILE* out);
  ~CProgressBar() override;

  void SetPosition(int32_t position) override;
  // Removes the bar from the terminal line, if it was drawn.
  void Finish();

 private:
  void Draw(int32_t position);

  std::FILE* out_;
  bool enabled_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace tolmeric::cli
