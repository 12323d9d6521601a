#include "rcreader/RcDialog.h"

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "translation/StringSource.h"

namespace tolmeric {

int32_t CRcDialog::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  endReached_ = false;
  if (!ParseHeader()) return kParseFailed;
  return ParseBody(log);
}

// header := name ( "DIALOG" | "DIALOGEX" ) memory-options
//           x "," y "," cx "," cy [ "," help-id ] { statement } "BEGIN"
bool CRcDialog::ParseHeader() {
  if (!Expect(ReadName(name), "the dialog's name")) return false;
  if (CurrentIs(u"DIALOGEX"))
    isEx = true;
  else if (CurrentIs(u"DIALOG"))
    isEx = false;
  else
    return false;
  ++position;
  memoryOptions = ReadMemoryOptions();
  if (!Expect(ReadNumber(x), "the dialog's x position") ||
      !Expect(ReadComma(), "a comma after the x position") ||
      !Expect(ReadNumber(y), "the dialog's y position") ||
      !Expect(ReadComma(), "a comma after the y position") ||
      !Expect(ReadNumber(cx), "the dialog's width") ||
      !Expect(ReadComma(), "a comma after the width") ||
      !Expect(ReadNumber(cy), "the dialog's height"))
    return false;
  if (ReadComma() && !Expect(ReadName(helpId), "a help identifier after the comma")) return false;
  while (ReadOptionalStatement()) {
  }
  return Expect(CurrentIsBegin(), "BEGIN after the dialog's header");
}

// One pass over the optional statements: the first that applies ends the
// pass. A statement whose operands fail leaves the position where they
// failed, and the later statements are tried from there.
bool CRcDialog::ReadOptionalStatement() {
  return ReadExpressionStatement(u"STYLE", style) ||
         ReadExpressionStatement(u"EXSTYLE", exStyle) || ReadCaption() || ReadMenu() ||
         ReadFont() || ReadExpressionStatement(u"CHARACTERISTICS", characteristics) ||
         ReadExpressionStatement(u"VERSION", version) ||
         ReadLanguageStatement(language, subLanguage) || ReadClass();
}

// caption := "CAPTION" quoted-text
bool CRcDialog::ReadCaption() {
  if (!CurrentIs(u"CAPTION")) return false;
  ++position;
  captionPosition = position;
  return Expect(ReadQuoted(caption), "a quoted text after CAPTION");
}

// menu := "MENU" token
bool CRcDialog::ReadMenu() {
  if (!CurrentIs(u"MENU")) return false;
  ++position;
  return ReadAnyToken(menu);
}

// font := "FONT" size "," quoted-face [ "," weight "," italic "," "0" identifier ]
// compiler-font := "FONT" size "," quoted-face [ "," weight [ "," italic [ "," charset ] ] ]
bool CRcDialog::ReadFont() {
  if (!CurrentIs(u"FONT")) return false;
  ++position;
  int32_t size = 0;
  std::u16string_view face;
  if (!Expect(ReadNumber(size), "the font size") ||
      !Expect(ReadComma(), "a comma after the font size") ||
      !Expect(ReadQuoted(face), "the font's face name"))
    return false;
  int32_t weight = 0;
  int32_t italic = 0;
  std::u16string_view charset;
  if (Compiler()) {
    if (ReadComma() && !Expect(ReadFontValue(weight), "the font weight")) return false;
    if (ReadComma() && !Expect(ReadFontValue(italic), "the italic flag")) return false;
    if (ReadComma() && !Expect(ReadExpression(charset), "the character set")) return false;
  } else if (ReadComma()) {
    if (!ReadNumber(weight) || !ReadComma() || !ReadNumber(italic) || !ReadComma()) return false;
    if (!CurrentIs(u"0")) return false;
    ++position;
    std::u16string_view digits;
    if (!ReadIdentifier(digits)) return false;
    charset = Keep(u"0" + std::u16string(digits));
  }
  fontSize = size;
  fontFace = face;
  fontWeight = weight;
  fontItalic = italic;
  fontCharset = charset;
  return true;
}

// font-value := value | style
// A weight or italic flag written as a name (FW_BOLD, TRUE) is read over
// and counts as 0: the value of a name is not known to the reader.
bool CRcDialog::ReadFontValue(int32_t& value) {
  const int32_t start = position;
  if (ReadNumber(value)) return true;
  position = start;
  value = 0;
  std::u16string_view name;
  return ReadExpression(name);
}

// class := "CLASS" ( quoted-text | name )
bool CRcDialog::ReadClass() {
  if (!CurrentIs(u"CLASS")) return false;
  ++position;
  if (ReadQuoted(className)) return true;
  std::u16string_view name;
  if (!ReadName(name)) return false;
  className = name;
  return true;
}

// body := "BEGIN" { control } "END"
// A control that fails is reported and the search for the next one goes
// on one token further. Running out of tokens fails the whole dialog.
int32_t CRcDialog::ParseBody(CProblemLog& log) {
  return ParseStatementBlock(*tokens, position + 1, log, kMsgControlFailed, endReached_,
                             [&](int32_t at, CRcExpectation& expectation) {
                               if (!CRcControl::IsControlKeyword(tokens->TokenAt(at),
                                                                 tokens->grammar())) {
                                 expectation = {at, "a control statement"};
                                 return kParseFailed;
                               }
                               auto control = std::make_unique<CRcControl>();
                               const int32_t next = control->Parse(*tokens, at, log);
                               if (next != kParseFailed)
                                 controls.push_back(std::move(control));
                               else
                                 expectation = control->failure();
                               return next;
                             });
}

std::unique_ptr<CTextNode> CRcDialog::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  auto node = MakeNode(parent, caption, Kind(), cx, cy);
  NotePlace(places, node.get(), captionPosition);
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(controls.size());
  for (const auto& control : controls) {
    if (auto child = control->BuildNode(node.get(), places)) children.push_back(std::move(child));
  }
  AddChildNodes(*node, std::move(children));
  return node;
}

void CRcDialog::MakeStandardSwitch(const IStringSource& strings) {
  struct ControlValues {
    const char16_t* keyword;
    uint32_t textId;
    int32_t cx;
    int32_t cy;
  };
  static constexpr ControlValues kControls[] = {
      {u"GROUPBOX", 1001, 150, 10},  {u"GROUPBOX", 1002, 150, 10},
      {u"GROUPBOX", 1003, 150, 10},  {u"PUSHBUTTON", 1004, 45, 10},
      {u"PUSHBUTTON", 1005, 45, 10}, {u"PUSHBUTTON", 1006, 45, 10},
      {u"LTEXT", 1007, 100, 10},     {u"LTEXT", 1008, 300, 30},
      {u"LTEXT", 1009, 300, 30},     {u"LTEXT", 1010, 150, 10},
      {u"LTEXT", 1011, 300, 30}};
  isStandardSwitch = true;
  isEx = false;
  name = u"IDD_DLG_AUTOMATIC_STANDARD_SWITCH";
  caption = Keep(strings.LoadString(1000));
  x = y = cx = cy = 0;
  fontSize = fontWeight = fontItalic = 0;
  for (const ControlValues& values : kControls) {
    controls.push_back(
        std::make_unique<CRcControl>(strings, values.textId, values.keyword, values.cx, values.cy));
  }
}

}  // namespace tolmeric
