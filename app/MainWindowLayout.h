// How the main window's controls follow the window's size, and which page
// the tab control shows. Portable: the window reads the rectangles of its
// controls, asks these functions and moves what they say.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tolmeric {

// A control's rectangle in the dialog's client coordinates.
struct CControlRect {
  int32_t id = 0;
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const CControlRect&) const = default;
};

// Control identifiers of the two pages made at run time.
inline constexpr int32_t kTreeViewId = 123;
inline constexpr int32_t kMessageBoxId = 234;

// Client sizes of the size notifications: the first one only records, each
// later one gives the change since the previous one.
class CResizeTracker {
 public:
  struct Change {
    int32_t dx;
    int32_t dy;
  };
  // The change since the last size, none for the first; the new size is
  // kept either way.
  std::optional<Change> Resized(int32_t width, int32_t height);

 private:
  bool sizeSeen_ = false;
  int32_t lastWidth_ = 0;
  int32_t lastHeight_ = 0;
};

// The rectangles of the controls that move or grow when the client area
// changes by dx and dy; the controls that keep their place are left out.
std::vector<CControlRect> LayOutControls(const std::vector<CControlRect>& current, int32_t dx,
                                         int32_t dy);

// Which parts of the window a page shows.
struct CPageVisibility {
  bool generalPage;
  bool treeView;
  bool messageBox;
  bool operator==(const CPageVisibility&) const = default;
};

// The page of tab index 0, 1 or 2; none for any other index.
std::optional<CPageVisibility> PageForTab(int32_t tabIndex);

// The smallest window size: the size at the end of the window's
// initialisation, or the size at the first request when one comes earlier.
class CMinimumSize {
 public:
  void Record(int32_t width, int32_t height);
  // The minimum; when none is recorded yet, width and height become it.
  CMinimumSize& RecordIfUnknown(int32_t width, int32_t height);
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

 private:
  int32_t width_ = -1;
  int32_t height_ = -1;
};

}  // namespace tolmeric
