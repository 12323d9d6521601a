// The framework's toolbar (the common toolbar control) along the top of a
// frame: buttons made from a bitmap of equally wide images and a list of
// command identifiers, with tool tips that the control asks its frame for
// (TTN_NEEDTEXT) by the button's command identifier.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/AfxRes.h"
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

namespace tolmeric {

class CToolBar : public CWnd {
  DECLARE_DYNAMIC(CToolBar)

 public:
  CToolBar() = default;
  ~CToolBar() override;

  BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT,
                DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_TOOLBAR);
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_TOOLBAR);

  // Button and image sizes in pixels (23 x 22 and 16 x 15 unless set),
  // before the bitmap is loaded.
  void SetSizes(SIZE button, SIZE image);
  // The images of the bitmap resource, one per image width.
  BOOL LoadBitmap(UINT resourceId);
  // One button per identifier, taking the images in order; ID_SEPARATOR
  // makes a gap.
  BOOL SetButtons(const UINT* ids, int count);

  int GetCount() const;
  UINT GetItemID(int index) const;
  // The tip window the control made.
  HWND GetToolTips() const;

  // Each button's enabled and checked state from target's update handlers;
  // with disableIfNoHandler, a button whose command has no handler is
  // disabled.
  void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler);

 private:
  SIZE button_{23, 22};
  SIZE image_{16, 15};
  HBITMAP bitmap_ = nullptr;
};

}  // namespace tolmeric
