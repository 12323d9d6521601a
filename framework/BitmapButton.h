// An owner-drawn push button that shows one of up to four bitmaps: normal,
// selected (pressed), focused and disabled. A state without its own bitmap
// shows the normal one. The button's style needs BS_OWNERDRAW.
#pragma once

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Button.h"

namespace tolmeric {

class CBitmapButton : public CButton {
  DECLARE_DYNAMIC(CBitmapButton)

 public:
  CBitmapButton() = default;

  // Replaces the bitmaps by the resources given (0: none for that state).
  // Every bitmap that can be loaded is taken; TRUE when all could.
  BOOL LoadBitmaps(UINT normalId, UINT selectedId = 0, UINT focusId = 0, UINT disabledId = 0);
  // Makes the button as large as its normal bitmap.
  void SizeToContent();
  // Copies the bitmap of the item's state into its rectangle.
  void DrawItem(LPDRAWITEMSTRUCT item) override;

 protected:
  CBitmap m_bitmap;
  CBitmap m_bitmapSel;
  CBitmap m_bitmapFocus;
  CBitmap m_bitmapDisabled;
};

}  // namespace tolmeric
