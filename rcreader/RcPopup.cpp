#include "rcreader/RcPopup.h"

#include "rcreader/ProblemLog.h"

namespace tolmeric {

// popup := "POPUP" operands "BEGIN" { entry } "END"
int32_t CRcPopup::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  if (!CurrentIs(u"POPUP")) return kParseFailed;
  ++position;
  if (!ReadItemOperands(true) || !Expect(CurrentIsBegin(), "BEGIN after the popup's text"))
    return kParseFailed;
  ++position;
  position = block.Parse(list, position, log, kMsgMenuItemFailed, depth_);
  return position;
}

std::unique_ptr<CTextNode> CRcPopup::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  auto node = MakeNode(parent, text, kKindPopup, -1, -1);
  NotePlace(places, node.get(), textPosition);
  block.BuildNodes(*node, places);
  return node;
}

}  // namespace tolmeric
