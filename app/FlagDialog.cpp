#include "app/FlagDialog.h"

#include "app/FlagChoice.h"

namespace tolmeric {

namespace {

constexpr UINT kFlagDialog = 158;
constexpr UINT kFlagList = 1006;
constexpr UINT kFlagStrip = 159;
constexpr COLORREF kFlagBackground = RGB(192, 192, 192);
// Room of a flag in the list: the flag and a margin for the selection.
constexpr int kFlagSpacing = kFlagCellPixels + 12;

}  // namespace

BEGIN_MESSAGE_MAP(CFlagDialog, CDialog)
  ON_NOTIFY(NM_CLICK, kFlagList, OnClickList)
  ON_NOTIFY(NM_DBLCLK, kFlagList, OnDoubleClickList)
END_MESSAGE_MAP()

CFlagDialog::CFlagDialog(CWnd* parent) : CDialog(kFlagDialog, parent) {}

BOOL CFlagDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  okButton_.SubclassDlgItem(IDOK, this);
  okButton_.EnableWindow(FALSE);
  list_.SubclassDlgItem(kFlagList, this);
  if (flags_.m_hImageList ||
      flags_.Create(kFlagStrip, kFlagCellPixels, kFlagCellPixels, kFlagBackground)) {
    list_.SetImageList(&flags_, LVSIL_NORMAL);
  }
  list_.SetIconSpacing(kFlagSpacing, kFlagSpacing);
  for (int i = 0; i < kOfferedFlagCount; ++i) list_.InsertItem(i, L"", i);
  return TRUE;
}

void CFlagDialog::OnOK() {
  selectedFlag = list_.GetNextItem(-1, LVNI_SELECTED);
  CDialog::OnOK();
}

void CFlagDialog::Respond(bool doubleClick) {
  const FlagListResponse response =
      RespondToFlagList(doubleClick ? FlagListEvent::kDoubleClick : FlagListEvent::kClick,
                        static_cast<int32_t>(list_.GetSelectedCount()));
  if (response.setsOk) okButton_.EnableWindow(response.okEnabled);
  if (response.accepts) OnOK();
}

void CFlagDialog::OnClickList(NMHDR*, LRESULT* result) {
  Respond(false);
  *result = 0;
}

void CFlagDialog::OnDoubleClickList(NMHDR*, LRESULT* result) {
  Respond(true);
  *result = 0;
}

}  // namespace tolmeric
