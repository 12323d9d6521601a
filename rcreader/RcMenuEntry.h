// What popups and menu items share: their operands, and the block of
// entries that a menu and a popup both hold.
#pragma once

#include <vector>

#include "rcreader/RcElement.h"

namespace tolmeric {

class CRcMenuEntry : public CRcElement {
 public:
  std::u16string_view text;
  std::u16string_view name;
  std::u16string_view typeFlags;
  std::u16string_view stateFlags;
  // The token of the text, or -1.
  int32_t textPosition = -1;
  // The entry stands in a MENUEX; set before Parse.
  bool isEx = false;

 protected:
  // operands := quoted-text [ "," name [ "," type [ "," state ] ] ]
  // The compiler's grammar reads them as the resource compiler does; a
  // popup's operands have no identifier in a MENU and a help identifier at
  // the end in a MENUEX.
  bool ReadItemOperands(bool popup);

 private:
  bool ReadMenuOptions();
  bool ReadExFields(bool popup);
  bool ReadExField(std::u16string_view& into, const char* expected);
  bool FieldIsEmpty() const;
};

// Popups deeper than this fail like a popup with bad operands, so that a
// script cannot exhaust the stack.
inline constexpr int32_t kMaxMenuDepth = 200;

struct CRcMenuBlock {
  std::vector<std::unique_ptr<CRcElement>> entries;
  // The block belongs to a MENUEX; its entries are read as such.
  bool isEx = false;
  // Set when the block failed because the token list ended inside it.
  bool endReached = false;

  // Reads entries from position (just after BEGIN) up to and past the END.
  // A failing entry is reported with messageId and the search goes on one
  // token further. depth is the nesting depth of popups in this block.
  // Returns the position after END, or kParseFailed when the list ended.
  int32_t Parse(const CRcTokenList& list, int32_t position, CProblemLog& log, uint32_t messageId,
                int32_t depth);
  // Appends the entries' nodes below node.
  void BuildNodes(CTextNode& node, SourcePlaces* places) const;

 private:
  int32_t ParseEntry(const CRcTokenList& list, int32_t position, CProblemLog& log, int32_t depth,
                     CRcExpectation& expectation);
};

}  // namespace tolmeric
