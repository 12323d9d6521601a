#include "framework/FrameWnd.h"

#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD defaultStyle, CWnd* parent, CCreateContext*) {
  CString title;
  title.LoadString(resourceId);
  const std::wstring& text = title.str();
  const std::wstring caption = text.substr(0, text.find(L'\n'));
  HMENU menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId));
  if (!CreateEx(0, AfxFrameWindowClass(), caption.c_str(), defaultStyle, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr,
                menu)) {
    if (menu) ::DestroyMenu(menu);
    return FALSE;
  }
  m_hMenuDefault = ::GetMenu(m_hWnd);
  return TRUE;
}

BOOL CFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // Another menu may be shown; the default one goes with the window.
  if (message == WM_DESTROY && m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault) {
    ::SetMenu(m_hWnd, m_hMenuDefault);
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

}  // namespace tolmeric
