// Compares two trees node by node, naming the first difference.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "translation/TextNode.h"
#include "translation/Utf.h"

namespace tolmeric {

// Every stored field and the parent links; capacity too when asked, since a
// loaded tree's capacity follows from its child counts, not the original's.
inline ::testing::AssertionResult SameTree(const CTextNode& expected, const CTextNode& actual,
                                           bool compareCapacity = false) {
  std::vector<std::pair<const CTextNode*, const CTextNode*>> pending{{&expected, &actual}};
  int32_t index = 0;
  while (!pending.empty()) {
    auto [e, a] = pending.back();
    pending.pop_back();
    bool same = e->baseText == a->baseText && e->text == a->text && e->kind == a->kind &&
                e->number1 == a->number1 && e->number2 == a->number2 && e->state == a->state &&
                e->childCount == a->childCount && (!compareCapacity || e->capacity == a->capacity);
    if (!same) {
      return ::testing::AssertionFailure()
             << "node " << index << " (" << ToUtf8(e->baseText) << ") differs from ("
             << ToUtf8(a->baseText) << ")";
    }
    for (int32_t i = e->childCount - 1; i >= 0; --i) {
      if (a->children[i]->parent != a) {
        return ::testing::AssertionFailure() << "wrong parent below node " << index;
      }
      pending.emplace_back(e->children[i].get(), a->children[i].get());
    }
    ++index;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace tolmeric
