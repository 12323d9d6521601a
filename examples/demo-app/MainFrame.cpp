#include "examples/demo-app/MainFrame.h"

#include "examples/demo-app/ChildFrame.h"
#include "examples/demo-app/DemoResource.h"
#include "examples/demo-app/DemoView.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace demo {

namespace {

// The toolbar's buttons, one per image of its bitmap.
const UINT kButtons[] = {
    IDM_FILE_NEW, ID_SEPARATOR, IDM_EDIT_CUT,  IDM_EDIT_COPY,
    IDM_EDIT_PASTE, ID_SEPARATOR, IDM_EDIT_FIND, IDM_APP_ABOUT,
};

// The status bar: the prompt pane only.
const UINT kIndicators[] = {ID_SEPARATOR};

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, __X_CMDIFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(IDM_FILE_NEW, OnFileNew)
  ON_COMMAND(IDM_APP_EXIT, OnAppExit)
  ON_COMMAND(IDM_VIEW_TOOLBAR, OnViewToolbar)
  ON_COMMAND(IDM_VIEW_STATUS_BAR, OnViewStatusBar)
  ON_UPDATE_COMMAND_UI(IDM_VIEW_TOOLBAR, OnUpdateViewToolbar)
  ON_UPDATE_COMMAND_UI(IDM_VIEW_STATUS_BAR, OnUpdateViewStatusBar)
  ON_COMMAND(IDM_WINDOW_NEW, OnWindowNew)
  ON_COMMAND(IDM_WINDOW_CASCADE, OnWindowCascade)
  ON_COMMAND(IDM_WINDOW_TILE_HORZ, OnWindowTile)
  ON_COMMAND(IDM_WINDOW_ARRANGE, OnWindowArrange)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT createStruct) {
  if (__X_CMDIFrameWnd::OnCreate(createStruct) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this) || !m_wndToolBar.LoadBitmap(IDR_MAINFRAME) ||
      !m_wndToolBar.SetButtons(kButtons, static_cast<int>(std::size(kButtons)))) {
    return -1;
  }
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
    return -1;
  }
  return 0;
}

void CMainFrame::OpenDocument(LPCTSTR text) {
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CDemoView);
  context.m_pCurrentFrame = this;
  auto* child = new CChildFrame;
  if (!child->LoadFrame(IDR_DEMOTYPE, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, this,
                        &context)) {
    return;  // the failed frame has deleted itself with its window
  }
  child->SetDocumentNumber(++documentCount_);
  if (auto* view = static_cast<CDemoView*>(child->GetActiveView())) view->SetText(text);
  child->MDIActivate();
}

void CMainFrame::OnFileNew() { OpenDocument(); }

void CMainFrame::OnAppExit() { PostMessage(WM_CLOSE); }

void CMainFrame::ToggleBar(CWnd& bar) {
  bar.ShowWindow(::IsWindowVisible(bar.m_hWnd) ? SW_HIDE : SW_SHOW);
  RecalcLayout();
}

void CMainFrame::OnViewToolbar() { ToggleBar(m_wndToolBar); }

void CMainFrame::OnViewStatusBar() { ToggleBar(m_wndStatusBar); }

void CMainFrame::OnUpdateViewToolbar(CCmdUI* item) {
  item->SetCheck(::IsWindowVisible(m_wndToolBar.m_hWnd) ? 1 : 0);
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* item) {
  item->SetCheck(::IsWindowVisible(m_wndStatusBar.m_hWnd) ? 1 : 0);
}

// A further window on the active document: a copy of its text.
void CMainFrame::OnWindowNew() {
  CString text;
  if (CMDIChildWnd* active = MDIGetActive()) {
    if (auto* view = static_cast<CDemoView*>(active->GetActiveView())) text = view->GetText();
  }
  OpenDocument(text);
}

void CMainFrame::OnWindowCascade() { MDICascade(); }

void CMainFrame::OnWindowTile() { MDITile(); }

void CMainFrame::OnWindowArrange() { ::SendMessageW(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

}  // namespace demo
