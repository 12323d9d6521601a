#include "rcreader/RcElement.h"

#include "rcreader/ProblemLog.h"
#include "translation/Utf.h"

#include <array>

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

}  // namespace

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
bool CRcElement::ReadName(std::u16string& name) {
  name.clear();
  bool negative = false;
  if (!ReadMinus(negative)) return false;
  if (Current().type == kTokenNone) return false;
  if (negative) name = u"-";
  name += Current().text;
  ++position;
  return true;
}

// signed-number: number | "-" number
// The value wraps modulo 2^32, as a 32-bit resource compiler reads it.
bool CRcElement::ReadNumber(int32_t& value) {
  bool negative = false;
  if (!ReadMinus(negative)) return false;
  if (Current().type != kTokenNumber) return false;
  uint32_t bits = DecimalValue(Current().text);
  if (negative) bits = 0u - bits;
  value = static_cast<int32_t>(bits);
  ++position;
  return true;
}

// expression: "0"                      (a lone 0: no flags)
//           | term ("|" term)*
// term:       ["0"] ["NOT"] identifier  ("0" and x-digits join a hex number)
// The result holds the terms, each followed by a blank, "NOT " before a
// negated one; the "|" are dropped.
bool CRcElement::ReadExpression(std::u16string& expression) {
  expression.clear();
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
std::u16string CRcElement::ReadMemoryOptions() {
  std::u16string options;
  for (;;) {
    bool found = false;
    for (const char16_t* option : kMemoryOptions) {
      if (CurrentIs(option)) {
        found = true;
        break;
      }
    }
    if (!found) return options;
    options += Current().text;
    options += u' ';
    ++position;
  }
}

bool CRcElement::ReadTokenOfType(int32_t type, std::u16string& text) {
  if (Current().type != type) return false;
  text = Current().text;
  ++position;
  return true;
}

// quoted-text: one quoted text, decoded
bool CRcElement::ReadQuoted(std::u16string& text) { return ReadTokenOfType(kTokenQuoted, text); }

// identifier: one identifier token
bool CRcElement::ReadIdentifier(std::u16string& text) {
  return ReadTokenOfType(kTokenIdentifier, text);
}

// any-token: one token of any type, but not the empty one past the list
bool CRcElement::ReadAnyToken(std::u16string& text) {
  if (Current().type == kTokenNone) return false;
  text = Current().text;
  ++position;
  return true;
}

// expression-statement := keyword expression
bool CRcResource::ReadExpressionStatement(const char16_t* keyword, std::u16string& into) {
  if (!CurrentIs(keyword)) return false;
  ++position;
  std::u16string expression;
  if (!ReadExpression(expression)) return false;
  into = std::move(expression);
  return true;
}

// language := "LANGUAGE" name "," name
bool CRcResource::ReadLanguageStatement(std::u16string& language, std::u16string& subLanguage) {
  if (!CurrentIs(u"LANGUAGE")) return false;
  ++position;
  std::u16string primary;
  std::u16string secondary;
  if (!ReadName(primary) || !ReadComma() || !ReadName(secondary)) return false;
  language = std::move(primary);
  subLanguage = std::move(secondary);
  return true;
}

int32_t ParseStatementBlock(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, bool& endReached,
                            const std::function<int32_t(int32_t)>& readStatement) {
  endReached = false;
  while (!list.TokenAt(position).Is(u"END")) {
    if (position >= list.count()) {
      endReached = true;
      return kParseFailed;
    }
    const int32_t next = readStatement(position);
    if (endReached) return kParseFailed;
    if (next == kParseFailed) {
      log.ReportProblem(messageId, list, position);
      ++position;
    } else {
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
