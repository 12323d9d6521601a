#include "framework/ToolTipCtrl.h"

#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               parent ? parent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(),
                               nullptr);
  if (tip && SubclassWindow(tip)) return TRUE;
  if (tip) ::DestroyWindow(tip);
  return FALSE;
}

}  // namespace tolmeric
