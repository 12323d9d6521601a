// The progress window of a scan: a modeless dialog without parent window
// that holds one progress bar from 0 to 100. Its owner sets the title and
// the bar's position; destroying the object closes it.
#pragma once

#include <cstdint>

#include "framework/Dialog.h"
#include "translation/Progress.h"

namespace tolmeric {

class CProgressDialog : public CDialog, public IProgress {
 public:
  static constexpr UINT IDD = 147;
  static constexpr int kBar = 1024;

  CProgressDialog() = default;
  // Registers the progress bar's window class, then creates and shows the
  // window with its bar at 0.
  BOOL Create();
  void SetPosition(int32_t position) override;

 protected:
  BOOL OnInitDialog() override;
};

}  // namespace tolmeric
