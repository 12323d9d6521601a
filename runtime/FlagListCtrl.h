// A list of languages in the switch dialog: a list view in icon view, each
// entry a 32 by 32 flag above its text, one entry selectable at a time. It
// tells its owner about clicks and double clicks.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

namespace tolmeric {

// Who hears about the selections in a flag list.
class IFlagListOwner {
 public:
  virtual ~IFlagListOwner() = default;
  // A click that left exactly one entry selected in the list.
  virtual void OnListSelection(bool isOlderList) = 0;
  // A click that left none.
  virtual void OnListNoSelection() = 0;
  // A double click on an entry: the dialog's OK.
  virtual void OnOK() = 0;
};

class CFlagListCtrl : public CWnd {
 public:
  CFlagListCtrl() = default;
  ~CFlagListCtrl() override;

  // Creates the hidden list view in owner's window: identifier 1234 for the
  // first list, 1223 for the second (isOlderList).
  BOOL Create(IFlagListOwner& owner, HWND ownerWindow, const RECT& rect, bool isOlderList);

  // Appends an entry with the bitmap (light grey is transparent; not taken
  // over) and the text. An entry whose bitmap is null or cannot be added
  // shows no flag.
  void AddItem(HBITMAP bitmap, LPCWSTR text);
  // The first selected entry's index, -1 when none.
  int SelectedIndex() const;

  // The owner hands on the list's notifications.
  void OnClick();
  void OnDoubleClick();

 private:
  bool HasOneSelection() const { return ::SendMessageW(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }

  IFlagListOwner* owner_ = nullptr;
  bool isOlderList_ = false;
  int nextIndex_ = 0;
  // Shared with the list view, which leaves it alive: destroyed here.
  HIMAGELIST images_ = nullptr;
};

}  // namespace tolmeric
