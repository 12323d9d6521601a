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

// The three structures name the same four fields alike.
template <typename Message>
CMessageRecord RecordOf(const Message& message) {
  return {message.message, reinterpret_cast<WindowId>(message.hwnd),
          static_cast<uintptr_t>(message.wParam), static_cast<intptr_t>(message.lParam)};
}

}  // namespace

CMessageRecord MessageRecord(const CWPSTRUCT& message) { return RecordOf(message); }
CMessageRecord MessageRecord(const CWPRETSTRUCT& message) { return RecordOf(message); }
CMessageRecord MessageRecord(const MSG& message) { return RecordOf(message); }

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

LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    const CMessageRecord record = MessageRecord(*reinterpret_cast<const MSG*>(lParam));
    const Retrieval retrieval = (wParam & PM_REMOVE) ? Retrieval::kRemoved : Retrieval::kPeeked;
    Handle([&] { CRuntimeModule::Active().OnMessageRetrieved(record, retrieval); });
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tolmeric
