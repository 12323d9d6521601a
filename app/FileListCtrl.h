// A list of files of the main window (the project, the language file, the
// resource scripts): a list control of the dialog template, taken over with
// the file images as small images and given back, not destroyed, when the
// object goes.
#pragma once

#include <windows.h>

#include "framework/ImageList.h"
#include "framework/ListCtrl.h"

namespace tolmeric {

// The file images, in the order of their cells.
enum FileImage : int { kLanguageFileImage = 0, kScriptImage = 1, kProjectImage = 2 };

class CFileListCtrl : public CListCtrl {
 public:
  CFileListCtrl() = default;
  ~CFileListCtrl() override;

  // Takes over the list control id of dialog; FALSE when there is none.
  BOOL AttachToDialogItem(CWnd& dialog, UINT id);

 private:
  CImageList images_;
};

}  // namespace tolmeric
