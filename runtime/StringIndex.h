// The string lookup's index: for every base text in the string-table part of
// a tree, the first node in tree order (a node before its children, children
// in stored order) that carries it. A lookup is then one hash probe instead of
// a walk through every string of the application.
//
// The index points into the tree it was built from: whoever replaces or
// changes that tree must build the index again (or clear it).
#pragma once

#include <string_view>
#include <unordered_map>

#include "translation/TextNode.h"

namespace tolmeric {

class CStringIndex {
 public:
  // Indexes the subtree below (and including) category; null empties it.
  void Build(const CTextNode* category);
  void Clear();
  bool IsEmpty() const { return first_.empty(); }

  // The first node of the indexed subtree whose base text equals text, or null.
  const CTextNode* Find(std::u16string_view text) const;

  // The same answer by walking the subtree, for checks and comparisons.
  static const CTextNode* SearchDepthFirst(const CTextNode& node, std::u16string_view text);

 private:
  std::unordered_map<std::u16string_view, const CTextNode*> first_;
};

}  // namespace tolmeric
