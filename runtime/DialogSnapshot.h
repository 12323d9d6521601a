// The texts a dialog shows when it is about to be initialised: its caption
// and the text of each direct child window, in the window manager's order.
// It grows with the dialog: no child is left out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/WindowSystem.h"

namespace tolmeric {

struct CDialogChild {
  WindowId window = 0;
  std::u16string text;
};

class CDialogSnapshot {
 public:
  CDialogSnapshot() = default;
  CDialogSnapshot(WindowId window, std::u16string title, std::vector<CDialogChild> children);

  // Reads the dialog's caption and its direct children.
  static CDialogSnapshot Take(const IWindowSystem& windows, WindowId dialog);

  WindowId Window() const { return window_; }
  const std::u16string& Title() const { return title_; }
  const std::vector<CDialogChild>& Children() const { return children_; }
  int32_t ChildCount() const { return static_cast<int32_t>(children_.size()); }
  // The children whose text is not empty.
  int32_t NonEmptyCount() const { return nonEmptyCount_; }

 private:
  WindowId window_ = 0;
  std::u16string title_;
  std::vector<CDialogChild> children_;
  int32_t nonEmptyCount_ = 0;
};

}  // namespace tolmeric
