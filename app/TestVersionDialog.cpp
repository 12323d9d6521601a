#include "app/TestVersionDialog.h"

#include "runtime/WideTextWin32.h"
#include "translation/Project.h"

namespace tolmeric {

CTestVersionDialog::CTestVersionDialog(CProject& project, CWnd* parent)
    : CDialog(IDD, parent), project_(project) {}

BOOL CTestVersionDialog::OnInitDialog() {
  ::CheckDlgButton(m_hWnd, kReplaceBegin, project_.replaceBegin ? BST_CHECKED : BST_UNCHECKED);
  ::SetDlgItemTextW(m_hWnd, kBeginText, Wide(project_.beginText));
  ::CheckDlgButton(m_hWnd, kReplaceEnd, project_.replaceEnd ? BST_CHECKED : BST_UNCHECKED);
  ::SetDlgItemTextW(m_hWnd, kEndText, Wide(project_.endText));
  return TRUE;
}

std::u16string CTestVersionDialog::ItemText(int id) const {
  CString text;
  GetDlgItem(id)->GetWindowText(text);
  return FromWide(text);
}

// A check box counts as on only when it is checked.
void CTestVersionDialog::OnOK() {
  project_.replaceBegin = ::IsDlgButtonChecked(m_hWnd, kReplaceBegin) == BST_CHECKED;
  project_.beginText = ItemText(kBeginText);
  project_.replaceEnd = ::IsDlgButtonChecked(m_hWnd, kReplaceEnd) == BST_CHECKED;
  project_.endText = ItemText(kEndText);
  CDialog::OnOK();
}

BOOL CTestVersionDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == kHelp) return TRUE;
  return CDialog::OnCommand(wParam, lParam);
}

}  // namespace tolmeric
