// The framework's status bar (the common status bar control) along the
// bottom of a frame: pane 0 stretches and shows the frame's messages, the
// other panes (indicators) keep the width of their initial text at the
// right.
#pragma once

#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "framework/AfxRes.h"
#include "framework/Wnd.h"

namespace tolmeric {

class CStatusBar : public CWnd {
  DECLARE_DYNAMIC(CStatusBar)

 public:
  CStatusBar() = default;

  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
              UINT id = AFX_IDW_STATUS_BAR);
  // One pane per identifier; each pane starts with its identifier's string
  // (ID_SEPARATOR: empty) and is as wide as that text.
  BOOL SetIndicators(const UINT* ids, int count);
  BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
  CString GetPaneText(int index) const;
  // Lays the panes out again for the bar's current width.
  void UpdatePanes();

 private:
  // The width in pixels of each pane after the first.
  std::vector<int> widths_;
};

}  // namespace tolmeric
