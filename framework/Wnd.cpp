#include "framework/Wnd.h"

#include "framework/HandleMap.h"
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

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window) { return WindowMap().FromHandle(window); }

CWnd* CWnd::FromHandlePermanent(HWND window) { return WindowMap().LookupPermanent(window); }

void CWnd::DeleteTempMap() { WindowMap().DeleteTemporary(); }

BOOL CWnd::Attach(HWND window) { return WindowMap().Attach(*this, window); }

HWND CWnd::Detach() { return WindowMap().Detach(*this); }

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

BOOL CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

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
  PostNcDestroy();
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = ObjectForMessage(window);
  if (!object) return ::DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = object->WindowProc(message, wParam, lParam);
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
