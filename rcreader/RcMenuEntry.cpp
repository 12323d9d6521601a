#include "rcreader/RcMenuEntry.h"

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "rcreader/RcMenuItem.h"
#include "rcreader/RcPopup.h"

namespace tolmeric {

namespace {

bool IsMenuOption(const CRcToken& token) {
  return token.type == kTokenIdentifier &&
         (token.Is(u"CHECKED") || token.Is(u"GRAYED") || token.Is(u"HELP") ||
          token.Is(u"INACTIVE") || token.Is(u"MENUBARBREAK") || token.Is(u"MENUBREAK"));
}

}  // namespace

// compiler-operands := MENU item:  quoted-text [ [ "," ] name ] menu-options
//                    | MENU popup: quoted-text menu-options
//                    | MENUEX:     quoted-text [ "," ex-fields ]
bool CRcMenuEntry::ReadItemOperands(bool popup) {
  textPosition = position;
  if (!Expect(ReadQuoted(text), "the menu text")) return false;
  if (Compiler()) {
    if (isEx) return !ReadComma() || ReadExFields(popup);
    // As with the resource compiler, the comma before the identifier may be
    // left out, and a comma may end the statement.
    const bool comma = ReadComma();
    const bool named = !popup && !AtStatementEnd() && (comma || !IsMenuOption(Current()));
    if (named && !Expect(ReadName(name), "the command identifier")) return false;
    return ReadMenuOptions();
  }
  if (!ReadComma()) return true;
  if (!Expect(ReadName(name), "the command identifier")) return false;
  if (!ReadComma()) return true;
  if (!Expect(ReadExpression(typeFlags), "the menu item's type")) return false;
  if (!ReadComma()) return true;
  return Expect(ReadExpression(stateFlags), "the menu item's state");
}

// menu-options := { [ "," ] option } [ "," ]
// option := "CHECKED" | "GRAYED" | "HELP" | "INACTIVE" | "MENUBARBREAK" | "MENUBREAK"
// The options go to typeFlags, each followed by a blank.
bool CRcMenuEntry::ReadMenuOptions() {
  std::u16string options;
  for (;;) {
    if (ReadComma()) {
      if (AtStatementEnd()) break;
      if (!Expect(IsMenuOption(Current()), "a menu option after the comma")) return false;
    } else if (!IsMenuOption(Current())) {
      break;
    }
    options += Current().text;
    options += u' ';
    ++position;
  }
  typeFlags = Keep(std::move(options));
  return true;
}

// ex-fields := [ name ] [ "," [ type ] [ "," [ state ] [ "," [ help-id ] ] ] ]
// (the help identifier of a popup only). An empty field stays empty.
bool CRcMenuEntry::ReadExFields(bool popup) {
  if (!FieldIsEmpty() && !Expect(ReadName(name), "the command identifier")) return false;
  if (!ReadComma()) return true;
  if (!ReadExField(typeFlags, "the menu item's type")) return false;
  if (!ReadComma()) return true;
  if (!ReadExField(stateFlags, "the menu item's state")) return false;
  if (!popup || !ReadComma()) return true;
  std::u16string_view helpId;
  return ReadExField(helpId, "the popup's help identifier");
}

bool CRcMenuEntry::ReadExField(std::u16string_view& into, const char* expected) {
  return FieldIsEmpty() || Expect(ReadExpression(into), expected);
}

// A field is empty where a comma, a block or the next entry follows.
bool CRcMenuEntry::FieldIsEmpty() const {
  return CurrentIs(u",") || AtStatementEnd();
}

// block := { entry } "END"     (the BEGIN is already read)
int32_t CRcMenuBlock::Parse(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, int32_t depth) {
  return ParseStatementBlock(list, position, log, messageId, endReached,
                             [&](int32_t at, CRcExpectation& expectation) {
                               return ParseEntry(list, at, log, depth, expectation);
                             });
}

// entry := menu-item | popup
int32_t CRcMenuBlock::ParseEntry(const CRcTokenList& list, int32_t position, CProblemLog& log,
                                 int32_t depth, CRcExpectation& expectation) {
  const CRcToken& token = list.TokenAt(position);
  std::unique_ptr<CRcMenuEntry> entry;
  int32_t next = kParseFailed;
  expectation = {position, "MENUITEM or POPUP"};
  if (token.Is(u"MENUITEM")) {
    entry = std::make_unique<CRcMenuItem>();
    entry->isEx = isEx;
    next = entry->Parse(list, position, log);
  } else if (token.Is(u"POPUP")) {
    if (depth >= kMaxMenuDepth) {
      expectation = {position, "a popup nested less deeply"};
      return kParseFailed;
    }
    auto popup = std::make_unique<CRcPopup>(depth + 1);
    popup->isEx = isEx;
    popup->block.isEx = isEx;
    next = popup->Parse(list, position, log);
    // A popup left open to the end of the list takes every enclosing block
    // with it at once.
    if (popup->EndReached()) endReached = true;
    entry = std::move(popup);
  }
  if (entry) expectation = entry->failure();
  if (next != kParseFailed) entries.push_back(std::move(entry));
  return next;
}

void CRcMenuBlock::BuildNodes(CTextNode& node, SourcePlaces* places) const {
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(entries.size());
  for (const auto& entry : entries) {
    if (auto child = entry->BuildNode(&node, places)) children.push_back(std::move(child));
  }
  AddChildNodes(node, std::move(children));
}

}  // namespace tolmeric
