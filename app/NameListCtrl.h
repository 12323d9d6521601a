// The one-row list of a file name: the project's or the language file's.
#pragma once

#include <windows.h>

#include "app/FileListCtrl.h"

namespace tolmeric {

class CNameListCtrl : public CFileListCtrl {
 public:
  // Shows text as the only row, with the project's image or the language
  // file's.
  void SetName(LPCTSTR text, bool isProject);
};

}  // namespace tolmeric
