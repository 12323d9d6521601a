#include "rcreader/RcLanguage.h"

#include <cstdio>

#include "rcreader/RcPreprocessor.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

struct Constant {
  const char16_t* name;
  int value;
  // For a sub-language, the primary language it belongs to; -1 for a
  // primary language, -2 for the generic sub-languages.
  int primary;
};

constexpr int kPrimary = -1;
constexpr int kGeneric = -2;

// The first entry of a value is the name that LanguageName gives it.
const Constant kConstants[] = {
    {u"LANG_NEUTRAL", 0x00, kPrimary},      {u"LANG_INVARIANT", 0x7f, kPrimary},
    {u"LANG_ARABIC", 0x01, kPrimary},       {u"LANG_BULGARIAN", 0x02, kPrimary},
    {u"LANG_CATALAN", 0x03, kPrimary},      {u"LANG_CHINESE", 0x04, kPrimary},
    {u"LANG_CZECH", 0x05, kPrimary},        {u"LANG_DANISH", 0x06, kPrimary},
    {u"LANG_GERMAN", 0x07, kPrimary},       {u"LANG_GREEK", 0x08, kPrimary},
    {u"LANG_ENGLISH", 0x09, kPrimary},      {u"LANG_SPANISH", 0x0a, kPrimary},
    {u"LANG_FINNISH", 0x0b, kPrimary},      {u"LANG_FRENCH", 0x0c, kPrimary},
    {u"LANG_HEBREW", 0x0d, kPrimary},       {u"LANG_HUNGARIAN", 0x0e, kPrimary},
    {u"LANG_ICELANDIC", 0x0f, kPrimary},    {u"LANG_ITALIAN", 0x10, kPrimary},
    {u"LANG_JAPANESE", 0x11, kPrimary},     {u"LANG_KOREAN", 0x12, kPrimary},
    {u"LANG_DUTCH", 0x13, kPrimary},        {u"LANG_NORWEGIAN", 0x14, kPrimary},
    {u"LANG_POLISH", 0x15, kPrimary},       {u"LANG_PORTUGUESE", 0x16, kPrimary},
    {u"LANG_ROMANIAN", 0x18, kPrimary},     {u"LANG_RUSSIAN", 0x19, kPrimary},
    {u"LANG_CROATIAN", 0x1a, kPrimary},     {u"LANG_SERBIAN", 0x1a, kPrimary},
    {u"LANG_SLOVAK", 0x1b, kPrimary},       {u"LANG_ALBANIAN", 0x1c, kPrimary},
    {u"LANG_SWEDISH", 0x1d, kPrimary},      {u"LANG_THAI", 0x1e, kPrimary},
    {u"LANG_TURKISH", 0x1f, kPrimary},      {u"LANG_URDU", 0x20, kPrimary},
    {u"LANG_INDONESIAN", 0x21, kPrimary},   {u"LANG_UKRAINIAN", 0x22, kPrimary},
    {u"LANG_BELARUSIAN", 0x23, kPrimary},   {u"LANG_SLOVENIAN", 0x24, kPrimary},
    {u"LANG_ESTONIAN", 0x25, kPrimary},     {u"LANG_LATVIAN", 0x26, kPrimary},
    {u"LANG_LITHUANIAN", 0x27, kPrimary},   {u"LANG_PERSIAN", 0x29, kPrimary},
    {u"LANG_VIETNAMESE", 0x2a, kPrimary},   {u"LANG_ARMENIAN", 0x2b, kPrimary},
    {u"LANG_BASQUE", 0x2d, kPrimary},       {u"LANG_MACEDONIAN", 0x2f, kPrimary},
    {u"LANG_AFRIKAANS", 0x36, kPrimary},    {u"LANG_GEORGIAN", 0x37, kPrimary},
    {u"LANG_HINDI", 0x39, kPrimary},        {u"LANG_MALAY", 0x3e, kPrimary},
    {u"LANG_KAZAK", 0x3f, kPrimary},        {u"LANG_SWAHILI", 0x41, kPrimary},
    {u"LANG_GALICIAN", 0x56, kPrimary},
    {u"SUBLANG_ARABIC_SAUDI_ARABIA", 0x01, 0x01},
    {u"SUBLANG_CHINESE_TRADITIONAL", 0x01, 0x04},
    {u"SUBLANG_CHINESE_SIMPLIFIED", 0x02, 0x04},
    {u"SUBLANG_CHINESE_HONGKONG", 0x03, 0x04},
    {u"SUBLANG_CHINESE_SINGAPORE", 0x04, 0x04},
    {u"SUBLANG_GERMAN", 0x01, 0x07},        {u"SUBLANG_GERMAN_SWISS", 0x02, 0x07},
    {u"SUBLANG_GERMAN_AUSTRIAN", 0x03, 0x07},
    {u"SUBLANG_ENGLISH_US", 0x01, 0x09},    {u"SUBLANG_ENGLISH_UK", 0x02, 0x09},
    {u"SUBLANG_ENGLISH_AUS", 0x03, 0x09},   {u"SUBLANG_ENGLISH_CAN", 0x04, 0x09},
    {u"SUBLANG_ENGLISH_NZ", 0x05, 0x09},    {u"SUBLANG_ENGLISH_EIRE", 0x06, 0x09},
    {u"SUBLANG_SPANISH", 0x01, 0x0a},       {u"SUBLANG_SPANISH_MEXICAN", 0x02, 0x0a},
    {u"SUBLANG_SPANISH_MODERN", 0x03, 0x0a},
    {u"SUBLANG_FRENCH", 0x01, 0x0c},        {u"SUBLANG_FRENCH_BELGIAN", 0x02, 0x0c},
    {u"SUBLANG_FRENCH_CANADIAN", 0x03, 0x0c}, {u"SUBLANG_FRENCH_SWISS", 0x04, 0x0c},
    {u"SUBLANG_ITALIAN", 0x01, 0x10},       {u"SUBLANG_ITALIAN_SWISS", 0x02, 0x10},
    {u"SUBLANG_KOREAN", 0x01, 0x12},
    {u"SUBLANG_DUTCH", 0x01, 0x13},         {u"SUBLANG_DUTCH_BELGIAN", 0x02, 0x13},
    {u"SUBLANG_NORWEGIAN_BOKMAL", 0x01, 0x14}, {u"SUBLANG_NORWEGIAN_NYNORSK", 0x02, 0x14},
    {u"SUBLANG_PORTUGUESE_BRAZILIAN", 0x01, 0x16}, {u"SUBLANG_PORTUGUESE", 0x02, 0x16},
    {u"SUBLANG_SERBIAN_LATIN", 0x02, 0x1a}, {u"SUBLANG_SERBIAN_CYRILLIC", 0x03, 0x1a},
    {u"SUBLANG_SWEDISH", 0x01, 0x1d},       {u"SUBLANG_SWEDISH_FINLAND", 0x02, 0x1d},
    {u"SUBLANG_NEUTRAL", 0x00, kGeneric},   {u"SUBLANG_DEFAULT", 0x01, kGeneric},
    {u"SUBLANG_SYS_DEFAULT", 0x02, kGeneric},
};

std::u16string Hex(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return FromAscii(text);
}

const char16_t* NameOf(int value, bool sub, int primary) {
  for (int pass = 0; pass < (sub ? 2 : 1); ++pass) {
    const int wanted = !sub ? kPrimary : (pass == 0 ? primary : kGeneric);
    for (const Constant& constant : kConstants) {
      if (constant.primary == wanted && constant.value == value) return constant.name;
    }
  }
  return nullptr;
}

std::optional<int64_t> PartValue(std::u16string part) {
  while (!part.empty() && part.front() == u' ') part.erase(0, 1);
  while (!part.empty() && part.back() == u' ') part.pop_back();
  if (auto constant = LanguageConstant(part)) return constant;
  return ParseIntegerLiteral(part);
}

}  // namespace

uint16_t MakeLanguageId(int64_t primary, int64_t sub) {
  return static_cast<uint16_t>(((sub & 0x3f) << 10) | (primary & 0x3ff));
}

std::optional<int64_t> LanguageConstant(const std::u16string& name) {
  for (const Constant& constant : kConstants) {
    if (name == constant.name) return constant.value;
  }
  return std::nullopt;
}

std::optional<uint16_t> ParseLanguageSection(const std::u16string& text) {
  const size_t comma = text.find(u',');
  if (comma == std::u16string::npos) return std::nullopt;
  std::optional<int64_t> primary = PartValue(text.substr(0, comma));
  std::optional<int64_t> sub = PartValue(text.substr(comma + 1));
  if (!primary || !sub || *primary < 0 || *primary > 0x3ff || *sub < 0 || *sub > 0x3f) {
    return std::nullopt;
  }
  return MakeLanguageId(*primary, *sub);
}

std::u16string LanguageName(uint16_t languageId) {
  const int primary = languageId & 0x3ff;
  const int sub = languageId >> 10;
  const char16_t* primaryName = NameOf(primary, false, 0);
  const char16_t* subName = NameOf(sub, true, primary);
  return (primaryName ? std::u16string(primaryName) : Hex(primary)) + u", " +
         (subName ? std::u16string(subName) : Hex(sub));
}

}  // namespace tolmeric
