#include "framework/MDIChildWnd.h"

#include "framework/MDIFrameWnd.h"
#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

const RECT CMDIChildWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {

CMDIFrameWnd* AsMDIFrame(CWnd* window) {
  return window && window->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
             ? static_cast<CMDIFrameWnd*>(window)
             : nullptr;
}

// The frame a child is made in: parent when it is a multiple-document
// frame, else the application's main window when that is one; null
// without such a frame or without its client.
CMDIFrameWnd* FrameForChild(CWnd* parent) {
  CMDIFrameWnd* frame = AsMDIFrame(parent);
  if (!frame) {
    CWinApp* app = AfxGetApp();
    frame = AsMDIFrame(app ? app->m_pMainWnd : nullptr);
  }
  return frame && frame->m_hWndMDIClient ? frame : nullptr;
}

}  // namespace

BOOL CMDIChildWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                          CMDIFrameWnd* parent, CCreateContext* context) {
  parent = FrameForChild(parent);
  if (!parent) return FALSE;
  MDICREATESTRUCTW create{};
  create.szClass = className ? className : AfxFrameWindowClass();
  create.szTitle = windowName;
  create.hOwner = AfxGetInstanceHandle();
  // A rectangle that starts at the default place leaves place and size to
  // the client.
  const bool placed = rect.left != CW_USEDEFAULT;
  create.x = placed ? rect.left : CW_USEDEFAULT;
  create.y = placed ? rect.top : CW_USEDEFAULT;
  create.cx = placed ? rect.right - rect.left : CW_USEDEFAULT;
  create.cy = placed ? rect.bottom - rect.top : CW_USEDEFAULT;
  create.style = style & ~(WS_MAXIMIZE | WS_VISIBLE);
  create.lParam = reinterpret_cast<LPARAM>(context);
  // The client makes the window: it becomes this object at its first message.
  BeginCreate(this);
  const HWND window = reinterpret_cast<HWND>(::SendMessageW(
      parent->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  BeginCreate(nullptr);
  if (!window || m_hWnd != window) return FALSE;
  if (style & WS_VISIBLE) {
    ::ShowWindow(window, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    MDIActivate();
  }
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD defaultStyle, CWnd* parent,
                             CCreateContext* context) {
  // Without a frame no window is made: nothing to undo.
  CMDIFrameWnd* frame = FrameForChild(parent);
  if (!frame) return FALSE;
  CString title;
  AfxExtractSubString(title, CString(MAKEINTRESOURCEW(resourceId)), 0);
  m_hMenuShared = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId));
  // A window that failed has destroyed the menu with itself and deleted
  // this object: nothing of it may be touched then.
  if (!Create(nullptr, title, defaultStyle, rectDefault, frame, context)) return FALSE;
  m_nIDHelp = resourceId;
  return TRUE;
}

BOOL CMDIChildWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  MDIDestroy();
  return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  const HWND client = ::GetParent(m_hWnd);
  return AsMDIFrame(CWnd::FromHandlePermanent(client ? ::GetParent(client) : nullptr));
}

void CMDIChildWnd::MDIActivate() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL active, CWnd* activateWnd, HMENU menuAlt) {
  CMDIFrameWnd* frame = GetMDIFrame();
  if (!frame) return;
  const HMENU menu = menuAlt ? menuAlt : m_hMenuShared;
  if (menu && active) {
    ::SendMessageW(frame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                   reinterpret_cast<LPARAM>(frame->GetWindowMenuPopup(menu)));
  } else if (menu && !active && !activateWnd) {
    // The last child goes: the frame shows its default menu again.
    // The client takes a null menu as "keep the bar": a frame without a
    // default menu must not go on showing the menu of a child that is gone.
    const HMENU defaultMenu = frame->m_hMenuDefault;
    if (!defaultMenu) ::SetMenu(frame->m_hWnd, nullptr);
    ::SendMessageW(frame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(defaultMenu),
                   reinterpret_cast<LPARAM>(frame->GetWindowMenuPopup(defaultMenu)));
  } else {
    ::SendMessageW(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  }
}

BOOL CMDIChildWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CREATE) {
    // The client passes its own record; the frame's creation context is in it.
    CREATESTRUCTW create = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* mdiCreate = static_cast<const MDICREATESTRUCTW*>(create.lpCreateParams);
    create.lpCreateParams = mdiCreate ? reinterpret_cast<LPVOID>(mdiCreate->lParam) : nullptr;
    return CFrameWnd::OnWndMsg(message, wParam, reinterpret_cast<LPARAM>(&create), result);
  }
  if (message == WM_MDIACTIVATE) {
    const HWND deactivated = reinterpret_cast<HWND>(wParam);
    const HWND activated = reinterpret_cast<HWND>(lParam);
    OnMDIActivate(activated == m_hWnd, CWnd::FromHandle(activated), CWnd::FromHandle(deactivated));
  } else if (message == WM_DESTROY) {
    // The client has shown another menu in the frame's bar by now, unless
    // the frame goes too (it shows its default menu again first).
    const CMDIFrameWnd* frame = GetMDIFrame();
    if (m_hMenuShared && (!frame || ::GetMenu(frame->m_hWnd) != m_hMenuShared)) {
      ::DestroyMenu(m_hMenuShared);
      m_hMenuShared = nullptr;
    }
  }
  return CFrameWnd::OnWndMsg(message, wParam, lParam, result);
}

void CMDIChildWnd::OnMDIActivate(BOOL active, CWnd* activateWnd, CWnd*) {
  OnUpdateFrameMenu(active, activateWnd, nullptr);
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->DrawMenuBar();
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

}  // namespace tolmeric
