// Where the switch dialog puts its controls, in pixels of its client area,
// from the height of a line of its font.
#pragma once

#include <cstdint>

namespace tolmeric {

// The switch dialog's control identifiers.
inline constexpr int32_t kThisVersionLabelId = 125;
inline constexpr int32_t kOlderVersionsLabelId = 126;
inline constexpr int32_t kThisVersionListId = 1234;
inline constexpr int32_t kOlderVersionsListId = 1223;
inline constexpr int32_t kSwitchOkId = 1;
inline constexpr int32_t kSwitchCancelId = 2;
inline constexpr int32_t kSwitchHelpId = 9;

struct CPixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  friend bool operator==(const CPixelRect&, const CPixelRect&) = default;
};

// The rectangles of the controls; those of the second label and list are
// empty without the older versions, that of Help without the Help button.
struct CSwitchDialogLayout {
  CPixelRect thisVersionLabel;
  CPixelRect thisVersionList;
  CPixelRect olderVersionsLabel;
  CPixelRect olderVersionsList;
  CPixelRect okButton;
  CPixelRect cancelButton;
  CPixelRect helpButton;

  friend bool operator==(const CSwitchDialogLayout&, const CSwitchDialogLayout&) = default;
};

// Labels one line high, the lists sharing the height that remains (the first
// list alone takes it without the older versions), and a row of two or three
// buttons of equal width, two lines high, below them; 10 pixels between
// everything.
CSwitchDialogLayout LayOutSwitchDialog(const CPixelRect& client, int32_t textHeight,
                                       bool showOlderVersions, bool showHelpButton);

}  // namespace tolmeric
