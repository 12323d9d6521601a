#include "app/AboutDlg.h"

#include "runtime/ApplicationInterfaceWin32.h"

namespace tolmeric {

namespace {

constexpr UINT kAboutDialog = 100;
constexpr UINT kPictureCtrl = 1074;
constexpr UINT kVersionLine = 1073;
constexpr UINT kPicture = 165;
// "Version %i.%i%02i"
constexpr UINT kVersionFormat = 200;
constexpr int kVersion[] = {2, 0, 2};

}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(kAboutDialog, parent) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if ((picture_.m_hObject || picture_.LoadBitmap(kPicture)) &&
      pictureCtrl_.SubclassDlgItem(kPictureCtrl, this)) {
    pictureCtrl_.SetBitmap(picture_);
  }
  CString version;
  FormatTranslated(version, kVersionFormat, kVersion[0], kVersion[1], kVersion[2]);
  if (CWnd* line = GetDlgItem(kVersionLine)) line->SetWindowText(version);
  return TRUE;
}

}  // namespace tolmeric
