// The flag selection dialog's decisions: where a flag lies in the flag strip
// and what the dialog does when its list is clicked.
#pragma once

#include <cstdint>

namespace tolmeric {

// The flag strip: cells of 32 by 32 pixels side by side, of which the
// dialog offers the first 152.
inline constexpr int32_t kFlagCellPixels = 32;
inline constexpr int32_t kOfferedFlagCount = 152;

// The left edge of flag index's cell in the strip.
constexpr int32_t FlagCellLeft(int32_t index) { return index * kFlagCellPixels; }

// What the mouse did in the flag list. Keyboard selection is not among them:
// it changes nothing.
enum class FlagListEvent { kClick, kDoubleClick };

struct FlagListResponse {
  // Whether the OK button's state is set, and to what.
  bool setsOk = false;
  bool okEnabled = false;
  // Whether the dialog ends as with OK.
  bool accepts = false;
};

// OK is enabled by a click that leaves exactly one flag selected and
// disabled by any other click; a double click on exactly one flag accepts.
FlagListResponse RespondToFlagList(FlagListEvent event, int32_t selectedCount);

}  // namespace tolmeric
