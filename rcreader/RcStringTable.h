// A STRINGTABLE block: identifiers and their texts.
#pragma once

#include <vector>

#include "rcreader/RcElement.h"

namespace tolmeric {

class CRcStringTable : public CRcResource {
 public:
  // number: the block's running number in the scan, from 1.
  explicit CRcStringTable(int32_t number) : number(number) {}

  // Reads from the STRINGTABLE keyword; returns the position after END.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindStringTable; }
  // "StringTable<number>" with one node per entry, empty texts included.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;

  bool EndReached() const { return endReached_; }
  int32_t entryCount() const { return static_cast<int32_t>(texts.size()); }

  std::vector<std::u16string_view> names;
  std::vector<std::u16string_view> texts;
  // The token of each text.
  std::vector<int32_t> textPositions;
  std::u16string_view options;
  // The header statements of the compiler's grammar, or empty.
  std::u16string_view language;
  std::u16string_view subLanguage;
  std::u16string_view characteristics;
  std::u16string_view version;
  int32_t number;

 private:
  bool ReadHeaderStatement(std::u16string& headerOptions);
  bool ReadEntry();

  bool endReached_ = false;
};

}  // namespace tolmeric
