#include "app/HostToolFiles.h"

#include <filesystem>
#include <system_error>

#include "translation/ProjectPaths.h"

namespace tolmeric {

std::u16string CHostToolFiles::CurrentFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::u16string() : folder.u16string();
}

void CHostToolFiles::SetCurrentFolder(const std::u16string& folder) {
  std::error_code error;
  std::filesystem::current_path(ResolveStoredPath({}, folder), error);
}

bool CHostToolFiles::FileExists(const std::u16string& name) {
  std::error_code error;
  return std::filesystem::exists(ResolveStoredPath({}, name), error);
}

}  // namespace tolmeric
