#include "app/TreeViewItems.h"

#include <memory>
#include <utility>

#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/TextNode.h"

namespace tolmeric {
namespace {

// The image of a node's kind in the tree view's image strip; kinds the
// reader never puts into a tree show as other controls.
int32_t ImageOfKind(int32_t kind) {
  switch (kind) {
    case kKindDialog:
    case kKindDialogCategory:
    case kKindStandardSwitchDialog:
      return 0;
    case kKindMenu:
    case kKindMenuCategory:
      return 1;
    case kKindMenuItem:
      return 3;
    case kKindStringTable:
    case kKindStringTableCategory:
      return 4;
    case kKindPopup:
      return 5;
    case kKindPushButton:
      return 6;
    case kKindGroupBox:
      return 7;
    case kKindStaticText:
      return 8;
    default:  // other controls, string table entries
      return 2;
  }
}

}  // namespace

std::vector<CTreeViewItem> TreeViewItemsOf(const CTextNode& root) {
  std::vector<CTreeViewItem> items;
  // Depth first with a stack of its own, so a deep tree cannot exhaust the
  // call stack: each entry is a node and the index of its parent's item.
  std::vector<std::pair<const CTextNode*, int32_t>> pending;
  for (int32_t i = root.childCount - 1; i >= 0; --i) pending.push_back({root.ChildAt(i), -1});
  while (!pending.empty()) {
    const auto [node, parent] = pending.back();
    pending.pop_back();
    const auto index = static_cast<int32_t>(items.size());
    items.push_back({node->text, ImageOfKind(node->kind), parent});
    for (int32_t i = node->childCount - 1; i >= 0; --i) pending.push_back({node->ChildAt(i), index});
  }
  return items;
}

std::vector<CTreeViewItem> TreeViewItemsOf(const CProject& project) {
  const CLanguageData* data = project.languageData.get();
  if (!data || !data->root) return {};
  if (!project.testVersion) return TreeViewItemsOf(*data->root);
  std::unique_ptr<CTextNode> marked = data->root->Clone(nullptr);
  marked->ApplyTestMarks(project.replaceBegin, project.beginText, project.replaceEnd,
                         project.endText);
  return TreeViewItemsOf(*marked);
}

}  // namespace tolmeric
