// The framework's frame window: a top-level window with a menu bar, made by
// LoadFrame from the resources of one identifier (its title string, menu,
// accelerators and icon). The menu it was loaded with is its default menu,
// the one it shows when no document is open; the frame keeps it in
// m_hMenuDefault and destroys it with the window. A frame deletes its object
// when its window is destroyed, so it is made with new.
//
// A frame routes the commands it receives to its active view, then to
// itself, then to the application, and is the routing frame meanwhile. It
// places its toolbar at the top, its status bar at the bottom and its view
// between them; the status bar's first pane shows the prompt of the menu
// item selected, and the toolbar's tips come from the second part of each
// command's string.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/AfxRes.h"
#include "framework/Wnd.h"

namespace tolmeric {

class CView;

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  CFrameWnd() = default;

  // Creates the window with the menu, accelerators and icon of resourceId,
  // and the string resource resourceId (up to its first line feed) as its
  // title; a context's view class gives the view. The status bar then shows
  // the idle prompt (AFX_IDS_IDLEMESSAGE).
  virtual BOOL LoadFrame(UINT resourceId,
                         DWORD defaultStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);

  // The active view, then the frame's own map, then the application.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  // The frame's accelerators.
  BOOL PreTranslateMessage(MSG* msg) override;

  // The status-bar prompt of command id: its string up to the first line
  // feed; empty when there is none.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;
  // Places toolbar, status bar and view in the client area.
  virtual void RecalcLayout(BOOL notify = TRUE);
  // While the application is idle: the toolbar's buttons follow their
  // commands' update handlers.
  void OnIdleUpdateCmdUI();

  CView* GetActiveView() const { return m_pViewActive; }
  void SetActiveView(CView* view, BOOL notify = TRUE);
  // The status bar; null when the frame has none.
  CWnd* GetMessageBar() const;
  void SetMessageText(LPCTSTR text);
  void SetMessageText(UINT id);

  HMENU m_hMenuDefault = nullptr;
  // The resource identifier LoadFrame was given; 0 for a frame made
  // otherwise.
  UINT m_nIDHelp = 0;
  HACCEL m_hAccelTable = nullptr;
  // Menu items without a command handler are disabled when their popup
  // opens.
  BOOL m_bAutoMenuEnable = TRUE;

 protected:
  // Creates the frame's client windows: the view of the context's class.
  virtual BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context);
  // A view of the context's class as child id; null when it cannot be made.
  CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);

  // The tip of a toolbar button or tool: the second line-feed part of its
  // command's string (empty for a separator, whose identifier is 0).
  BOOL OnToolTipText(UINT id, NMHDR* notification, LRESULT* result);

  int OnCreate(LPCREATESTRUCT createStruct);
  void OnSize(UINT type, int width, int height);
  void OnSetFocus(CWnd* oldWindow);
  void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
  void OnExitMenuLoop(BOOL trackPopup);
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void PostNcDestroy() override { delete this; }

  CView* m_pViewActive = nullptr;

  DECLARE_MESSAGE_MAP()
};

// The command a tip request asks for: the notification's idFrom, or the
// control identifier of the window it names when the tool was registered by
// window handle.
UINT AfxToolTipCommandId(const NMHDR* notification);
// Answers a tip request (TTN_NEEDTEXTA or TTN_NEEDTEXTW) with tip, cut to
// the record's buffer without splitting a character, and brings the tip
// window to the top.
void AfxSetToolTipText(NMHDR* notification, LPCTSTR tip, LRESULT* result);
// Answers a tip request with the tip part of its command's string, which
// loadString gives for an identifier; a separator (0) gets an empty tip.
void AfxAnswerToolTip(NMHDR* notification,
                      const std::function<std::u16string(uint32_t)>& loadString,
                      LRESULT* result);

}  // namespace tolmeric
