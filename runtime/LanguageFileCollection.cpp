#include "runtime/LanguageFileCollection.h"

#include <utility>

#include "translation/LanguageData.h"

namespace tolmeric {

namespace {

bool EndsWithSeparator(const std::u16string& folder) {
  return !folder.empty() && (folder.back() == u'\\' || folder.back() == u'/');
}

bool SupportsAutomaticSwitching(const CLanguageInfo& info) {
  return (info.fileFlags & kFlagAutoSwitch) != 0;
}

}  // namespace

std::u16string LanguageFileSearchPattern(const std::u16string& folder) {
  return LanguageFilePath(folder, u"*.tra");
}

std::u16string LanguageFilePath(const std::u16string& folder, const std::u16string& name) {
  if (folder.empty()) return name;
  return EndsWithSeparator(folder) ? folder + name : folder + u"\\" + name;
}

CLanguageFileLists CollectLanguageFiles(const CLanguageInfo* held,
                                        const std::vector<std::u16string>& paths,
                                        const LanguageInfoReader& readInfo) {
  CLanguageFileLists lists;
  if (!held) return lists;
  const bool heldSwitchesAutomatically = SupportsAutomaticSwitching(*held);
  for (const std::u16string& path : paths) {
    CLanguageInfo info;
    if (!readInfo(path, info)) continue;
    if (info.programName != held->programName) continue;
    if (heldSwitchesAutomatically && !SupportsAutomaticSwitching(info)) continue;
    std::vector<CLanguageInfo>& list = info.programVersion == held->programVersion
                                           ? lists.thisVersionFiles
                                           : lists.olderVersionFiles;
    info.filePath = path;
    list.push_back(std::move(info));
  }
  return lists;
}

}  // namespace tolmeric
