#include "rcreader/RcMenu.h"

#include "rcreader/ProblemLog.h"

namespace tolmeric {

int32_t CRcMenu::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  block.endReached = false;
  if (!ParseHeader()) return kParseFailed;
  ++position;
  block.isEx = isEx;
  position = block.Parse(list, position, log, kMsgMenuFailed, 0);
  return position;
}

// header := name ( "MENU" | "MENUEX" ) memory-options { statement } "BEGIN"
bool CRcMenu::ParseHeader() {
  if (!Expect(ReadName(name), "the menu's name")) return false;
  if (CurrentIs(u"MENUEX"))
    isEx = true;
  else if (CurrentIs(u"MENU"))
    isEx = false;
  else
    return false;
  ++position;
  memoryOptions = ReadMemoryOptions();
  while (ReadOptionalStatement()) {
  }
  return Expect(CurrentIsBegin(), "BEGIN after the menu's header");
}

// One pass: the first statement that applies ends it.
bool CRcMenu::ReadOptionalStatement() {
  return ReadExpressionStatement(u"CHARACTERISTICS", characteristics) ||
         ReadExpressionStatement(u"VERSION", version) || ReadLanguageStatement(language, subLanguage);
}

std::unique_ptr<CTextNode> CRcMenu::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  auto node = MakeNode(parent, name, kKindMenu, -1, -1);
  block.BuildNodes(*node, places);
  return node;
}

}  // namespace tolmeric
