// The flag of the language file in the main window: a 32 by 32 bitmap drawn
// at the top left corner of a static control.
#pragma once

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Static.h"

namespace tolmeric {

class CFlagStatic : public CStatic {
 public:
  CFlagStatic() = default;

  // A visible child of parent without text, identifier 0xFFFF, showing
  // flag, which it takes over.
  BOOL Create(CWnd* parent, const RECT& rect, HBITMAP flag);

 protected:
  void OnPaint();

 private:
  CBitmap flag_;

  DECLARE_MESSAGE_MAP()
};

}  // namespace tolmeric
