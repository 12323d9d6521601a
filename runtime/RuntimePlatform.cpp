#include "runtime/RuntimePlatform.h"

#ifdef _WIN32
#include "runtime/Win32Platform.h"
#else
#include "runtime/HostPlatform.h"
#endif

namespace tolmeric {

namespace {

IRuntimePlatform*& SelectedPlatform() {
  static IRuntimePlatform* platform = nullptr;
  return platform;
}

IRuntimePlatform& DefaultPlatform() {
#ifdef _WIN32
  static CWin32Platform platform;
#else
  static CHostPlatform platform;
#endif
  return platform;
}

}  // namespace

IRuntimePlatform& RuntimePlatform() {
  IRuntimePlatform* selected = SelectedPlatform();
  return selected ? *selected : DefaultPlatform();
}

void SetRuntimePlatform(IRuntimePlatform* platform) { SelectedPlatform() = platform; }

}  // namespace tolmeric
