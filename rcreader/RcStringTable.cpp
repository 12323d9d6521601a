#include "rcreader/RcStringTable.h"

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "translation/Utf.h"

namespace tolmeric {

// string-table := "STRINGTABLE" { header-statement } "BEGIN" { entry } "END"
int32_t CRcStringTable::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  endReached_ = false;
  if (!CurrentIs(u"STRINGTABLE")) return kParseFailed;
  ++position;
  std::u16string headerOptions;
  while (ReadHeaderStatement(headerOptions)) {
  }
  options = Keep(std::move(headerOptions));
  if (!Expect(CurrentIsBegin(), "BEGIN after STRINGTABLE")) return kParseFailed;
  return ParseStatementBlock(*tokens, position + 1, log, kMsgStringEntryFailed, endReached_,
                             [&](int32_t at, CRcExpectation& expectation) {
                               position = at;
                               failure_ = {};
                               const bool read = ReadEntry();
                               expectation = failure_;
                               return read ? position : kParseFailed;
                             });
}

// header-statement := identifier other than BEGIN
// compiler-header-statement := "LANGUAGE" name "," name | "CHARACTERISTICS" style
//                            | "VERSION" style | memory-option
bool CRcStringTable::ReadHeaderStatement(std::u16string& headerOptions) {
  if (Compiler() && (ReadLanguageStatement(language, subLanguage) ||
                     ReadExpressionStatement(u"CHARACTERISTICS", characteristics) ||
                     ReadExpressionStatement(u"VERSION", version))) {
    return true;
  }
  if (Current().type != kTokenIdentifier || CurrentIs(u"BEGIN")) return false;
  headerOptions += Current().text;
  headerOptions += u' ';
  ++position;
  return true;
}

// entry := name quoted-text      (no comma between them)
// compiler-entry := name [ "," ] quoted-text
bool CRcStringTable::ReadEntry() {
  std::u16string_view name;
  std::u16string_view text;
  if (!Expect(ReadName(name), "a string identifier")) return false;
  if (Compiler()) ReadComma();
  const int32_t textPosition = position;
  if (!Expect(ReadQuoted(text), "the quoted text after the string identifier")) return false;
  textPositions.push_back(textPosition);
  names.push_back(name);
  texts.push_back(text);
  return true;
}

std::unique_ptr<CTextNode> CRcStringTable::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  const std::u16string title = u"StringTable" + FromAscii(std::to_string(number));
  auto node = MakeNode(parent, title, kKindStringTable, -1, -1);
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    children.push_back(MakeNode(node.get(), texts[i], kKindStringEntry, -1, -1));
    NotePlace(places, children.back().get(), i < textPositions.size() ? textPositions[i] : -1);
  }
  AddChildNodes(*node, std::move(children));
  return node;
}

}  // namespace tolmeric
