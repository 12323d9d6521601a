// Creation of the controls the framework wraps: a child window of a system
// or common control class whose messages pass through its object's map
// first, and to the class's own procedure after.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

// Creates the child window id of className in parent and subclasses it
// with control; FALSE when the window cannot be made.
BOOL AfxCreateControl(CWnd& control, LPCTSTR className, LPCTSTR text, DWORD style,
                      const RECT& rect, CWnd* parent, UINT id, DWORD exStyle = 0);

}  // namespace tolmeric
