// The three message hooks of the user-interface thread: every message sent
// to a window, before and after its delivery, and every message retrieved
// from the thread's queue, handed to the active module as a plain record,
// then on to the next hook of the thread.
#pragma once

#include <windows.h>

#include "runtime/HookRouter.h"

namespace tolmeric {

CMessageRecord MessageRecord(const CWPSTRUCT& message);
CMessageRecord MessageRecord(const CWPRETSTRUCT& message);
CMessageRecord MessageRecord(const MSG& message);

// Procedures of the hooks on sent messages before (WH_CALLWNDPROC) and
// after (WH_CALLWNDPROCRET) delivery, and on messages retrieved from the
// queue (WH_GETMESSAGE; wParam tells whether the message was removed or only
// peeked at). All of them always hand the notification on and return what
// the next hook returns: cutting the chain would silently disable every
// other hook of the thread. None changes the message.
LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OnCallWndProcRet(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);

}  // namespace tolmeric
