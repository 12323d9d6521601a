#include "rcreader/RcMenuItem.h"

namespace tolmeric {

// menu-item := "MENUITEM" ( "SEPARATOR" | operands )
int32_t CRcMenuItem::Parse(const CRcTokenList& list, int32_t start, CProblemLog&) {
  tokens = &list;
  position = start;
  if (!CurrentIs(u"MENUITEM")) return kParseFailed;
  ++position;
  if (CurrentIs(u"SEPARATOR")) {
    isSeparator = true;
    return ++position;
  }
  isSeparator = false;
  if (!ReadItemOperands(false)) return kParseFailed;
  return position;
}

std::unique_ptr<CTextNode> CRcMenuItem::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  if (isSeparator) return nullptr;
  auto node = MakeNode(parent, text, kKindMenuItem, -1, -1);
  NotePlace(places, node.get(), textPosition);
  return node;
}

}  // namespace tolmeric
