// A bitmap button that lights up under the mouse: while the mouse is over it
// the button holds the mouse capture and shows its hot image in place of the
// normal one. A tool tip over the button shows a string of the string table
// in the current language.
#pragma once

#include <windows.h>

#include "framework/BitmapButton.h"
#include "framework/ToolTipCtrl.h"

namespace tolmeric {

class CHoverBitmapButton : public CBitmapButton {
 public:
  CHoverBitmapButton() = default;

  // Once, on a button that is subclassed already: the tip's string and the
  // images (disabled 0: none). Loads the normal, pressed and disabled
  // images (no focused one) and adds the tip.
  void SetUp(UINT tipStringId, UINT normalImage, UINT pressedImage, UINT hotImage,
             UINT disabledImage);
  bool IsHovering() const { return hover_; }

 protected:
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonDown(UINT flags, CPoint point);
  // A tip request, in either form, from the button's own tip.
  BOOL OnToolTipText(UINT id, NMHDR* notification, LRESULT* result);

 private:
  // Shows image as the normal bitmap, with the pressed and disabled images.
  void ShowImage(UINT image);

  bool hover_ = false;
  UINT normalImage_ = 0;
  UINT hotImage_ = 0;
  UINT pressedImage_ = 0;
  UINT disabledImage_ = 0;
  UINT tipStringId_ = 0;
  CToolTipCtrl tip_;

  DECLARE_MESSAGE_MAP()
};

}  // namespace tolmeric
