#include "framework/PropertySheet.h"

#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertyPage::CPropertyPage(UINT templateId) {
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = AfxGetResourceHandle();
  m_psp.pszTemplate = MAKEINTRESOURCEW(templateId);
  m_psp.pfnDlgProc = &CPropertyPage::PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

// The sheet creates the page's window from m_psp and hands the record over
// with the initialisation: that is where the window meets its object.
INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* record = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    auto* page = reinterpret_cast<CPropertyPage*>(record->lParam);
    if (!FromHandlePermanent(window)) page->Attach(window);
  }
  return AfxDlgProc(window, message, wParam, lParam);
}

BOOL CPropertyPage::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return OnPageNotify(*header, lParam, result);
  }
  // A page has no OK or Cancel of its own: the sheet's buttons end the run.
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    return FALSE;
  }
  return CDialog::OnWndMsg(message, wParam, lParam, result);
}

BOOL CPropertyPage::OnPageNotify(const NMHDR& header, LPARAM lParam, LRESULT* result) {
  switch (header.code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;
      return TRUE;
    case PSN_KILLACTIVE:
      *result = OnKillActive() ? FALSE : TRUE;
      return TRUE;
    case PSN_APPLY: {
      const BOOL applied = OnApply();
      *result = applied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      // The notification's lParam is TRUE when OK (not Apply) sent it.
      const bool byOk = reinterpret_cast<const PSHNOTIFY*>(lParam)->lParam != 0;
      if (applied && byOk && sheet_) sheet_->confirmed_ = true;
      return TRUE;
    }
  }
  return FALSE;
}

CPropertySheet::CPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : caption_(caption), parent_(parent) {
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->sheet_ = this;
  pages_.push_back(page);
}

INT_PTR CPropertySheet::DoModal() {
  confirmed_ = false;
  std::vector<PROPSHEETPAGEW> records;
  records.reserve(pages_.size());
  for (CPropertyPage* page : pages_) records.push_back(page->m_psp);
  m_psh.hwndParent = parent_ ? parent_->m_hWnd : nullptr;
  m_psh.pszCaption = caption_;
  m_psh.nPages = static_cast<UINT>(records.size());
  m_psh.ppsp = records.data();
  const INT_PTR result = ::PropertySheetW(&m_psh);
  m_psh.ppsp = nullptr;
  if (result < 0) return -1;
  return confirmed_ ? IDOK : IDCANCEL;
}

}  // namespace tolmeric
