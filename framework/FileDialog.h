// The framework's common file dialog: open or save, with a default
// extension, an initial name, a filter whose parts are separated by '|',
// and, for an open dialog that allows it, several files at once.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "framework/String.h"

namespace tolmeric {

class CWnd;

// A place in a list the framework hands out one entry at a time; null
// after the last.
struct CPositionTag;
using POSITION = CPositionTag*;

class CFileDialog {
 public:
  // filter: "Name (*.ext)|*.ext||". flags: OFN_ values; the dialog always
  // uses the Explorer style.
  explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr,
                       LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       LPCTSTR filter = nullptr, CWnd* parent = nullptr);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  // IDOK when the user chose, IDCANCEL when not (or the dialog failed).
  INT_PTR DoModal();

  // The full path of the chosen file (the first of several).
  CString GetPathName() const;
  // The chosen files one by one: a position, then each file's full path
  // while the position is not null.
  POSITION GetStartPosition() const;
  CString GetNextPathName(POSITION& position) const;

  // The dialog's settings as the platform takes them; set lpstrTitle for a
  // title of one's own.
  OPENFILENAMEW m_ofn{};

 private:
  BOOL openFileDialog_;
  // The filter with '\0' in place of '|'.
  std::vector<wchar_t> filter_;
  // The chosen name(s): for several files the folder, then each name, each
  // ended by '\0', the whole ended by a second '\0'.
  std::vector<wchar_t> fileBuffer_;
};

}  // namespace tolmeric
