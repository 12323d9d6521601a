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

bool HasNoTextOperand(const std::u16string& keyword) {
  return keyword == u"LISTBOX" || keyword == u"COMBOBOX" || keyword == u"EDITTEXT" ||
         keyword == u"SCROLLBAR" || keyword == u"ICON";
}

}  // namespace

CRcControl::CRcControl(const IStringSource& strings, uint32_t textId, std::u16string keyword,
                       int32_t cx, int32_t cy)
    : keyword(std::move(keyword)), text(strings.LoadString(textId)), cx(cx), cy(cy) {}

bool CRcControl::IsControlKeyword(const CRcToken& token) {
  return token.type == kTokenIdentifier && Contains(kControlKeywords, token.text);
}

// control := keyword [ text "," ] [ icon-name "," ] name "," rest
// rest     := CONTROL: class "," style "," x "," y "," cx "," cy
//                      [ "," ex-style [ "," help-id ] ]
//           | others:  x "," y "," cx "," cy
//                      [ "," style [ "," ex-style [ "," help-id ] ] ]
int32_t CRcControl::Parse(const CRcTokenList& list, int32_t start, CProblemLog&) {
  tokens = &list;
  position = start;
  if (Current().type != kTokenIdentifier) return kParseFailed;
  keyword = Current().text;
  ++position;
  if (!HasNoTextOperand(keyword) && !ReadTextOperand()) return kParseFailed;
  if (keyword == u"ICON" && !ReadIconOperand()) return kParseFailed;
  if (!ReadName(name) || !ReadComma()) return kParseFailed;
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
  if (token.type == kTokenNone) return false;
  if (token.type == kTokenQuoted) {
    text = token.text;
    textPosition = position;
  }
  ++position;
  return ReadComma();
}

bool CRcControl::ReadIconOperand() { return ReadAnyToken(iconName) && ReadComma(); }

// rectangle := x "," y "," cx "," cy
bool CRcControl::ReadRectangle() {
  return ReadNumber(x) && ReadComma() && ReadNumber(y) && ReadComma() && ReadNumber(cx) &&
         ReadComma() && ReadNumber(cy);
}

// class-and-style := quoted-class "," style ","
bool CRcControl::ReadControlClassAndStyle() {
  return ReadQuoted(className) && ReadComma() && ReadExpression(style) && ReadComma();
}

// A comma commits to the optional expression after it.
bool CRcControl::ReadOptionalExpression(std::u16string& into, bool& present) {
  present = ReadComma();
  return !present || ReadExpression(into);
}

// help-id := "," identifier   (optional; after its comma it must be there)
bool CRcControl::ReadOptionalHelpId() {
  return !ReadComma() || ReadIdentifier(helpId);
}

int32_t CRcControl::NodeKind(const std::u16string& keyword, const std::u16string& className) {
  if (keyword == u"PUSHBUTTON" || keyword == u"DEFPUSHBUTTON") return kKindPushButton;
  if (keyword == u"CONTROL" && className == u"Button") return kKindPushButton;
  if (keyword == u"LTEXT" || keyword == u"CTEXT" || keyword == u"RTEXT") return kKindStaticText;
  if (keyword == u"GROUPBOX") return kKindGroupBox;
  return kKindControl;
}

std::unique_ptr<CTextNode> CRcControl::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  if (text.empty()) return nullptr;
  if (keyword == u"CONTROL" && Contains(kClassesWithoutText, className)) return nullptr;
  auto node = std::make_unique<CTextNode>(parent, text, text, NodeKind(keyword, className), cx, cy);
  NotePlace(places, node.get(), textPosition);
  return node;
}

}  // namespace tolmeric
