// A MENUITEM inside a menu or a popup.
#pragma once

#include "rcreader/RcMenuEntry.h"

namespace tolmeric {

class CRcMenuItem : public CRcMenuEntry {
 public:
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindMenuItem; }
  // An item node, also for an empty text; none for a separator.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;

  bool isSeparator = false;
};

}  // namespace tolmeric
