// The frame of a multiple-document application. Its client area is the
// platform's MDI client window, which holds the child frames (CMDIChildWnd);
// the frame's menu bar shows the active child's menu, or the frame's
// default menu while no child is open, and the window menu of the bar lists
// the open children. Messages the frame leaves go to DefFrameProc.
#pragma once

#include <windows.h>

#include "framework/FrameWnd.h"

namespace tolmeric {

class CMDIChildWnd;

// The command identifiers of a window menu (new window, arrange, cascade,
// tile, split): the popup that holds one of them is the window menu.
inline constexpr UINT AFX_IDM_WINDOW_FIRST = 0xE130;
inline constexpr UINT AFX_IDM_WINDOW_LAST = 0xE13F;
// The first command identifier of the children listed in the window menu.
inline constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNAMIC(CMDIFrameWnd)

 public:
  CMDIFrameWnd() = default;

  // Creates the MDI client window in the frame's client area, with
  // windowMenu (may be null) as the popup that lists the children.
  virtual BOOL CreateClient(LPCREATESTRUCT createStruct, CMenu* windowMenu);
  // The window menu of a menu bar: the last popup that holds a window-menu
  // command; null when none does.
  virtual HMENU GetWindowMenuPopup(HMENU menuBar);

  void MDIActivate(CWnd* child);
  // The active child frame (null when none); maximized, when given, tells
  // whether it is maximized.
  CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
  void MDINext();
  void MDICascade();
  void MDITile();

  // Puts the active child's menu, or menuAlt, or the default menu when no
  // child is open, into the menu bar.
  virtual void OnUpdateFrameMenu(HMENU menuAlt);

  HWND m_hWndMDIClient = nullptr;

 protected:
  // The client window, with the default menu's window menu.
  BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;
  // The active child routes a command first, then the frame.
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
  // The MDI client's keys (Ctrl+F6, Ctrl+F4 ...) after the frame's
  // accelerators.
  BOOL PreTranslateMessage(MSG* message) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tolmeric
