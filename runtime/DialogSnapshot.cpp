#include "runtime/DialogSnapshot.h"

#include <utility>

namespace tolmeric {

CDialogSnapshot::CDialogSnapshot(WindowId window, std::u16string title,
                                 std::vector<CDialogChild> children)
    : window_(window), title_(std::move(title)), children_(std::move(children)) {
  for (const CDialogChild& child : children_) {
    if (!child.text.empty()) ++nonEmptyCount_;
  }
}

CDialogSnapshot CDialogSnapshot::Take(const IWindowSystem& windows, WindowId dialog) {
  std::vector<CDialogChild> children;
  for (WindowId child = windows.FirstChild(dialog); child != 0;
       child = windows.NextSibling(child)) {
    children.push_back({child, windows.WindowText(child)});
  }
  return CDialogSnapshot(dialog, windows.WindowText(dialog), std::move(children));
}

}  // namespace tolmeric
