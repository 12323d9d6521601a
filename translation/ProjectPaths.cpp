#include "translation/ProjectPaths.h"

namespace tolmeric {

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// The path without its last character (a folder without its separator).
std::u16string DropLast(const std::u16string& path) {
  return path.empty() ? path : path.substr(0, path.size() - 1);
}

}  // namespace

std::u16string DirectoryOf(const std::u16string& path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return path.substr(0, i);
  }
  return {};
}

std::u16string MakeRelativePath(const std::u16string& projectPath, const std::u16string& path) {
  const std::u16string projectFolder = DirectoryOf(projectPath);
  const std::u16string parentFolder = DirectoryOf(DropLast(projectFolder));
  const std::u16string folder = DirectoryOf(path);
  if (folder == projectFolder) return path.substr(projectFolder.size());

  const std::u16string folderParent = DirectoryOf(DropLast(folder));
  // Both folders must exist: a bare name or a project without a folder has
  // no sibling folder to speak of.
  if (!projectFolder.empty() && !folder.empty() && folderParent == parentFolder) {
    const char16_t separator = projectFolder.back();
    return std::u16string(u"..") + separator + folder.substr(folderParent.size()) +
           path.substr(folder.size());
  }
  return path;
}

std::filesystem::path ResolveStoredPath(const std::filesystem::path& folder,
                                        const std::u16string& stored) {
  std::u16string native = stored;
#ifndef _WIN32
  for (char16_t& c : native) {
    if (c == u'\\') c = u'/';
  }
#endif
  std::filesystem::path path(native);
  if (path.is_absolute() || folder.empty()) return path;
  return folder / path;
}

}  // namespace tolmeric
