// The flag selection dialog: the flags of the flag strip in a list, one to
// choose. OK stays disabled until a click leaves exactly one flag selected;
// a double click on a flag chooses it at once.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "framework/ListCtrl.h"

namespace tolmeric {

class CFlagDialog : public CDialog {
 public:
  explicit CFlagDialog(CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  // The first selected flag becomes selectedFlag (-1 when none is).
  void OnOK() override;

  // The index of the chosen flag in the strip; -1 when none was chosen.
  int32_t selectedFlag = -1;

 protected:
  void OnClickList(NMHDR* notification, LRESULT* result);
  void OnDoubleClickList(NMHDR* notification, LRESULT* result);

 private:
  // Applies the dialog's response to a click or double click.
  void Respond(bool doubleClick);

  CButton okButton_;
  CListCtrl list_;
  CImageList flags_;

  DECLARE_MESSAGE_MAP()
};

}  // namespace tolmeric
