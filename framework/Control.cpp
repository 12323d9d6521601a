#include "framework/Control.h"

#include "framework/WinApp.h"

namespace tolmeric {

BOOL AfxCreateControl(CWnd& control, LPCTSTR className, LPCTSTR text, DWORD style,
                      const RECT& rect, CWnd* parent, UINT id, DWORD exStyle) {
  HWND window = ::CreateWindowExW(exStyle, className, text, style | WS_CHILD, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), nullptr);
  if (!window) return FALSE;
  if (control.SubclassWindow(window)) return TRUE;
  ::DestroyWindow(window);
  return FALSE;
}

}  // namespace tolmeric
