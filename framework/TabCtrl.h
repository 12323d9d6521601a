// The framework's tab control: a window object over the common control,
// attached to a control of a dialog template. Each member is one message.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)

 public:
  CTabCtrl() = default;

  int GetItemCount() const { return TabCtrl_GetItemCount(m_hWnd); }
  int GetCurSel() const { return TabCtrl_GetCurSel(m_hWnd); }
  int SetCurSel(int item) { return TabCtrl_SetCurSel(m_hWnd, item); }
  // The tab that has the focus (it differs from the selection only while
  // the user moves through the tabs with the keyboard).
  int GetCurFocus() const { return TabCtrl_GetCurFocus(m_hWnd); }
  BOOL GetItem(int item, TCITEMW* record) const { return TabCtrl_GetItem(m_hWnd, item, record); }
  // The new tab's index, or -1.
  LONG InsertItem(int item, TCITEMW* record) { return TabCtrl_InsertItem(m_hWnd, item, record); }
  BOOL DeleteAllItems() { return TabCtrl_DeleteAllItems(m_hWnd); }
  // larger FALSE: the page area of a window rectangle; TRUE: the reverse.
  void AdjustRect(BOOL larger, LPRECT rect) { TabCtrl_AdjustRect(m_hWnd, larger, rect); }
  HWND GetToolTips() const { return TabCtrl_GetToolTips(m_hWnd); }
};

}  // namespace tolmeric
