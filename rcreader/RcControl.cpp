#include "rcreader/RcControl.h"

#include <array>
#include <string_view>

#include "translation/StringSource.h"

namespace tolmeric {

namespace {

constexpr std::array<std::u16string_view, 14> kControlKeywords = {
    u"PUSHBUTTON", u"DEFPUSHBUTTON", u"LTEXT",   u"CTEXT",    u"RTEXT",
    u"CONTROL",    u"GROUPBOX",      u"CHECKBOX", u"LISTBOX", u"COMBOBOX",
    u"EDITTEXT",   u"ICON",          u"SCROLLBAR", u"RADIOBUTTON"};

// Window classes whose controls show no text a user would translate.
constexpr std::array<std::u16string_view, 9> kClassesWithoutText = {
    u"msctls_updown32", u"msctls_progress32", u"msctls_trackbar32",
    u"SysListView32",   u"SysTreeView32",     u"SysTabControl32",
    u"SysAnimate32",    u"msctls_hotkey32",   u"RICHEDIT"};

template <size_t N>
bool Contains(const std::array<std::u16string_view, N>& set, std::u16string_view text) {
  for (std::u16string_view entry : set) {
    if (entry == text) return true;
  }
  return false;
}

bool HasNoTextOperand(std::u16string_view keyword) {
  return keyword == u"LISTBOX" || keyword == u"COMBOBOX" || keyword == u"EDITTEXT" ||
         keyword == u"SCROLLBAR" || keyword == u"ICON" || keyword == u"BEDIT" ||
         keyword == u"HEDIT" || keyword == u"IEDIT";
}

// Buttons that show their text as a push button does.
bool IsPushButton(std::u16string_view keyword) {
  return keyword == u"PUSHBUTTON" || keyword == u"DEFPUSHBUTTON" || keyword == u"PUSHBOX";
}

}  // namespace

CRcControl::CRcControl(const IStringSource& strings, uint32_t textId, std::u16string_view keyword,
                       int32_t cx, int32_t cy)
    : keyword(keyword), cx(cx), cy(cy) {
  text = Keep(strings.LoadString(textId));
}

bool CRcControl::IsControlKeyword(const CRcToken& token, RcGrammar grammar) {
  if (token.type != kTokenIdentifier) return false;
  return grammar == RcGrammar::kCompiler ? IsCompilerControlKeyword(token.text)
                                         : Contains(kControlKeywords, token.text);
}

// control := keyword [ text "," ] [ icon-name "," ] name "," rest
// rest     := CONTROL: class "," style "," x "," y "," cx "," cy
//                      [ "," ex-style [ "," help-id ] ]
//           | others:  x "," y "," cx "," cy
//                      [ "," style [ "," ex-style [ "," help-id ] ] ]
// In the compiler's grammar a comma may follow the keyword, the class may
// be a name, an ICON may leave out its size, and the help identifier may be
// a number or an expression.
int32_t CRcControl::Parse(const CRcTokenList& list, int32_t start, CProblemLog&) {
  tokens = &list;
  position = start;
  if (!Expect(Current().type == kTokenIdentifier, "a control statement")) return kParseFailed;
  keyword = Current().text;
  ++position;
  if (Compiler()) ReadComma();
  if (!HasNoTextOperand(keyword) && !ReadTextOperand()) return kParseFailed;
  if (keyword == u"ICON" && !ReadIconOperand()) return kParseFailed;
  if (!Expect(ReadName(name), "the control identifier") ||
      !Expect(ReadComma(), "a comma after the control identifier"))
    return kParseFailed;
  bool present = false;
  if (keyword == u"CONTROL") {
    if (!ReadControlClassAndStyle() || !ReadRectangle()) return kParseFailed;
    if (!ReadOptionalExpression(exStyle, present)) return kParseFailed;
    if (present && !ReadOptionalHelpId()) return kParseFailed;
    return position;
  }
  if (!ReadRectangle()) return kParseFailed;
  if (!ReadOptionalExpression(style, present)) return kParseFailed;
  if (!present) return position;
  if (!ReadOptionalExpression(exStyle, present)) return kParseFailed;
  if (present && !ReadOptionalHelpId()) return kParseFailed;
  return position;
}

// Any one token stands in the text's place; only a quoted text is kept, a
// bitmap name or number gives an empty text.
bool CRcControl::ReadTextOperand() {
  const CRcToken& token = Current();
  if (!Expect(token.type != kTokenNone, "the control text")) return false;
  if (token.type == kTokenQuoted) {
    text = token.text;
    textPosition = position;
  }
  ++position;
  return Expect(ReadComma(), "a comma after the control text");
}

bool CRcControl::ReadIconOperand() {
  return Expect(ReadAnyToken(iconName), "the icon") &&
         Expect(ReadComma(), "a comma after the icon");
}

// rectangle := x "," y "," cx "," cy
// An ICON of the compiler's grammar may end after y.
bool CRcControl::ReadRectangle() {
  if (!Expect(ReadNumber(x), "the x position") ||
      !Expect(ReadComma(), "a comma after the x position") ||
      !Expect(ReadNumber(y), "the y position"))
    return false;
  if (Compiler() && keyword == u"ICON" && !CurrentIs(u",")) return true;
  return Expect(ReadComma(), "a comma after the y position") &&
         Expect(ReadNumber(cx), "the width") &&
         Expect(ReadComma(), "a comma after the width") && Expect(ReadNumber(cy), "the height");
}

// class-and-style := class "," style ","
// class := quoted-text | name (the name in the compiler's grammar only)
bool CRcControl::ReadControlClassAndStyle() {
  const bool classRead = ReadQuoted(className) || (Compiler() && ReadIdentifier(className));
  return Expect(classRead, "the window class") &&
         Expect(ReadComma(), "a comma after the window class") &&
         Expect(ReadExpression(style), "the style") &&
         Expect(ReadComma(), "a comma after the style");
}

// A comma commits to the optional expression after it. In the compiler's
// grammar, as with the resource compiler, a comma at the end of the
// statement leaves it out.
bool CRcControl::ReadOptionalExpression(std::u16string_view& into, bool& present) {
  present = ReadComma() && !(Compiler() && AtStatementEnd());
  return !present || Expect(ReadExpression(into), "a style after the comma");
}

// help-id := "," identifier   (optional; after its comma it must be there)
// The compiler's grammar takes a number or an expression as well.
bool CRcControl::ReadOptionalHelpId() {
  if (!ReadComma() || (Compiler() && AtStatementEnd())) return true;
  const bool read = Compiler() ? ReadExpression(helpId) : ReadIdentifier(helpId);
  return Expect(read, "a help identifier after the comma");
}

int32_t CRcControl::NodeKind(std::u16string_view keyword, std::u16string_view className) {
  if (IsPushButton(keyword)) return kKindPushButton;
  if (keyword == u"CONTROL" && className == u"Button") return kKindPushButton;
  if (keyword == u"LTEXT" || keyword == u"CTEXT" || keyword == u"RTEXT") return kKindStaticText;
  if (keyword == u"GROUPBOX") return kKindGroupBox;
  return kKindControl;
}

std::unique_ptr<CTextNode> CRcControl::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  if (text.empty()) return nullptr;
  if (keyword == u"CONTROL" && Contains(kClassesWithoutText, className)) return nullptr;
  auto node = MakeNode(parent, text, NodeKind(keyword, className), cx, cy);
  NotePlace(places, node.get(), textPosition);
  return node;
}

}  // namespace tolmeric
