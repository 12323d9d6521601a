// The tool's rules for the paths a project stores: scripts and the language
// file are kept relative to the project's folder where a simple rule allows.
// A backslash and a slash both separate folders, so that projects made on
// Linux keep relative paths too; comparisons are exact and case-sensitive.
#pragma once

#include <filesystem>
#include <string>

namespace tolmeric {

// The path up to and including its last separator; empty without one.
std::u16string DirectoryOf(const std::u16string& path);

// path relative to the folder of projectPath: a bare file name for a file
// in the project's folder, "..\" (or "../") and the folder for a file in a
// sibling folder of it, else path unchanged.
std::u16string MakeRelativePath(const std::u16string& projectPath, const std::u16string& path);

// A stored path as a path of this system, resolved against folder when it is
// relative. On Linux a backslash in a stored path separates folders.
std::filesystem::path ResolveStoredPath(const std::filesystem::path& folder,
                                        const std::u16string& stored);

}  // namespace tolmeric
