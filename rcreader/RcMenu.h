// A MENU or MENUEX section with its popups and items.
#pragma once

#include "rcreader/RcMenuEntry.h"

namespace tolmeric {

class CRcMenu : public CRcResource {
 public:
  // Reads from the menu's name, the token before its keyword; returns the
  // position after its END.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindMenu; }
  // The node named by the menu's identifier, with its entries below.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;

  bool EndReached() const { return block.endReached; }
  int32_t entryCount() const { return static_cast<int32_t>(block.entries.size()); }

  CRcMenuBlock block;
  std::u16string_view name;
  std::u16string_view memoryOptions;
  bool isEx = false;
  std::u16string_view characteristics;
  std::u16string_view version;
  std::u16string_view language;
  std::u16string_view subLanguage;

 private:
  bool ParseHeader();
  bool ReadOptionalStatement();
};

}  // namespace tolmeric
