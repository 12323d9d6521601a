#include "examples/demo-app/DemoView.h"

#include <commctrl.h>

#include <string>

#include "examples/demo-app/DemoDialogs.h"
#include "examples/demo-app/DemoResource.h"
#include "examples/demo-app/TextSearch.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace demo {

namespace {

// The edit control keeps its own context menu; the view's takes its place.
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR, DWORD_PTR) {
  if (message == WM_CONTEXTMENU) {
    return ::SendMessageW(::GetParent(window), message, wParam, lParam);
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

std::u16string ToU16(const CString& text) {
  const wchar_t* s = text;
  return std::u16string(s, s + ::lstrlenW(s));
}

}  // namespace

IMPLEMENT_DYNCREATE(CDemoView, CView)

BEGIN_MESSAGE_MAP(CDemoView, CView)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_CONTEXTMENU()
  ON_COMMAND(IDM_EDIT_UNDO, OnEditUndo)
  ON_COMMAND(IDM_EDIT_CUT, OnEditCut)
  ON_COMMAND(IDM_EDIT_COPY, OnEditCopy)
  ON_COMMAND(IDM_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(IDM_EDIT_SELECT_ALL, OnEditSelectAll)
  ON_COMMAND(IDM_EDIT_FIND, OnEditFind)
  ON_COMMAND(IDM_EDIT_REPEAT, OnEditRepeat)
END_MESSAGE_MAP()

int CDemoView::OnCreate(LPCREATESTRUCT createStruct) {
  if (CView::OnCreate(createStruct) == -1) return -1;
  m_hWndEdit = ::CreateWindowExW(
      0, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
          ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
      0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDITOR)),
      AfxGetInstanceHandle(), nullptr);
  if (!m_hWndEdit) return -1;
  ::SendMessageW(m_hWndEdit, WM_SETFONT,
                 reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  ::SetWindowSubclass(m_hWndEdit, &EditProc, 0, 0);
  return 0;
}

void CDemoView::OnSize(UINT type, int width, int height) {
  CView::OnSize(type, width, height);
  ::MoveWindow(m_hWndEdit, 0, 0, width, height, TRUE);
}

void CDemoView::OnSetFocus(CWnd*) { ::SetFocus(m_hWndEdit); }

// The context menu is the application's own popup: the run-time module
// translates it before it opens and keeps it registered for a switch.
void CDemoView::OnContextMenu(CWnd*, CPoint position) {
  HMENU bar = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_CONTEXT));
  if (!bar) return;
  HMENU popup = ::GetSubMenu(bar, 0);
  TranslatePopupMenu(popup);
  if (position.x == -1 && position.y == -1) {  // from the keyboard
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    position = CPoint(rect.left + 10, rect.top + 10);
  }
  ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, position.x, position.y, 0,
                   ::GetParent(m_hWnd), nullptr);
  ::DestroyMenu(bar);
}

CString CDemoView::GetText() const {
  CString text;
  CWnd::FromHandle(m_hWndEdit)->GetWindowText(text);
  return text;
}

void CDemoView::SetText(LPCTSTR text) { ::SetWindowTextW(m_hWndEdit, text); }

BOOL CDemoView::FindNext(const CString& what, BOOL matchCase, BOOL down) {
  DWORD start = 0, end = 0;
  ::SendMessageW(m_hWndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  const std::u16string text = ToU16(GetText());
  const std::u16string pattern = ToU16(what);
  const auto found = FindText(text, start, end, {pattern, matchCase != FALSE, down != FALSE});
  if (!found) return FALSE;
  ::SendMessageW(m_hWndEdit, EM_SETSEL, *found, *found + pattern.size());
  ::SendMessageW(m_hWndEdit, EM_SCROLLCARET, 0, 0);
  return TRUE;
}

void CDemoView::OnEditUndo() { ::SendMessageW(m_hWndEdit, EM_UNDO, 0, 0); }
void CDemoView::OnEditCut() { ::SendMessageW(m_hWndEdit, WM_CUT, 0, 0); }
void CDemoView::OnEditCopy() { ::SendMessageW(m_hWndEdit, WM_COPY, 0, 0); }
void CDemoView::OnEditPaste() { ::SendMessageW(m_hWndEdit, WM_PASTE, 0, 0); }
void CDemoView::OnEditSelectAll() { ::SendMessageW(m_hWndEdit, EM_SETSEL, 0, -1); }

void CDemoView::OnEditFind() { CFindDialog::Show(GetParentFrame()); }

void CDemoView::OnEditRepeat() {
  if (!CFindDialog::Repeat(this)) CFindDialog::Show(GetParentFrame());
}

}  // namespace demo
