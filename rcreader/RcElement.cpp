#include "rcreader/RcElement.h"

#include "rcreader/ProblemLog.h"
#include "translation/Utf.h"

#include <array>
#include <string_view>

namespace tolmeric {

namespace {

// The decimal value of a number token, taken modulo 2^32.
uint32_t DecimalValue(std::u16string_view digits) {
  uint32_t value = 0;
  for (char16_t d : digits) value = value * 10u + static_cast<uint32_t>(d - u'0');
  return value;
}

const std::array<const char16_t*, 7> kMemoryOptions = {
    u"PRELOAD", u"LOADONCALL", u"FIXED", u"MOVEABLE", u"DISCARDABLE", u"PURE", u"IMPURE"};

constexpr std::array<std::u16string_view, 22> kCompilerControlKeywords = {
    u"LTEXT",       u"RTEXT",        u"CTEXT",         u"PUSHBUTTON",  u"DEFPUSHBUTTON",
    u"PUSHBOX",     u"CHECKBOX",     u"AUTOCHECKBOX",  u"STATE3",      u"AUTO3STATE",
    u"RADIOBUTTON", u"AUTORADIOBUTTON", u"GROUPBOX",   u"EDITTEXT",    u"BEDIT",
    u"HEDIT",       u"IEDIT",        u"COMBOBOX",      u"LISTBOX",     u"SCROLLBAR",
    u"ICON",        u"CONTROL"};

// Parentheses and signs nest no deeper than this, so that a script cannot
// exhaust the stack.
constexpr int32_t kMaxExpressionDepth = 100;

// The value of a number token of the compiler's grammar: decimal, or
// hexadecimal after 0x; suffixes L and U are left out. Taken modulo 2^32.
uint32_t NumberValue(std::u16string_view text) {
  uint32_t value = 0;
  if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    for (size_t i = 2; i < text.size(); ++i) {
      const char16_t c = text[i];
      uint32_t digit = 0;
      if (c >= u'0' && c <= u'9') digit = c - u'0';
      else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
      else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
      else break;
      value = value * 16u + digit;
    }
    return value;
  }
  for (char16_t d : text) {
    if (d < u'0' || d > u'9') break;
    value = value * 10u + static_cast<uint32_t>(d - u'0');
  }
  return value;
}

bool IsBinaryOperator(std::u16string_view text) {
  return text == u"|" || text == u"+" || text == u"-" || text == u"&";
}

bool IsUnaryOperator(std::u16string_view text) {
  return text == u"-" || text == u"~" || text == u"NOT";
}

}  // namespace

bool IsBlockBegin(const CRcToken& token, RcGrammar grammar) {
  return token.Is(u"BEGIN") || (grammar == RcGrammar::kCompiler && token.Is(u"{"));
}

bool IsBlockEnd(const CRcToken& token, RcGrammar grammar) {
  return token.Is(u"END") || (grammar == RcGrammar::kCompiler && token.Is(u"}"));
}

bool IsCompilerControlKeyword(std::u16string_view text) {
  for (std::u16string_view keyword : kCompilerControlKeywords) {
    if (keyword == text) return true;
  }
  return false;
}

bool IsStatementKeyword(std::u16string_view text) {
  return IsCompilerControlKeyword(text) || text == u"MENUITEM" || text == u"POPUP" ||
         text == u"BEGIN" || text == u"END";
}

bool CRcElement::AtStatementEnd() const {
  const CRcToken& token = Current();
  return token.type == kTokenNone || CurrentIsBegin() || CurrentIsEnd() ||
         (token.type == kTokenIdentifier && IsStatementKeyword(token.text));
}

bool CRcElement::Expect(bool ok, const char* expected) {
  if (!ok && failure_.at < 0) failure_ = {position, expected};
  return ok;
}

// comma: ","
bool CRcElement::ReadComma() {
  if (!CurrentIs(u",")) return false;
  ++position;
  return true;
}

// minus: ["-" before a number]
// A "-" counts only when a number follows; otherwise the position goes back
// onto it and the step fails.
bool CRcElement::ReadMinus(bool& negative) {
  negative = false;
  if (!CurrentIs(u"-")) return true;
  ++position;
  if (Current().type != kTokenNumber) {
    --position;
    return false;
  }
  negative = true;
  return true;
}

// name: any-token | "-" number
// Reading past the last token fails: the empty token there is no name.
bool CRcElement::ReadName(std::u16string_view& name) {
  name = {};
  bool negative = false;
  if (!ReadMinus(negative)) return false;
  if (Current().type == kTokenNone) return false;
  if (negative) {
    std::u16string text(u"-");
    text += Current().text;
    name = Keep(std::move(text));
  } else {
    name = Current().text;
  }
  ++position;
  return true;
}

// signed-number: number | "-" number
// The value wraps modulo 2^32, as a 32-bit resource compiler reads it.
// The compiler's grammar reads a value expression instead.
bool CRcElement::ReadNumber(int32_t& value) {
  if (Compiler()) {
    uint32_t bits = 0;
    if (!ReadValue(bits, 0)) return false;
    value = static_cast<int32_t>(bits);
    return true;
  }
  bool negative = false;
  if (!ReadMinus(negative)) return false;
  if (Current().type != kTokenNumber) return false;
  uint32_t bits = DecimalValue(Current().text);
  if (negative) bits = 0u - bits;
  value = static_cast<int32_t>(bits);
  ++position;
  return true;
}

// value: value-term { ( "+" | "-" | "|" | "&" ) value-term }
// Operators are taken from left to right, as they stand.
bool CRcElement::ReadValue(uint32_t& value, int32_t depth) {
  if (!ReadValueTerm(value, depth)) return false;
  for (;;) {
    const CRcToken token = Current();
    if (token.type != kTokenCharacter || !IsBinaryOperator(token.text)) return true;
    const char16_t op = token.text[0];
    ++position;
    uint32_t right = 0;
    if (!ReadValueTerm(right, depth)) return false;
    if (op == u'+') value += right;
    else if (op == u'-') value -= right;
    else if (op == u'|') value |= right;
    else value &= right;
  }
}

// value-term: ( "-" | "~" | "NOT" ) value-term | number | "(" value ")"
bool CRcElement::ReadValueTerm(uint32_t& value, int32_t depth) {
  if (depth >= kMaxExpressionDepth) return false;
  const CRcToken token = Current();
  if (token.type == kTokenNumber) {
    value = NumberValue(token.text);
    ++position;
    return true;
  }
  if (token.type != kTokenQuoted && IsUnaryOperator(token.text)) {
    const bool negate = token.text == u"-";
    ++position;
    if (!ReadValueTerm(value, depth + 1)) return false;
    value = negate ? 0u - value : ~value;
    return true;
  }
  if (!token.Is(u"(")) return false;
  ++position;
  if (!ReadValue(value, depth + 1)) return false;
  if (!CurrentIs(u")")) return false;
  ++position;
  return true;
}

void CRcElement::TakeToken(std::u16string& into) {
  into += Current().text;
  into += u' ';
  ++position;
}

// style: style-term { ( "|" | "+" | "-" | "&" ) style-term }
// The text holds every token, each followed by a blank.
bool CRcElement::ReadStyle(std::u16string& expression, int32_t depth) {
  if (!ReadStyleTerm(expression, depth)) return false;
  while (IsBinaryOperator(Current().text) && Current().type == kTokenCharacter) {
    TakeToken(expression);
    if (!ReadStyleTerm(expression, depth)) return false;
  }
  return true;
}

// style-term: ( "NOT" | "~" | "-" ) style-term | number | name | "(" style ")"
// A statement keyword is no name here: a comma left at the end of a line
// does not take the next statement's keyword as a style.
bool CRcElement::ReadStyleTerm(std::u16string& expression, int32_t depth) {
  if (depth >= kMaxExpressionDepth) return false;
  const CRcToken& token = Current();
  if (IsUnaryOperator(token.text) && token.type != kTokenQuoted) {
    TakeToken(expression);
    return ReadStyleTerm(expression, depth + 1);
  }
  if (token.type == kTokenNumber ||
      (token.type == kTokenIdentifier && !IsStatementKeyword(token.text))) {
    TakeToken(expression);
    return true;
  }
  if (!CurrentIs(u"(")) return false;
  TakeToken(expression);
  if (!ReadStyle(expression, depth + 1) || !CurrentIs(u")")) return false;
  TakeToken(expression);
  return true;
}

// expression: style (the compiler's grammar) | classic-expression
// The text made is kept by the element.
bool CRcElement::ReadExpression(std::u16string_view& expression) {
  std::u16string text;
  if (!(Compiler() ? ReadStyle(text, 0) : ReadClassicExpression(text))) return false;
  expression = Keep(std::move(text));
  return true;
}

// classic-expression: "0"               (a lone 0: no flags)
//                   | term ("|" term)*
// term:       ["0"] ["NOT"] identifier  ("0" and x-digits join a hex number)
// The result holds the terms, each followed by a blank, "NOT " before a
// negated one; the "|" are dropped.
bool CRcElement::ReadClassicExpression(std::u16string& expression) {
  if (CurrentIs(u"0")) {
    const std::u16string_view next = tokens->TokenAt(position + 1).text;
    if (next.empty() || next[0] != u'x') {
      ++position;
      return true;
    }
  }
  for (;;) {
    if (Current().type != kTokenIdentifier) {
      if (!CurrentIs(u"0")) return false;
      expression += u"0";
      ++position;
    }
    if (CurrentIs(u"NOT")) {
      expression += u"NOT ";
      ++position;
      if (Current().type != kTokenIdentifier) return false;
    }
    // The term after a joined "0" may be any token, but not the empty one
    // past the end of the list.
    if (Current().type == kTokenNone) return false;
    expression += Current().text;
    expression += u' ';
    ++position;
    if (!CurrentIs(u"|")) return true;
    ++position;
  }
}

// memory-options: ("PRELOAD" | "LOADONCALL" | "FIXED" | "MOVEABLE"
//                  | "DISCARDABLE" | "PURE" | "IMPURE")*
std::u16string_view CRcElement::ReadMemoryOptions() {
  std::u16string options;
  for (;;) {
    bool found = false;
    for (const char16_t* option : kMemoryOptions) {
      if (CurrentIs(option)) {
        found = true;
        break;
      }
    }
    if (!found) return Keep(std::move(options));
    options += Current().text;
    options += u' ';
    ++position;
  }
}

std::u16string_view CRcElement::Keep(std::u16string text) {
  if (text.empty()) return {};
  ownTexts_.push_front(std::move(text));
  return ownTexts_.front();
}

std::unique_ptr<CTextNode> CRcElement::MakeNode(CTextNode* parent, std::u16string_view text,
                                                int32_t kind, int32_t number1, int32_t number2) {
  return std::make_unique<CTextNode>(parent, text, kind, number1, number2);
}

bool CRcElement::ReadTokenOfType(int32_t type, std::u16string_view& text) {
  if (Current().type != type) return false;
  text = Current().text;
  ++position;
  return true;
}

// quoted-text: one quoted text, decoded
bool CRcElement::ReadQuoted(std::u16string_view& text) { return ReadTokenOfType(kTokenQuoted, text); }

// identifier: one identifier token
bool CRcElement::ReadIdentifier(std::u16string_view& text) {
  return ReadTokenOfType(kTokenIdentifier, text);
}

// any-token: one token of any type, but not the empty one past the list
bool CRcElement::ReadAnyToken(std::u16string_view& text) {
  if (Current().type == kTokenNone) return false;
  text = Current().text;
  ++position;
  return true;
}

// expression-statement := keyword expression
bool CRcResource::ReadExpressionStatement(const char16_t* keyword, std::u16string_view& into) {
  if (!CurrentIs(keyword)) return false;
  ++position;
  return ReadExpression(into);
}

// language := "LANGUAGE" name "," name
bool CRcResource::ReadLanguageStatement(std::u16string_view& language,
                                        std::u16string_view& subLanguage) {
  if (!CurrentIs(u"LANGUAGE")) return false;
  ++position;
  std::u16string_view primary;
  std::u16string_view secondary;
  if (!ReadName(primary) || !ReadComma() || !ReadName(secondary)) return false;
  language = primary;
  subLanguage = secondary;
  return true;
}

int32_t ParseStatementBlock(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, bool& endReached,
                            const std::function<int32_t(int32_t, CRcExpectation&)>& readStatement) {
  endReached = false;
  bool afterFailure = false;
  while (!IsBlockEnd(list.TokenAt(position), list.grammar())) {
    if (!list.Has(position)) {
      endReached = true;
      return kParseFailed;
    }
    CRcExpectation expectation;
    const int32_t next = readStatement(position, expectation);
    if (endReached) return kParseFailed;
    if (next == kParseFailed) {
      log.ReportProblem(messageId, list, position);
      // A token that starts no statement is noted where it stands.
      const bool startsStatement = expectation.at != position;
      if (!afterFailure || startsStatement) log.Diagnose(messageId, list, position, expectation);
      afterFailure = true;
      ++position;
    } else {
      afterFailure = false;
      position = next;
    }
  }
  return position + 1;
}

void CRcElement::NotePlace(SourcePlaces* places, const CTextNode* node, int32_t index) const {
  if (places == nullptr || tokens == nullptr || index < 0) return;
  const CRcToken& token = tokens->TokenAt(index);
  if (!token.file) return;
  (*places)[node] = ToUtf8(*token.file) + ":" + std::to_string(token.line + 1);
}

}  // namespace tolmeric
