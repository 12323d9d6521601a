#include "framework/Wnd.h"

#include "framework/FrameWnd.h"
#include "framework/HandleMap.h"
#include "framework/ThreadState.h"
#include "framework/WinApp.h"

namespace tolmeric {

namespace {

using CWndMap = CHandleMap<HWND, CWnd, &CWnd::m_hWnd>;

CWndMap& WindowMap() {
  thread_local CWndMap map;
  return map;
}

CWnd*& ObjectBeingCreated() {
  thread_local CWnd* object = nullptr;
  return object;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window) { return WindowMap().FromHandle(window); }

CWnd* CWnd::FromHandlePermanent(HWND window) { return WindowMap().LookupPermanent(window); }

void CWnd::DeleteTempMap() { WindowMap().DeleteTemporary(); }

BOOL CWnd::Attach(HWND window) { return WindowMap().Attach(*this, window); }

HWND CWnd::Detach() {
  if (m_pfnSuper) {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
  }
  return WindowMap().Detach(*this);
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (!Attach(window)) return FALSE;
  m_pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
  return TRUE;
}

void CWnd::GetWindowText(CString& text) const {
  std::wstring buffer(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
  const int read = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  text = CString(buffer.c_str(), read);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu, LPVOID param) {
  BeginCreate(this);
  HWND window = ::CreateWindowExW(exStyle, className, windowName, style, x, y, width, height,
                                  parent, menu, AfxGetInstanceHandle(), param);
  BeginCreate(nullptr);
  return window != nullptr && m_hWnd == window;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext* context) {
  return CreateEx(0, className ? className : AfxFrameWindowClass(), windowName, style | WS_CHILD,
                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), context);
}

void CWnd::WinHelp(DWORD_PTR data, UINT command) {
  CWinApp* app = AfxGetApp();
  ::WinHelpW(m_hWnd, app ? app->m_pszHelpFilePath : nullptr, command, data);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND window = msg->hwnd; window; window = ::GetParent(window)) {
    CWnd* object = FromHandlePermanent(window);
    if (object && object->PreTranslateMessage(msg)) return TRUE;
    if (window == stop) break;
  }
  return FALSE;
}

CFrameWnd* CWnd::GetParentFrame() const {
  for (HWND window = ::GetParent(m_hWnd); window; window = ::GetParent(window)) {
    CWnd* object = FromHandlePermanent(window);
    if (object && object->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
      return static_cast<CFrameWnd*>(object);
    }
  }
  return nullptr;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  HWND window = m_hWnd;
  const BOOL destroyed = ::DestroyWindow(window);
  // A window attached but not created through the framework never passes
  // its last message to the object: it is detached here. (A frame has
  // deleted itself by now; this is not touched then.)
  if (FromHandlePermanent(window) == this) Detach();
  return destroyed;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  if (message == WM_COMMAND) return OnCommand(wParam, lParam);
  if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
  if (message == WM_DRAWITEM) {
    // An owner-drawn control draws itself.
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* control = item->CtlType == ODT_MENU ? nullptr : FromHandlePermanent(item->hwndItem);
    if (control && control->OnChildNotify(message, wParam, lParam, result)) return TRUE;
  }
  const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
  if (!entry) return FALSE;
  *result = DispatchWindowMessage(*entry, wParam, lParam);
  return TRUE;
}

LRESULT CWnd::DispatchWindowMessage(const AFX_MSGMAP_ENTRY& entry, WPARAM wParam,
                                    LPARAM lParam) {
  const AFX_PMSG pfn = entry.pfn;
  switch (entry.nSig) {
    case AfxSig_vv:
      (this->*AfxMsgHandler<void (CWnd::*)()>(pfn))();
      return 0;
    case AfxSig_is:
      return (this->*AfxMsgHandler<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(
          reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_vwii:
      (this->*AfxMsgHandler<void (CWnd::*)(UINT, int, int)>(pfn))(
          static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case AfxSig_vW:
      (this->*AfxMsgHandler<void (CWnd::*)(CWnd*)>(pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)));
      return 0;
    case AfxSig_vWp:
      (this->*AfxMsgHandler<void (CWnd::*)(CWnd*, CPoint)>(pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)),
          CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
      return 0;
    case AfxSig_vwwh:
      (this->*AfxMsgHandler<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(
          LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case AfxSig_vMwb:
      (this->*AfxMsgHandler<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(
          CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case AfxSig_vb:
      (this->*AfxMsgHandler<void (CWnd::*)(BOOL)>(pfn))(static_cast<BOOL>(wParam));
      return 0;
    case AfxSig_lwl:
      return (this->*AfxMsgHandler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
    case AfxSig_vwp:
      (this->*AfxMsgHandler<void (CWnd::*)(UINT, CPoint)>(pfn))(
          static_cast<UINT>(wParam),
          CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
      return 0;
  }
  return Default();
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  // A menu item (code 0) and an accelerator (code 1) are commands; a
  // control's code is its notification.
  const int code = lParam ? HIWORD(wParam) : CN_COMMAND;
  return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  const UINT id = LOWORD(header->hwndFrom ? ::GetDlgCtrlID(header->hwndFrom) : 0);
  AFX_NOTIFY notify{result, header};
  return OnCmdMsg(id, static_cast<int>(MAKELONG(header->code, WM_NOTIFY)), &notify, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& current = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(current.message, current.wParam, current.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

void CWnd::BeginCreate(CWnd* object) { ObjectBeingCreated() = object; }

CWnd* CWnd::ObjectForMessage(HWND window) {
  if (CWnd* object = FromHandlePermanent(window)) return object;
  CWnd*& pending = ObjectBeingCreated();
  if (!pending) return nullptr;
  CWnd* object = pending;
  pending = nullptr;
  object->Attach(window);
  return object;
}

void CWnd::AfterLastMessage() {
  Detach();
  // The application ends with its main window.
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  PostNcDestroy();
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = ObjectForMessage(window);
  if (!object) return ::DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  {
    CCurrentMessage current(window, message, wParam, lParam);
    result = object->WindowProc(message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) object->AfterLastMessage();
  return result;
}

LPCTSTR AfxFrameWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &CWnd::AfxWndProc;
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TolmericFrame";
    return ::RegisterClassExW(&windowClass);
  }();
  return atom ? L"TolmericFrame" : nullptr;
}

}  // namespace tolmeric
