// The framework's message boxes. Tests answer them through a handler instead
// of waiting for a person.
#pragma once

#include <functional>

#include <windows.h>

namespace tolmeric {

// Shows a message box; returns the box's result. The caption is the
// application's name; without an icon in type, OK boxes get the exclamation
// mark and Yes/No boxes the question mark.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The same with the string resource promptId as text.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// Who answers message boxes: given the text, the type and the help context,
// returns the result. An empty handler restores the real box. Returns the
// handler that was set before.
using AfxMessageBoxHandler = std::function<int(LPCTSTR text, UINT type, UINT helpId)>;
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler);

}  // namespace tolmeric
