#include "rcreader/RcMenuEntry.h"

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "rcreader/RcMenuItem.h"
#include "rcreader/RcPopup.h"

namespace tolmeric {

bool CRcMenuEntry::ReadItemOperands() {
  textPosition = position;
  if (!ReadQuoted(text)) return false;
  if (!ReadComma()) return true;
  if (!ReadName(name)) return false;
  if (!ReadComma()) return true;
  if (!ReadExpression(typeFlags)) return false;
  if (!ReadComma()) return true;
  return ReadExpression(stateFlags);
}

// block := { entry } "END"     (the BEGIN is already read)
int32_t CRcMenuBlock::Parse(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, int32_t depth) {
  return ParseStatementBlock(list, position, log, messageId, endReached,
                             [&](int32_t at) { return ParseEntry(list, at, log, depth); });
}

// entry := menu-item | popup
int32_t CRcMenuBlock::ParseEntry(const CRcTokenList& list, int32_t position, CProblemLog& log,
                                 int32_t depth) {
  const CRcToken& token = list.TokenAt(position);
  std::unique_ptr<CRcElement> entry;
  int32_t next = kParseFailed;
  if (token.Is(u"MENUITEM")) {
    entry = std::make_unique<CRcMenuItem>();
    next = entry->Parse(list, position, log);
  } else if (token.Is(u"POPUP")) {
    if (depth >= kMaxMenuDepth) return kParseFailed;
    auto popup = std::make_unique<CRcPopup>(depth + 1);
    next = popup->Parse(list, position, log);
    // A popup left open to the end of the list takes every enclosing block
    // with it at once.
    if (popup->EndReached()) endReached = true;
    entry = std::move(popup);
  }
  if (next != kParseFailed) entries.push_back(std::move(entry));
  return next;
}

void CRcMenuBlock::BuildNodes(CTextNode& node, SourcePlaces* places) const {
  std::vector<std::unique_ptr<CTextNode>> children;
  for (const auto& entry : entries) {
    if (auto child = entry->BuildNode(&node, places)) children.push_back(std::move(child));
  }
  AddChildNodes(node, std::move(children));
}

}  // namespace tolmeric
