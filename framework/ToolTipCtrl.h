// The framework's tool-tip control: a popup that shows the tip of the tool
// under the mouse.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  CToolTipCtrl() = default;

  // A tip window owned by parent, with the TTS_ styles given.
  BOOL Create(CWnd* parent, DWORD style = 0);
  // Registers the tool that info describes.
  BOOL AddTool(const TOOLINFOW& info) {
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
  }
  int GetToolCount() const {
    return static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
  }
};

}  // namespace tolmeric
