#include "translation/TranslationUpdate.h"

#include <unordered_set>

#include "translation/ExchangeEntry.h"

namespace tolmeric {

namespace {

// Walks a merged tree beside the older tree it was merged with, as the merge
// matched them, notes the older nodes matched and marks the nodes whose
// counterpart had another base text.
// A counterpart that was never translated gives no translation to review:
// the node keeps its own base text.
void MarkChangedTexts(CTextNode& merged, const CTextNode& older,
                      std::unordered_set<const CTextNode*>& matched) {
  for (int32_t i = 0; i < merged.childCount; ++i) {
    CTextNode& child = *merged.ChildAt(i);
    const CTextNode* match = CTextNode::BestMatch(child, older);
    if (match == nullptr) continue;
    matched.insert(match);
    MarkChangedTexts(child, *match, matched);
    if (match->baseText == child.baseText) continue;
    if (match->text == match->baseText) {
      child.text = child.baseText;
    } else if (IsExchangedNode(child)) {
      child.state = kStateNeedsReview;
    }
  }
}

int32_t CountUnmatched(const CTextNode& node, const std::unordered_set<const CTextNode*>& matched) {
  int32_t count = IsExchangedNode(node) && matched.count(&node) == 0 ? 1 : 0;
  for (int32_t i = 0; i < node.childCount; ++i) count += CountUnmatched(*node.ChildAt(i), matched);
  return count;
}

void CountTexts(const std::vector<CExchangeEntry>& entries, CUpdateCounts& counts) {
  for (const CExchangeEntry& entry : entries) {
    if (entry.isNew) {
      ++counts.added;
    } else if (entry.fuzzy) {
      ++counts.review;
    } else if (!entry.target.empty()) {
      ++counts.carried;
    }
  }
}

}  // namespace

std::unique_ptr<CLanguageData> UpdateTranslation(const CLanguageData& older,
                                                 const CLanguageData& fresh,
                                                 CUpdateCounts* counts) {
  std::unique_ptr<CLanguageData> result = fresh.Copy();
  result->languageName = older.languageName;
  result->headerText4 = older.headerText4;
  result->headerText5 = older.headerText5;
  result->CopyFlag(older);
  std::unordered_set<const CTextNode*> matched;
  if (result->root && older.root) {
    result->root->MergeTexts(*older.root);
    MarkChangedTexts(*result->root, *older.root, matched);
  }
  if (counts != nullptr && result->root) {
    *counts = CUpdateCounts();
    CountTexts(CollectEntries(*result->root), *counts);
    if (older.root) counts->dropped = CountUnmatched(*older.root, matched);
  }
  return result;
}

}  // namespace tolmeric
