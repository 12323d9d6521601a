// A POPUP inside a menu: its text and the entries of its own block.
#pragma once

#include "rcreader/RcMenuEntry.h"

namespace tolmeric {

class CRcPopup : public CRcMenuEntry {
 public:
  // depth: how many popups enclose this one.
  explicit CRcPopup(int32_t depth = 0) : depth_(depth) {}

  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindPopup; }
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;

  bool EndReached() const { return block.endReached; }
  int32_t entryCount() const { return static_cast<int32_t>(block.entries.size()); }

  CRcMenuBlock block;

 private:
  int32_t depth_;
};

}  // namespace tolmeric
