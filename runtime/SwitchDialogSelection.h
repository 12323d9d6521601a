// What the switch dialog's lists and its OK button decide: which list the
// user picked from last, and which file OK switches to.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/LanguageFileCollection.h"

namespace tolmeric {

class CSwitchDialogSelection {
 public:
  // 1: nothing selected, 2: an entry of the first list, 3: one of the second.
  enum State : int32_t { kNothing = 1, kThisVersion = 2, kOlderVersion = 3 };

  // A click that left exactly one entry selected in a list; selecting in one
  // list keeps the other's selection, the state names the list clicked last.
  void OnListSelection(bool isOlderList) { state_ = isOlderList ? kOlderVersion : kThisVersion; }
  // A click that left no entry selected.
  void OnListNoSelection() { state_ = kNothing; }

  State Selection() const { return state_; }
  bool OkEnabled() const { return state_ != kNothing; }

 private:
  State state_ = kNothing;
};

// What OK does: switch to path (nothing when empty), after showing the
// warning about an older version's language when warnFirst is set.
struct CSwitchChoice {
  std::u16string path;
  bool warnFirst = false;
};

// The file of the entry selected in the list the state names (the index
// each list reports, -1 when none); nothing when that list has no
// selection left, as after a selection removed from the keyboard.
CSwitchChoice ChooseSwitchFile(CSwitchDialogSelection::State state, const CLanguageFileLists& lists,
                               int32_t thisVersionIndex, int32_t olderVersionIndex);

}  // namespace tolmeric
