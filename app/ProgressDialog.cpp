#include "app/ProgressDialog.h"

#include <commctrl.h>

namespace tolmeric {

BOOL CProgressDialog::Create() {
  const INITCOMMONCONTROLSEX progressClass{sizeof(progressClass), ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&progressClass);
  return CDialog::Create(IDD, nullptr);
}

BOOL CProgressDialog::OnInitDialog() {
  ::SendDlgItemMessageW(m_hWnd, kBar, PBM_SETRANGE32, 0, 100);
  ::SendDlgItemMessageW(m_hWnd, kBar, PBM_SETPOS, 0, 0);
  return TRUE;
}

// The scan holds the thread, so the bar is painted at once.
void CProgressDialog::SetPosition(int32_t position) {
  ::SendDlgItemMessageW(m_hWnd, kBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  ::UpdateWindow(::GetDlgItem(m_hWnd, kBar));
}

}  // namespace tolmeric
