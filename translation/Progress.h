// A progress bar that a long operation moves, from 0 to 100.
#pragma once

#include <cstdint>

namespace tolmeric {

class IProgress {
 public:
  virtual ~IProgress() = default;
  virtual void SetPosition(int32_t position) = 0;
};

}  // namespace tolmeric
