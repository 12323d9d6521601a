#include "runtime/SwitchDialogSelection.h"

#include <vector>

namespace tolmeric {

namespace {

// The path at index, empty when the index is outside the list.
std::u16string PathAt(const std::vector<CLanguageInfo>& files, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= files.size()) return {};
  return files[static_cast<size_t>(index)].filePath;
}

}  // namespace

CSwitchChoice ChooseSwitchFile(CSwitchDialogSelection::State state, const CLanguageFileLists& lists,
                               int32_t thisVersionIndex, int32_t olderVersionIndex) {
  CSwitchChoice choice;
  if (state == CSwitchDialogSelection::kThisVersion) {
    choice.path = PathAt(lists.thisVersionFiles, thisVersionIndex);
  } else if (state == CSwitchDialogSelection::kOlderVersion) {
    choice.path = PathAt(lists.olderVersionFiles, olderVersionIndex);
    choice.warnFirst = !choice.path.empty();
  }
  return choice;
}

}  // namespace tolmeric
