// The demo's main window: a frame for several documents, with a toolbar and
// a status bar. Each document is a child frame with an editor view.
#pragma once

#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "runtime/BaseClassesWin32.h"

namespace demo {
using namespace tolmeric;

class CMainFrame : public __X_CMDIFrameWnd {
 public:
  CMainFrame() = default;

  // Opens a new, empty document in a child frame with the given text.
  void OpenDocument(LPCTSTR text = L"");

  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;

 protected:
  int OnCreate(LPCREATESTRUCT createStruct);
  void OnFileNew();
  void OnAppExit();
  void OnViewToolbar();
  void OnViewStatusBar();
  void OnUpdateViewToolbar(CCmdUI* item);
  void OnUpdateViewStatusBar(CCmdUI* item);
  void OnWindowNew();
  void OnWindowCascade();
  void OnWindowTile();
  void OnWindowArrange();

  DECLARE_MESSAGE_MAP()

 private:
  void ToggleBar(CWnd& bar);
  int documentCount_ = 0;
};

}  // namespace demo
