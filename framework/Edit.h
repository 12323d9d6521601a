// The framework's edit control: made at run time as a child of a window, or
// attached to a control of a dialog template.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  CEdit() = default;

  // A child edit control with identifier id, attached to this object.
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // Creates with extended styles too (a sunken border, say).
  BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  void SetReadOnly(BOOL readOnly = TRUE) { ::SendMessageW(m_hWnd, EM_SETREADONLY, readOnly, 0); }
  void LimitText(int maxCharacters) { ::SendMessageW(m_hWnd, EM_LIMITTEXT, maxCharacters, 0); }
};

}  // namespace tolmeric
