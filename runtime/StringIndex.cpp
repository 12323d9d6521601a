#include "runtime/StringIndex.h"

#include <vector>

namespace tolmeric {

void CStringIndex::Build(const CTextNode* category) {
  first_.clear();
  if (!category) return;
  // Walk in tree order with an explicit stack: a deep tree from a file must
  // not exhaust the call stack. Children go on the stack last first, so they
  // come off in stored order.
  std::vector<const CTextNode*> pending{category};
  while (!pending.empty()) {
    const CTextNode* node = pending.back();
    pending.pop_back();
    // emplace keeps the entry of the first node with that text.
    first_.emplace(node->baseText, node);
    for (int32_t i = node->childCount - 1; i >= 0; --i) {
      if (const CTextNode* child = node->ChildAt(i)) pending.push_back(child);
    }
  }
}

void CStringIndex::Clear() { first_.clear(); }

const CTextNode* CStringIndex::Find(std::u16string_view text) const {
  const auto found = first_.find(text);
  return found == first_.end() ? nullptr : found->second;
}

const CTextNode* CStringIndex::SearchDepthFirst(const CTextNode& node,
                                                std::u16string_view text) {
  if (node.baseText == text) return &node;
  for (int32_t i = 0; i < node.childCount; ++i) {
    if (const CTextNode* child = node.ChildAt(i)) {
      if (const CTextNode* found = SearchDepthFirst(*child, text)) return found;
    }
  }
  return nullptr;
}

}  // namespace tolmeric
