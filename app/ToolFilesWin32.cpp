#include "app/ToolFilesWin32.h"

#include <windows.h>

#include "runtime/WideTextWin32.h"

namespace tolmeric {

// A folder longer than the buffer counts as one that cannot be read.
std::u16string CToolFilesWin32::CurrentFolder() {
  wchar_t folder[MAX_PATH];
  const DWORD length = ::GetCurrentDirectoryW(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) return {};
  return FromWide(folder, length);
}

void CToolFilesWin32::SetCurrentFolder(const std::u16string& folder) {
  ::SetCurrentDirectoryW(Wide(folder));
}

bool CToolFilesWin32::FileExists(const std::u16string& name) {
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(Wide(name), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  ::FindClose(search);
  return true;
}

}  // namespace tolmeric
