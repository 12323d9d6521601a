// A child frame of a multiple-document frame: a window inside the frame's
// MDI client, with a menu of its own (m_hMenuShared, loaded with the frame
// from its resource identifier) that the frame's menu bar shows while the
// child is active. Messages the child leaves go to DefMDIChildProc. Like
// every frame it deletes its object when its window is destroyed.
#pragma once

#include <windows.h>

#include "framework/FrameWnd.h"

namespace tolmeric {

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)

 public:
  CMDIChildWnd() = default;

  // Creates the child in the MDI client of parent (the application's main
  // window when null).
  virtual BOOL Create(LPCTSTR className, LPCTSTR windowName,
                      DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CMDIFrameWnd* parent = nullptr,
                      CCreateContext* context = nullptr);
  // Creates the child with the string resource resourceId (up to its first
  // line feed) as its title and the menu resource resourceId as its menu.
  BOOL LoadFrame(UINT resourceId, DWORD defaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                 CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
  // Asks the MDI client to destroy the child, so it activates the next one.
  BOOL DestroyWindow() override;

  // The multiple-document frame the child belongs to; null when none.
  CMDIFrameWnd* GetMDIFrame() const;
  void MDIActivate();
  void MDIDestroy();
  void MDIMaximize();
  void MDIRestore();

  // Puts the child's menu (or menuAlt) into the frame's menu bar when the
  // child is activated, the frame's default menu when the last child goes
  // (activated window null), else refreshes the window menu.
  virtual void OnUpdateFrameMenu(BOOL active, CWnd* activateWnd, HMENU menuAlt);

  // Destroyed with the window unless the frame's menu bar still shows it.
  HMENU m_hMenuShared = nullptr;

  // Where and how large the platform places a new child.
  static const RECT rectDefault;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The menu of the frame and its title follow the activation.
  virtual void OnMDIActivate(BOOL active, CWnd* activateWnd, CWnd* deactivateWnd);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tolmeric
