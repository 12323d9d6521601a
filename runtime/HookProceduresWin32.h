// The two window-procedure hooks of the user-interface thread: every message
// about to be delivered, and every message after its delivery, handed to the
// active module as a plain record, then on to the next hook of the thread.
#pragma once

#include <windows.h>

#include "runtime/HookRouter.h"

namespace tolmeric {

CMessageRecord MessageRecord(const CWPSTRUCT& message);
CMessageRecord MessageRecord(const CWPRETSTRUCT& message);

// Procedures of the hooks on messages before (WH_CALLWNDPROC) and after
// (WH_CALLWNDPROCRET) delivery. Both always hand the notification on and
// return what the next hook returns: cutting the chain would silently
// disable every other hook of the thread.
LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OnCallWndProcRet(int code, WPARAM wParam, LPARAM lParam);

}  // namespace tolmeric
