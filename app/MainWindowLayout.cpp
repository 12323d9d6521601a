#include "app/MainWindowLayout.h"

namespace tolmeric {
namespace {

enum class Follow { Keep, Stretch, MoveRight, MoveDown, Widen };

// What a control does when the window's client area changes size.
Follow FollowOf(int32_t id) {
  switch (id) {
    case 1000:  // tab control and the pages over it
    case kTreeViewId:
    case kMessageBoxId:
      return Follow::Stretch;
    case 1021:  // the nine bitmap buttons
    case 1004:
    case 1022:
    case 1023:
    case 1008:
    case 1007:
    case 1030:
    case 1029:
    case 1014:
    case 1068:  // version field and its label
    case 1066:
      return Follow::MoveRight;
    case 1:  // the three bottom buttons
    case 1031:
    case 57670:
      return Follow::MoveDown;
    case 1012:  // lists, group boxes, program and language name
    case 1006:
    case 1013:
    case 1015:
    case 1016:
    case 1017:
    case 1067:
    case 1070:
      return Follow::Widen;
    default:
      return Follow::Keep;
  }
}

}  // namespace

std::optional<CResizeTracker::Change> CResizeTracker::Resized(int32_t width, int32_t height) {
  const Change change{width - lastWidth_, height - lastHeight_};
  const bool first = !sizeSeen_;
  sizeSeen_ = true;
  lastWidth_ = width;
  lastHeight_ = height;
  if (first) return std::nullopt;
  return change;
}

std::vector<CControlRect> LayOutControls(const std::vector<CControlRect>& current, int32_t dx,
                                         int32_t dy) {
  std::vector<CControlRect> moved;
  for (CControlRect rect : current) {
    switch (FollowOf(rect.id)) {
      case Follow::Keep:
        continue;
      case Follow::Stretch:
        rect.right += dx;
        rect.bottom += dy;
        break;
      case Follow::MoveRight:
        rect.left += dx;
        rect.right += dx;
        break;
      case Follow::MoveDown:
        rect.top += dy;
        rect.bottom += dy;
        break;
      case Follow::Widen:
        rect.right += dx;
        break;
    }
    moved.push_back(rect);
  }
  return moved;
}

std::optional<CPageVisibility> PageForTab(int32_t tabIndex) {
  switch (tabIndex) {
    case 0:
      return CPageVisibility{true, false, false};
    case 1:
      return CPageVisibility{false, true, false};
    case 2:
      return CPageVisibility{false, false, true};
    default:
      return std::nullopt;
  }
}

void CMinimumSize::Record(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
}

CMinimumSize& CMinimumSize::RecordIfUnknown(int32_t width, int32_t height) {
  if (width_ < 0) Record(width, height);
  return *this;
}

}  // namespace tolmeric
