// The framework's push button, check box or other button control. An
// owner-drawn button draws itself: its parent passes WM_DRAWITEM on to
// DrawItem.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  CButton() = default;

  BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // Draws an owner-drawn button; nothing here.
  virtual void DrawItem(LPDRAWITEMSTRUCT item) {}

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace tolmeric
