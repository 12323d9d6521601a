#include "rcreader/RcStringTable.h"

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "translation/Utf.h"

namespace tolmeric {

// string-table := "STRINGTABLE" { identifier } "BEGIN" { entry } "END"
int32_t CRcStringTable::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  endReached_ = false;
  if (!CurrentIs(u"STRINGTABLE")) return kParseFailed;
  ++position;
  while (Current().type == kTokenIdentifier && !CurrentIs(u"BEGIN")) {
    options += Current().text;
    options += u' ';
    ++position;
  }
  if (!CurrentIs(u"BEGIN")) return kParseFailed;
  return ParseStatementBlock(*tokens, position + 1, log, kMsgStringEntryFailed, endReached_,
                             [&](int32_t at) {
                               position = at;
                               return ReadEntry() ? position : kParseFailed;
                             });
}

// entry := name quoted-text      (no comma between them)
bool CRcStringTable::ReadEntry() {
  std::u16string name;
  std::u16string text;
  if (!ReadName(name)) return false;
  const int32_t textPosition = position;
  if (!ReadQuoted(text)) return false;
  textPositions.push_back(textPosition);
  names.push_back(std::move(name));
  texts.push_back(std::move(text));
  return true;
}

std::unique_ptr<CTextNode> CRcStringTable::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  const std::u16string title = u"StringTable" + FromAscii(std::to_string(number));
  auto node = std::make_unique<CTextNode>(parent, title, title, kKindStringTable, -1, -1);
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    children.push_back(
        std::make_unique<CTextNode>(node.get(), texts[i], texts[i], kKindStringEntry, -1, -1));
    NotePlace(places, children.back().get(), i < textPositions.size() ? textPositions[i] : -1);
  }
  AddChildNodes(*node, std::move(children));
  return node;
}

}  // namespace tolmeric
