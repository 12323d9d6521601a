#include "translation/PseudoLocalizer.h"

#include <algorithm>

#include "translation/TextNode.h"

namespace tolmeric {

namespace {

// Look-alikes from Latin-1 and the Latin extensions that dialog fonts carry;
// letters without a close one stay as they are.
constexpr char16_t kUpper[26] = {
    u'\u00C5', u'\u0181', u'\u00C7', u'\u00D0', u'\u00C9', u'\u0191', u'\u011C',
    u'\u0124', u'\u00CE', u'\u0134', u'\u0136', u'\u013B', u'M',      u'\u00D1',
    u'\u00D6', u'\u00DE', u'\u01EA', u'\u0154', u'\u0160', u'\u0162', u'\u00DB',
    u'V',      u'\u0174', u'X',      u'\u00DD', u'\u017D'};
constexpr char16_t kLower[26] = {
    u'\u00E5', u'\u0180', u'\u00E7', u'\u00F0', u'\u00E9', u'\u0192', u'\u011D',
    u'\u0125', u'\u00EE', u'\u0135', u'\u0137', u'\u013C', u'm',      u'\u00F1',
    u'\u00F6', u'\u00FE', u'\u01EB', u'\u0155', u'\u0161', u'\u0163', u'\u00FB',
    u'v',      u'\u0175', u'x',      u'\u00FD', u'\u017E'};
constexpr char16_t kPadding = u'~';

char16_t LookAlike(char16_t c) {
  if (c >= u'A' && c <= u'Z') return kUpper[c - u'A'];
  if (c >= u'a' && c <= u'z') return kLower[c - u'a'];
  return c;
}

bool Among(char16_t c, std::u16string_view set) { return set.find(c) != std::u16string_view::npos; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// conversion = "%" ( "%" | flag* width? ( "." precision )? length? type )
// flag = "-" | "+" | " " | "#" | "0";  width, precision = digits | "*"
// length = "hh" | "h" | "ll" | "l" | "L" | "I64" | "I32" | "I" | "w" | "j" | "z" | "t"
// The length of the conversion at text[at] (a "%"). Without a type the
// "%" with its flags and numbers is kept, as in the placeholder "%1".
size_t ConversionLength(std::u16string_view text, size_t at) {
  size_t i = at + 1;
  if (i < text.size() && text[i] == u'%') return 2;
  while (i < text.size() && Among(text[i], u"-+ #0")) ++i;
  const auto number = [&] {
    if (i < text.size() && text[i] == u'*') {
      ++i;
    } else {
      while (i < text.size() && IsDigit(text[i])) ++i;
    }
  };
  number();
  if (i < text.size() && text[i] == u'.') {
    ++i;
    number();
  }
  const size_t beforeLength = i;
  for (std::u16string_view length : {u"hh", u"ll", u"I64", u"I32", u"h", u"l", u"L", u"I", u"w",
                                      u"j", u"z", u"t"}) {
    if (text.substr(i, length.size()) == length) {
      i += length.size();
      break;
    }
  }
  if (i < text.size() && Among(text[i], u"diouxXeEfFgGaAcCsSpnZ")) return i + 1 - at;
  return beforeLength - at;
}

// The body's letters replaced, everything the program reads kept.
std::u16string Accented(std::u16string_view body) {
  std::u16string out;
  out.reserve(body.size());
  size_t i = 0;
  while (i < body.size()) {
    const char16_t c = body[i];
    size_t keep = 0;  // units taken over unchanged
    if (c == u'%') {
      keep = ConversionLength(body, i);
    } else if (c == u'&' || c == u'\\') {
      keep = i + 1 < body.size() ? 2 : 1;  // the hotkey letter, "&&", an escape
    }
    if (keep > 0) {
      out.append(body.substr(i, keep));
      i += keep;
    } else {
      out += LookAlike(c);
      ++i;
    }
  }
  return out;
}

bool IsTrailingBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

std::u16string PseudoLocalize(std::u16string_view text, const CPseudoSettings& settings) {
  if (text.empty()) return {};
  size_t end = text.size();
  while (end > 0 && IsTrailingBlank(text[end - 1])) --end;
  const std::u16string_view content = text.substr(0, end);
  const size_t tab = content.find(u'\t');
  const std::u16string_view label = content.substr(0, tab);
  const std::u16string_view accelerator =
      tab == std::u16string_view::npos ? std::u16string_view() : content.substr(tab);

  std::u16string out;
  if (settings.addBegin) out += settings.beginText;
  out += settings.accents ? Accented(label) : std::u16string(label);
  const auto percent =
      static_cast<size_t>(std::clamp(settings.lengthenPercent, 0, kMaxLengthenPercent));
  out.append((label.size() * percent + 99) / 100, kPadding);
  out += accelerator;
  if (settings.addEnd) out += settings.endText;
  out += text.substr(end);
  return out;
}

void PseudoLocalizeTree(CTextNode& root, const CPseudoSettings& settings) {
  root.TransformTexts([&](const std::u16string& text) { return PseudoLocalize(text, settings); });
}

}  // namespace tolmeric
