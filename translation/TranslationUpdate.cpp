#include "translation/TranslationUpdate.h"

#include "translation/ExchangeEntry.h"

namespace tolmeric {

namespace {

// Walks a merged tree beside the older tree it was merged with, as the merge
// matched them, and marks the nodes whose counterpart had another base text.
// A counterpart that was never translated gives no translation to review:
// the node keeps its own base text.
void MarkChangedTexts(CTextNode& merged, const CTextNode& older) {
  for (int32_t i = 0; i < merged.childCount; ++i) {
    CTextNode& child = *merged.ChildAt(i);
    const CTextNode* match = CTextNode::BestMatch(child, older);
    if (match == nullptr) continue;
    MarkChangedTexts(child, *match);
    if (match->baseText == child.baseText) continue;
    if (match->text == match->baseText) {
      child.text = child.baseText;
    } else if (IsExchangedNode(child)) {
      child.state = kStateNeedsReview;
    }
  }
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
  if (result->root && older.root) {
    result->root->MergeTexts(*older.root);
    MarkChangedTexts(*result->root, *older.root);
  }
  if (counts != nullptr && result->root) {
    *counts = CUpdateCounts();
    CountTexts(CollectEntries(*result->root), *counts);
    if (older.root) {
      auto now = NodesByContext(*result->root);
      for (auto& [context, node] : NodesByContext(*older.root)) {
        if (now.count(context) == 0) ++counts->dropped;
      }
    }
  }
  return result;
}

}  // namespace tolmeric
