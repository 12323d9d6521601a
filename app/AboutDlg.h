// The information box: the tool's picture, name and version and what it
// does.
#pragma once

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

namespace tolmeric {

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* parent = nullptr);

  // Shows the picture and the version line.
  BOOL OnInitDialog() override;

 private:
  CBitmap picture_;
  CStatic pictureCtrl_;
};

}  // namespace tolmeric
