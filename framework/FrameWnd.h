// The framework's frame window: a top-level window with a menu bar, made by
// LoadFrame from the resources of one identifier (its title string and its
// menu). The menu it was loaded with is its default menu, the one it shows
// when no document is open; the frame keeps it in m_hMenuDefault and
// destroys it with the window. A frame deletes its object when its window is
// destroyed, so it is made with new.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

struct CCreateContext;

class CFrameWnd : public CWnd {
  DECLARE_DYNAMIC(CFrameWnd)

 public:
  CFrameWnd() = default;

  // Creates the window with the menu resource resourceId as its menu bar and
  // the string resource resourceId (up to its first line feed) as its title.
  virtual BOOL LoadFrame(UINT resourceId,
                         DWORD defaultStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);

  HMENU m_hMenuDefault = nullptr;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void PostNcDestroy() override { delete this; }
};

}  // namespace tolmeric
