// The framework's static control: a label, frame or picture.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  CStatic() = default;

  // A child static; its identifier is 0xFFFF unless id is given.
  BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
  // Shows bitmap in a static with SS_BITMAP (not taken over); returns the
  // bitmap shown before.
  HBITMAP SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
};

}  // namespace tolmeric
