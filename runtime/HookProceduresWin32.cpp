#include "runtime/HookProceduresWin32.h"

#include "runtime/RuntimeModule.h"

namespace tolmeric {

namespace {

// Runs the module's handling of one message. Nothing may unwind through the
// window manager's frames: a translation that fails leaves the window as it
// is.
template <typename Handling>
void Handle(Handling handling) {
  try {
    handling();
  } catch (...) {
  }
}

}  // namespace

CMessageRecord MessageRecord(const CWPSTRUCT& message) {
  return {message.message, reinterpret_cast<WindowId>(message.hwnd),
          static_cast<uintptr_t>(message.wParam), static_cast<intptr_t>(message.lParam)};
}

CMessageRecord MessageRecord(const CWPRETSTRUCT& message) {
  return {message.message, reinterpret_cast<WindowId>(message.hwnd),
          static_cast<uintptr_t>(message.wParam), static_cast<intptr_t>(message.lParam)};
}

LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  // A negative code asks the hook to hand on without looking.
  if (code >= 0) {
    const CMessageRecord record = MessageRecord(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    Handle([&] { CRuntimeModule::Active().OnMessageBeforeDelivery(record); });
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnCallWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    const CMessageRecord record = MessageRecord(*reinterpret_cast<const CWPRETSTRUCT*>(lParam));
    Handle([&] { CRuntimeModule::Active().OnMessageAfterDelivery(record); });
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tolmeric
