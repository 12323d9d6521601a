#include "framework/FileDialog.h"

#include <cwchar>

#include "framework/Wnd.h"

namespace tolmeric {

namespace {

// Room for one path, or for a folder and many chosen names.
constexpr size_t kSingleFileBuffer = MAX_PATH;
constexpr size_t kMultipleFileBuffer = 64 * 1024;

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName,
                         DWORD flags, LPCTSTR filter, CWnd* parent)
    : openFileDialog_(openFileDialog),
      fileBuffer_((flags & OFN_ALLOWMULTISELECT) ? kMultipleFileBuffer : kSingleFileBuffer, L'\0') {
  if (filter != nullptr) {
    for (const wchar_t* c = filter; *c != L'\0'; ++c) filter_.push_back(*c == L'|' ? L'\0' : *c);
    filter_.push_back(L'\0');
    filter_.push_back(L'\0');
  }
  if (fileName != nullptr) wcsncpy(fileBuffer_.data(), fileName, fileBuffer_.size() - 1);
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.hwndOwner = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
  m_ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.data();
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = fileBuffer_.data();
  m_ofn.nMaxFile = static_cast<DWORD>(fileBuffer_.size());
  m_ofn.lpstrDefExt = defaultExtension;
  m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
  const BOOL chosen = openFileDialog_ ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
  return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
  POSITION position = GetStartPosition();
  return position != nullptr ? GetNextPathName(position) : CString();
}

// A position is the address of the next name in the buffer.
POSITION CFileDialog::GetStartPosition() const {
  const wchar_t* first = m_ofn.lpstrFile;
  if (first == nullptr || *first == L'\0') return nullptr;
  return reinterpret_cast<POSITION>(const_cast<wchar_t*>(first));
}

// One chosen file: the buffer holds its full path. Several: the folder
// first, then the names; the first name starts after the folder's '\0'.
CString CFileDialog::GetNextPathName(POSITION& position) const {
  const wchar_t* buffer = m_ofn.lpstrFile;
  const wchar_t* name = reinterpret_cast<const wchar_t*>(position);
  const size_t folderLength = wcslen(buffer);
  // Without multiple selection the buffer may hold the rest of a longer
  // initial name after the path's end.
  const bool several =
      (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && buffer[folderLength + 1] != L'\0';
  if (!several) {
    position = nullptr;
    return CString(buffer);
  }
  if (name == buffer) name += folderLength + 1;
  const wchar_t* next = name + wcslen(name) + 1;
  position = *next != L'\0' ? reinterpret_cast<POSITION>(const_cast<wchar_t*>(next)) : nullptr;
  CString path(buffer);
  if (folderLength > 0 && buffer[folderLength - 1] != L'\\') path += L'\\';
  path += name;
  return path;
}

}  // namespace tolmeric
