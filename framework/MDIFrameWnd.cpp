#include "framework/MDIFrameWnd.h"

#include "framework/AfxRes.h"
#include "framework/MDIChildWnd.h"
#include "framework/ThreadState.h"
#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT createStruct, CMenu* windowMenu) {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = windowMenu ? windowMenu->m_hMenu : nullptr;
  client.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL |
                      MDIS_ALLCHILDSTYLES;
  // As the frame's pane, its layout places the client between its bars.
  m_hWndMDIClient = ::CreateWindowExW(
      WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, style, 0, 0, createStruct ? createStruct->cx : 0,
      createStruct ? createStruct->cy : 0, m_hWnd,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), AfxGetInstanceHandle(),
      &client);
  return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menuBar) {
  if (!menuBar) return nullptr;
  for (int item = ::GetMenuItemCount(menuBar) - 1; item >= 0; --item) {
    const HMENU popup = ::GetSubMenu(menuBar, item);
    if (!popup) continue;
    const int count = ::GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
      const UINT id = ::GetMenuItemID(popup, position);
      if (id >= AFX_IDM_WINDOW_FIRST && id <= AFX_IDM_WINDOW_LAST) return popup;
    }
  }
  return nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* child) {
  ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
  if (!m_hWndMDIClient) return nullptr;
  const HWND active = reinterpret_cast<HWND>(
      ::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
  CWnd* object = CWnd::FromHandlePermanent(active);
  if (!object || !object->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) return nullptr;
  return static_cast<CMDIChildWnd*>(object);
}

void CMDIFrameWnd::MDINext() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0); }

void CMDIFrameWnd::MDICascade() { ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }

void CMDIFrameWnd::MDITile() {
  ::SendMessageW(m_hWndMDIClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU menuAlt) {
  if (CMDIChildWnd* active = MDIGetActive()) {
    active->OnUpdateFrameMenu(TRUE, active, menuAlt);
    return;
  }
  const HMENU menu = menuAlt ? menuAlt : m_hMenuDefault;
  ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(GetWindowMenuPopup(menu)));
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext*) {
  // The frame is being created: its menu is the one LoadFrame gave it.
  const HMENU menu = m_hMenuDefault ? m_hMenuDefault : ::GetMenu(m_hWnd);
  return CreateClient(createStruct, CMenu::FromHandle(GetWindowMenuPopup(menu)));
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
  if (CMDIChildWnd* active = MDIGetActive()) {
    CPushRoutingFrame push(this);
    if (active->OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  }
  return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* message) {
  if (CMDIChildWnd* active = MDIGetActive(); active && active->PreTranslateMessage(message)) {
    return TRUE;
  }
  if (CFrameWnd::PreTranslateMessage(message)) return TRUE;
  const bool key = message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN;
  return key && m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, message);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

}  // namespace tolmeric
