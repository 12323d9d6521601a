#include "runtime/RuntimePlatform.h"

#ifdef _WIN32
#include "runtime/Win32Platform.h"
#else
#include "runtime/HostPlatform.h"
#endif

namespace tolmeric {

IRuntimePlatform& DefaultRuntimePlatform() {
#ifdef _WIN32
  static CWin32Platform platform;
#else
  static CHostPlatform platform;
#endif
  return platform;
}

}  // namespace tolmeric
