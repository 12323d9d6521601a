#include "translation/PrintfFormat.h"

#include <algorithm>

namespace tolmeric {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

size_t SkipDigits(std::u16string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// width := digits | "*"
size_t SkipWidth(std::u16string_view text, size_t i) {
  if (i < text.size() && text[i] == u'*') return i + 1;
  return SkipDigits(text, i);
}

// length := "hh" | "h" | "ll" | "l" | "L" | "q" | "j" | "z" | "t" | "I64" | "I32" | "I"
size_t ReadLength(std::u16string_view text, size_t i, std::string& into) {
  static const char16_t* const kLengths[] = {u"hh", u"h", u"ll", u"l", u"L", u"q",
                                             u"j",  u"z", u"t",  u"I64", u"I32", u"I"};
  for (const char16_t* length : kLengths) {
    std::u16string_view candidate(length);
    if (text.substr(i, candidate.size()) == candidate) {
      for (char16_t c : candidate) into += static_cast<char>(c);
      return i + candidate.size();
    }
  }
  return i;
}

// One "%" and what follows it: the conversion's length and letter, or
// empty for "%%" and for a "%" that starts no conversion (wellFormed false).
struct CPercent {
  CPrintfSpan span;
  std::string conversion;
  bool wellFormed = true;
};

std::vector<CPercent> ReadPercents(std::u16string_view text) {
  static const std::u16string_view kLetters = u"diouxXeEfFgGaAcsSpnCZ";
  static const std::u16string_view kFlags = u"-+ #0'";
  std::vector<CPercent> result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    CPercent percent;
    percent.span.begin = i;
    if (i + 1 < text.size() && text[i + 1] == u'%') {
      percent.span.end = i + 2;
      result.push_back(percent);
      ++i;
      continue;
    }
    size_t j = i + 1;
    // An argument position "1$" is kept apart from a width by its dollar.
    if (size_t digits = SkipDigits(text, j); digits > j && digits < text.size() &&
                                             text[digits] == u'$') {
      j = digits + 1;
    }
    while (j < text.size() && kFlags.find(text[j]) != std::u16string_view::npos) ++j;
    j = SkipWidth(text, j);
    if (j < text.size() && text[j] == u'.') j = SkipWidth(text, j + 1);
    j = ReadLength(text, j, percent.conversion);
    if (j >= text.size() || kLetters.find(text[j]) == std::u16string_view::npos) {
      percent.wellFormed = false;
      percent.conversion.clear();
      percent.span.end = std::min(i + 2, text.size());
      result.push_back(percent);
      continue;
    }
    percent.conversion += static_cast<char>(text[j]);
    percent.span.end = j + 1;
    result.push_back(percent);
    i = j;
  }
  return result;
}

}  // namespace

CPrintfConversions ReadPrintfConversions(std::u16string_view text) {
  CPrintfConversions result;
  for (CPercent& percent : ReadPercents(text)) {
    if (!percent.wellFormed) result.wellFormed = false;
    if (!percent.conversion.empty()) result.conversions.push_back(std::move(percent.conversion));
  }
  return result;
}

std::vector<CPrintfSpan> ReadPrintfSpans(std::u16string_view text) {
  std::vector<CPrintfSpan> spans;
  for (const CPercent& percent : ReadPercents(text)) spans.push_back(percent.span);
  return spans;
}

}  // namespace tolmeric
