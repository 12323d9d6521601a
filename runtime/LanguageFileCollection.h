// The language files the switch dialog offers: every file of a folder that
// belongs to the held program, split into the languages of this program
// version and those of other versions. The listing of the folder and the
// reading of each file's header come from outside, so the rules are the
// same on every platform.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/LanguageInfo.h"

namespace tolmeric {

struct CLanguageFileLists {
  // The files' headers, in the order the folder listing gave them.
  std::vector<CLanguageInfo> thisVersionFiles;
  std::vector<CLanguageInfo> olderVersionFiles;
};

// Reads the header of the language file at path into info; false when the
// file cannot be opened or ends inside its header.
using LanguageInfoReader = std::function<bool(const std::u16string& path, CLanguageInfo& info)>;

// The search pattern for the language files of folder: "*.tra" in the
// current folder when folder is empty, else inside folder, whether or not
// it ends with a separator.
std::u16string LanguageFileSearchPattern(const std::u16string& folder);
// The path of the file name found in folder (the name alone when folder is
// empty).
std::u16string LanguageFilePath(const std::u16string& folder, const std::u16string& name);

// Sorts paths into the two lists for the held file's info (null: no language
// is held, both lists stay empty). A file is left out when its header cannot
// be read, its program name differs from the held one, or the held file
// supports automatic switching and it does not; it belongs to this version
// when its version string equals the held one. The lists grow as needed.
CLanguageFileLists CollectLanguageFiles(const CLanguageInfo* held,
                                        const std::vector<std::u16string>& paths,
                                        const LanguageInfoReader& readInfo);

}  // namespace tolmeric
