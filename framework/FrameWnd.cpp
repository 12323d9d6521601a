#include "framework/FrameWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>

#include "framework/FrameTexts.h"
#include "framework/StatusBar.h"
#include "framework/ThreadState.h"
#include "framework/ToolBar.h"
#include "framework/View.h"
#include "framework/WinApp.h"

namespace tolmeric {

namespace {

// The height a bar takes from the client area; 0 when it is hidden.
int BarHeight(HWND bar) {
  if (!bar || !(::GetWindowLongPtrW(bar, GWL_STYLE) & WS_VISIBLE)) return 0;
  RECT rect{};
  ::GetWindowRect(bar, &rect);
  return rect.bottom - rect.top;
}

// The string resource id, whole.
std::u16string ResourceString(uint32_t id) {
  const CString text(MAKEINTRESOURCEW(id));
  return std::u16string(reinterpret_cast<const char16_t*>(static_cast<LPCTSTR>(text)),
                        static_cast<size_t>(text.GetLength()));
}

size_t MultiByteLength(std::u16string_view text) {
  const int length = ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWCH>(text.data()),
                                           static_cast<int>(text.size()), nullptr, 0, nullptr,
                                           nullptr);
  return length > 0 ? static_cast<size_t>(length) : 0;
}

size_t WideLength(std::u16string_view text) { return text.size(); }

}  // namespace

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_MENUSELECT()
  ON_WM_EXITMENULOOP()
  ON_WM_INITMENUPOPUP()
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD defaultStyle, CWnd* parent,
                          CCreateContext* context) {
  const HINSTANCE resources = AfxGetResourceHandle();
  CString title;
  AfxExtractSubString(title, CString(MAKEINTRESOURCEW(resourceId)), 0);
  HMENU menu = ::LoadMenuW(resources, MAKEINTRESOURCEW(resourceId));
  if (!CreateEx(0, AfxFrameWindowClass(), title, defaultStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, menu, context)) {
    if (menu) ::DestroyMenu(menu);
    return FALSE;
  }
  m_nIDHelp = resourceId;
  m_hMenuDefault = ::GetMenu(m_hWnd);
  m_hAccelTable = ::LoadAcceleratorsW(resources, MAKEINTRESOURCEW(resourceId));
  if (HICON icon = ::LoadIconW(resources, MAKEINTRESOURCEW(resourceId))) {
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR)) SetMessageText(AFX_IDS_IDLEMESSAGE);
  return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  CPushRoutingFrame routing(this);
  if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
    return TRUE;
  }
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (m_hAccelTable && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
      ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, msg)) {
    return TRUE;
  }
  return CWnd::PreTranslateMessage(msg);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  AfxExtractSubString(rMessage, CString(MAKEINTRESOURCEW(nID)), 0);
}

void CFrameWnd::RecalcLayout(BOOL) {
  RECT client{};
  GetClientRect(&client);
  HWND toolBar = ::GetDlgItem(m_hWnd, AFX_IDW_TOOLBAR);
  HWND statusBar = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
  // Both bars place themselves along their edge when told the size changed.
  if (toolBar) ::SendMessageW(toolBar, TB_AUTOSIZE, 0, 0);
  if (statusBar) ::SendMessageW(statusBar, WM_SIZE, 0, 0);
  if (auto* panes = dynamic_cast<CStatusBar*>(FromHandlePermanent(statusBar))) panes->UpdatePanes();
  const int top = static_cast<int>(client.top) + BarHeight(toolBar);
  const int bottom = std::max(top, static_cast<int>(client.bottom) - BarHeight(statusBar));
  if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) {
    ::MoveWindow(pane, client.left, top, client.right - client.left, bottom - top, TRUE);
  }
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  CWnd* bar = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_TOOLBAR));
  auto* toolBar = dynamic_cast<CToolBar*>(bar);
  if (toolBar) toolBar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
  m_pViewActive = view;
  if (notify && view && ::GetFocus() != view->m_hWnd) view->SetFocus();
}

CWnd* CFrameWnd::GetMessageBar() const { return GetDlgItem(AFX_IDW_STATUS_BAR); }

void CFrameWnd::SetMessageText(LPCTSTR text) {
  if (CWnd* bar = GetMessageBar()) bar->SendMessage(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
}

void CFrameWnd::SetMessageText(UINT id) {
  CString text;
  GetMessageString(id, text);
  SetMessageText(text);
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  return !context || !context->m_pNewViewClass || CreateView(context) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  CObject* object = context->m_pNewViewClass->CreateObject();
  if (!object) return nullptr;
  if (!object->IsKindOf(RUNTIME_CLASS(CView))) {
    delete object;
    return nullptr;
  }
  auto* view = static_cast<CView*>(object);
  const RECT empty{0, 0, 0, 0};
  // A view whose window failed after its first message has deleted itself.
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, empty, this, id, context)) {
    return nullptr;
  }
  context->m_pLastView = view;
  if (!m_pViewActive) SetActiveView(view, FALSE);
  return view;
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* notification, LRESULT* result) {
  AfxAnswerToolTip(notification, ResourceString, result);
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT createStruct) {
  if (CWnd::OnCreate(createStruct) == -1) return -1;
  auto* context = static_cast<CCreateContext*>(createStruct->lpCreateParams);
  if (!OnCreateClient(createStruct, context)) return -1;
  RecalcLayout();
  return 0;
}

void CFrameWnd::OnSize(UINT type, int width, int height) {
  CWnd::OnSize(type, width, height);
  if (type != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* oldWindow) {
  if (m_pViewActive && m_pViewActive->m_hWnd) {
    m_pViewActive->SetFocus();
  } else {
    CWnd::OnSetFocus(oldWindow);
  }
}

void CFrameWnd::OnMenuSelect(UINT itemId, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    // The menu closed.
    SetMessageText(AFX_IDS_IDLEMESSAGE);
  } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
    SetMessageText(L"");
  } else {
    SetMessageText(itemId);
  }
}

void CFrameWnd::OnExitMenuLoop(BOOL) { SetMessageText(AFX_IDS_IDLEMESSAGE); }

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL systemMenu) {
  if (systemMenu || !popup) return;
  CCmdUI state;
  state.m_pMenu = popup;
  const int count = ::GetMenuItemCount(popup->m_hMenu);
  for (int index = 0; index < count; ++index) {
    const UINT id = ::GetMenuItemID(popup->m_hMenu, index);
    // Submenus (-1) and separators (0) have no command.
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    state.m_nIndex = static_cast<UINT>(index);
    state.m_nID = id;
    state.DoUpdate(this, m_bAutoMenuEnable);
  }
}

BOOL CFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // Another menu may be shown; the default one goes with the window.
  if (message == WM_DESTROY && m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault) {
    ::SetMenu(m_hWnd, m_hMenuDefault);
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

UINT AfxToolTipCommandId(const NMHDR* notification) {
  UINT flags = 0;
  if (notification->code == TTN_NEEDTEXTA) {
    flags = reinterpret_cast<const NMTTDISPINFOA*>(notification)->uFlags;
  } else if (notification->code == TTN_NEEDTEXTW) {
    flags = reinterpret_cast<const NMTTDISPINFOW*>(notification)->uFlags;
  }
  return ToolIdentifier(notification->idFrom, (flags & TTF_IDISHWND) != 0, [](uintptr_t window) {
    return static_cast<int32_t>(::GetDlgCtrlID(reinterpret_cast<HWND>(window)));
  });
}

void AfxSetToolTipText(NMHDR* notification, LPCTSTR tip, LRESULT* result) {
  const std::u16string_view text(reinterpret_cast<const char16_t*>(tip),
                                 tip ? std::wcslen(tip) : 0);
  if (notification->code == TTN_NEEDTEXTA) {
    auto* record = reinterpret_cast<NMTTDISPINFOA*>(notification);
    const size_t length = FittingLength(text, std::size(record->szText), MultiByteLength);
    const int written = ::WideCharToMultiByte(CP_ACP, 0, tip, static_cast<int>(length),
                                              record->szText,
                                              static_cast<int>(std::size(record->szText)) - 1,
                                              nullptr, nullptr);
    record->szText[written > 0 ? written : 0] = '\0';
    record->lpszText = record->szText;
  } else {
    auto* record = reinterpret_cast<NMTTDISPINFOW*>(notification);
    const size_t length = FittingLength(text, std::size(record->szText), WideLength);
    std::copy_n(tip, length, record->szText);
    record->szText[length] = L'\0';
    record->lpszText = record->szText;
  }
  *result = 0;
  // Above the window it describes, without taking the focus.
  ::SetWindowPos(notification->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void AfxAnswerToolTip(NMHDR* notification,
                      const std::function<std::u16string(uint32_t)>& loadString,
                      LRESULT* result) {
  const std::u16string tip = ToolTipText(AfxToolTipCommandId(notification), loadString);
  AfxSetToolTipText(notification, reinterpret_cast<LPCTSTR>(tip.c_str()), result);
}

}  // namespace tolmeric
