#include "runtime/Formatter.h"

#include <algorithm>

namespace tolmeric {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Digits of value in base 10 or 16, most significant first.
std::u16string Digits(uint64_t value, bool hex, bool upper) {
  const char16_t* digitSet = upper ? u"0123456789ABCDEF" : u"0123456789abcdef";
  const uint64_t base = hex ? 16 : 10;
  std::u16string digits;
  do {
    digits.push_back(digitSet[value % base]);
    value /= base;
  } while (value != 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace

CFormatArgument CFormatArgument::Signed(int64_t value, int32_t bits) {
  CFormatArgument argument;
  argument.type_ = Type::kSigned;
  argument.signed_ = value;
  argument.bits_ = bits;
  return argument;
}

CFormatArgument CFormatArgument::Unsigned(uint64_t value, int32_t bits) {
  CFormatArgument argument;
  argument.type_ = Type::kUnsigned;
  argument.unsigned_ = value;
  argument.bits_ = bits;
  return argument;
}

CFormatArgument CFormatArgument::Character(char16_t value) {
  CFormatArgument argument;
  argument.type_ = Type::kCharacter;
  argument.character_ = value;
  return argument;
}

CFormatArgument CFormatArgument::String(std::u16string_view value) {
  CFormatArgument argument;
  argument.type_ = Type::kString;
  argument.string_ = value;
  return argument;
}

uint64_t CFormatArgument::Magnitude() const {
  if (type_ == Type::kUnsigned) return unsigned_;
  // Negating in unsigned arithmetic also covers the smallest int64_t.
  return signed_ < 0 ? 0 - static_cast<uint64_t>(signed_) : static_cast<uint64_t>(signed_);
}

uint64_t CFormatArgument::AsUnsigned() const {
  if (type_ == Type::kUnsigned) return unsigned_;
  const uint64_t raw = static_cast<uint64_t>(signed_);
  if (bits_ >= 64) return raw;
  return raw & ((uint64_t{1} << bits_) - 1);
}

int64_t CFormatArgument::AsSigned() const {
  if (type_ == Type::kUnsigned) {
    return unsigned_ > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX
                                                       : static_cast<int64_t>(unsigned_);
  }
  return signed_;
}

CFormatter::CFormatter(std::u16string_view format, std::span<const CFormatArgument> arguments)
    : format_(format), arguments_(arguments) {}

// text := (plain character | "%%" | conversion)*
std::u16string CFormatter::Format() {
  out_.clear();
  position_ = 0;
  nextArgument_ = 0;
  while (position_ < format_.size()) {
    const char16_t c = format_[position_];
    if (c != u'%') {
      out_.push_back(c);
      ++position_;
    } else if (position_ + 1 < format_.size() && format_[position_ + 1] == u'%') {
      out_.push_back(u'%');
      position_ += 2;
    } else {
      ParseConversion(position_);
    }
  }
  return std::move(out_);
}

// conversion := "%" flags width? ("." precision?)? length? type
void CFormatter::ParseConversion(size_t start) {
  Conversion conversion;
  ++position_;  // the percent sign
  ParseFlags(conversion);
  ParseWidth(conversion);
  ParsePrecision(conversion);
  ParseLength();
  if (position_ >= format_.size()) {
    // The text ends inside the conversion: no conversion, just text.
    out_.append(format_.substr(start));
    return;
  }
  conversion.type = format_[position_++];
  const CFormatArgument* argument = conversion.type == u'%' ? nullptr : NextArgument();
  if (conversion.type == u'%' || !conversion.fits || !argument) {
    out_.append(format_.substr(start, position_ - start));
    return;
  }
  if (!WriteConversion(conversion, *argument)) {
    out_.append(format_.substr(start, position_ - start));
  }
}

// flags := ("-" | "+" | " " | "#" | "0")*
void CFormatter::ParseFlags(Conversion& conversion) {
  for (; position_ < format_.size(); ++position_) {
    switch (format_[position_]) {
      case u'-': conversion.leftAlign = true; break;
      case u'+': conversion.plusSign = true; break;
      case u' ': conversion.blankSign = true; break;
      case u'#': conversion.alternate = true; break;
      case u'0': conversion.zeroPad = true; break;
      default: return;
    }
  }
}

// width := "*" | digit+
void CFormatter::ParseWidth(Conversion& conversion) {
  if (position_ >= format_.size()) return;
  if (format_[position_] == u'*') {
    ++position_;
    const CFormatArgument* argument = NextArgument();
    if (!argument || !argument->IsInteger()) {
      conversion.fits = false;
      return;
    }
    // A negative width from an argument means left alignment.
    if (argument->IsNegative()) conversion.leftAlign = true;
    conversion.width = static_cast<int64_t>(std::min<uint64_t>(argument->Magnitude(), INT64_MAX));
  } else if (IsDigit(format_[position_])) {
    conversion.width = ParseNumber();
  }
  if (conversion.width > kMaxFormatWidth) conversion.fits = false;
}

// precision := "*" | digit*   (after a "."; a lone "." is precision 0)
void CFormatter::ParsePrecision(Conversion& conversion) {
  if (position_ >= format_.size() || format_[position_] != u'.') return;
  ++position_;
  if (position_ < format_.size() && format_[position_] == u'*') {
    ++position_;
    const CFormatArgument* argument = NextArgument();
    if (!argument || !argument->IsInteger()) {
      conversion.fits = false;
      return;
    }
    // A negative precision from an argument counts as none.
    conversion.precision = argument->IsNegative() ? -1 : argument->AsSigned();
  } else {
    conversion.precision = ParseNumber();
  }
  if (conversion.precision > kMaxFormatWidth) conversion.fits = false;
}

// length := "hh" | "h" | "ll" | "l" | "L" | "I32" | "I64" | "I" | "z" | "j" | "t" | "w"
void CFormatter::ParseLength() {
  const std::u16string_view rest = format_.substr(position_);
  for (std::u16string_view modifier : {u"hh", u"ll", u"I64", u"I32", u"h", u"l", u"L", u"I",
                                       u"z", u"j", u"t", u"w"}) {
    if (rest.substr(0, modifier.size()) == modifier) {
      position_ += modifier.size();
      return;
    }
  }
}

// number := digit*   (saturates above the largest width, which then does not fit)
int64_t CFormatter::ParseNumber() {
  int64_t value = 0;
  while (position_ < format_.size() && IsDigit(format_[position_])) {
    if (value <= kMaxFormatWidth) value = value * 10 + (format_[position_] - u'0');
    ++position_;
  }
  return value;
}

const CFormatArgument* CFormatter::NextArgument() {
  if (nextArgument_ >= arguments_.size()) return nullptr;
  return &arguments_[nextArgument_++];
}

bool CFormatter::WriteConversion(const Conversion& conversion, const CFormatArgument& argument) {
  switch (conversion.type) {
    case u'd': case u'i': case u'u': case u'x': case u'X':
      return WriteInteger(conversion, argument);
    case u'c':
      return WriteCharacter(conversion, argument);
    case u's':
      return WriteString(conversion, argument);
    default:
      // Floating point, pointers, %n and anything unknown are not formatted.
      return false;
  }
}

bool CFormatter::WriteInteger(const Conversion& conversion, const CFormatArgument& argument) {
  if (!argument.IsInteger()) return false;
  const char16_t type = conversion.type;
  const bool isSigned = type == u'd' || type == u'i';
  const bool hex = type == u'x' || type == u'X';
  const uint64_t value = isSigned ? argument.Magnitude() : argument.AsUnsigned();

  std::u16string prefix;
  if (isSigned) {
    if (argument.IsNegative()) prefix = u"-";
    else if (conversion.plusSign) prefix = u"+";
    else if (conversion.blankSign) prefix = u" ";
  } else if (hex && conversion.alternate && value != 0) {
    prefix = type == u'X' ? u"0X" : u"0x";
  }

  std::u16string digits;
  if (!(conversion.precision == 0 && value == 0)) digits = Digits(value, hex, type == u'X');
  if (conversion.precision > static_cast<int64_t>(digits.size())) {
    digits.insert(0, static_cast<size_t>(conversion.precision) - digits.size(), u'0');
  }
  WritePadded(conversion, prefix, digits, conversion.precision < 0);
  return true;
}

bool CFormatter::WriteCharacter(const Conversion& conversion, const CFormatArgument& argument) {
  char16_t character = 0;
  if (argument.type() == CFormatArgument::Type::kCharacter) {
    character = argument.character();
  } else if (argument.IsInteger() && !argument.IsNegative() && argument.Magnitude() <= 0xFFFF) {
    character = static_cast<char16_t>(argument.Magnitude());
  } else {
    return false;
  }
  WritePadded(conversion, {}, std::u16string_view(&character, 1), false);
  return true;
}

bool CFormatter::WriteString(const Conversion& conversion, const CFormatArgument& argument) {
  if (argument.type() != CFormatArgument::Type::kString) return false;
  std::u16string_view text = argument.string();
  if (conversion.precision >= 0 && static_cast<size_t>(conversion.precision) < text.size()) {
    size_t length = static_cast<size_t>(conversion.precision);
    // Never cut a surrogate pair in two.
    if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
    text = text.substr(0, length);
  }
  WritePadded(conversion, {}, text, false);
  return true;
}

void CFormatter::WritePadded(const Conversion& conversion, std::u16string_view prefix,
                             std::u16string_view body, bool zeroPadAllowed) {
  const size_t length = prefix.size() + body.size();
  const size_t width = static_cast<size_t>(conversion.width);
  const size_t fill = width > length ? width - length : 0;
  if (conversion.leftAlign) {
    out_.append(prefix);
    out_.append(body);
    out_.append(fill, u' ');
  } else if (conversion.zeroPad && zeroPadAllowed) {
    out_.append(prefix);
    out_.append(fill, u'0');
    out_.append(body);
  } else {
    out_.append(fill, u' ');
    out_.append(prefix);
    out_.append(body);
  }
}

std::u16string FormatArguments(std::u16string_view format,
                               std::span<const CFormatArgument> arguments) {
  return CFormatter(format, arguments).Format();
}

}  // namespace tolmeric
