// A printf-style formatter for UTF-16 texts whose format texts come from
// language files. A translator may write a format that does not fit the
// arguments the program passes: every argument therefore carries its type, and
// a conversion that does not fit its argument (or finds none left) is written
// literally. A wrong argument is never read and nothing can crash.
//
// Conversions: %s %c %d %i %u %x %X and %%, with the flags - + blank # 0, a
// width and a precision (each also given as *). Length modifiers (h hh l ll
// L I32 I64 z j t w) are accepted and ignored: the argument knows its width.
//
// Arguments:
// - strings: std::u16string, std::u16string_view, const char16_t* (a null
//   pointer prints "(null)"); on Windows also wchar_t strings and anything
//   that converts to const wchar_t* (CString). They fit %s only.
// - characters: char16_t (and wchar_t on Windows). They fit %c only.
// - integers of any width, signed or unsigned, and enumerations. They fit
//   %d %i %u %x %X, %c (values up to 0xFFFF) and a * width or precision.
//   %d and %i print the value itself; %u %x %X print a negative value in two's
//   complement at the argument's own width, as printf does (-1 as a 32-bit
//   integer is ffffffff).
// Every conversion except %% uses up one argument (and one more per *), even
// when it is written literally, so the conversions after it keep their
// arguments. A width or precision above kMaxFormatWidth does not fit either:
// a format text from a file must not allocate without bound.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#ifdef _WIN32
#include <cwchar>
#endif

namespace tolmeric {

inline constexpr int32_t kMaxFormatWidth = 10000;

class CFormatArgument {
 public:
  enum class Type { kSigned, kUnsigned, kCharacter, kString };

  static CFormatArgument Signed(int64_t value, int32_t bits);
  static CFormatArgument Unsigned(uint64_t value, int32_t bits);
  static CFormatArgument Character(char16_t value);
  static CFormatArgument String(std::u16string_view value);

  Type type() const { return type_; }
  bool IsInteger() const { return type_ == Type::kSigned || type_ == Type::kUnsigned; }
  bool IsNegative() const { return type_ == Type::kSigned && signed_ < 0; }
  // The magnitude of an integer argument.
  uint64_t Magnitude() const;
  // The integer as an unsigned value of the argument's own width (two's
  // complement for negative values).
  uint64_t AsUnsigned() const;
  // The integer as a signed value; unsigned values above the signed range
  // are clamped (for * widths and precisions, which are refused anyway).
  int64_t AsSigned() const;
  char16_t character() const { return character_; }
  std::u16string_view string() const { return string_; }

 private:
  Type type_ = Type::kSigned;
  int64_t signed_ = 0;
  uint64_t unsigned_ = 0;
  int32_t bits_ = 64;
  char16_t character_ = 0;
  std::u16string_view string_;
};

class CFormatter {
 public:
  CFormatter(std::u16string_view format, std::span<const CFormatArgument> arguments);

  // Formats the whole format text.
  std::u16string Format();

 private:
  struct Conversion {
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int64_t width = 0;
    int64_t precision = -1;  // -1: none given
    char16_t type = 0;
    bool fits = true;  // false: the conversion is written literally
  };

  void ParseConversion(size_t start);
  void ParseFlags(Conversion& conversion);
  void ParseWidth(Conversion& conversion);
  void ParsePrecision(Conversion& conversion);
  void ParseLength();
  int64_t ParseNumber();
  const CFormatArgument* NextArgument();

  // False when the conversion does not fit its argument.
  bool WriteConversion(const Conversion& conversion, const CFormatArgument& argument);
  bool WriteInteger(const Conversion& conversion, const CFormatArgument& argument);
  bool WriteCharacter(const Conversion& conversion, const CFormatArgument& argument);
  bool WriteString(const Conversion& conversion, const CFormatArgument& argument);
  void WritePadded(const Conversion& conversion, std::u16string_view prefix,
                   std::u16string_view body, bool zeroPadAllowed);

  std::u16string_view format_;
  std::span<const CFormatArgument> arguments_;
  size_t position_ = 0;
  size_t nextArgument_ = 0;
  std::u16string out_;
};

// The argument record of one value; unsupported types do not compile.
template <typename T>
CFormatArgument MakeFormatArgument(const T& value) {
  using D = std::decay_t<T>;
  if constexpr (std::is_same_v<D, bool>) {
    static_assert(!std::is_same_v<D, bool>, "bool is not a format argument");
    return {};
  } else if constexpr (std::is_same_v<D, char16_t>) {
    return CFormatArgument::Character(value);
#ifdef _WIN32
  } else if constexpr (std::is_same_v<D, wchar_t>) {
    return CFormatArgument::Character(static_cast<char16_t>(value));
#endif
  } else if constexpr (std::is_enum_v<D>) {
    return MakeFormatArgument(static_cast<std::underlying_type_t<D>>(value));
  } else if constexpr (std::is_integral_v<D> && std::is_signed_v<D>) {
    return CFormatArgument::Signed(static_cast<int64_t>(value),
                                   static_cast<int32_t>(sizeof(D) * 8));
  } else if constexpr (std::is_integral_v<D> && std::is_unsigned_v<D>) {
    return CFormatArgument::Unsigned(static_cast<uint64_t>(value),
                                     static_cast<int32_t>(sizeof(D) * 8));
  } else if constexpr (std::is_convertible_v<const T&, const char16_t*>) {
    const char16_t* text = value;
    return CFormatArgument::String(text ? std::u16string_view(text) : std::u16string_view(u"(null)"));
  } else if constexpr (std::is_convertible_v<const T&, std::u16string_view>) {
    return CFormatArgument::String(std::u16string_view(value));
#ifdef _WIN32
  } else if constexpr (std::is_convertible_v<const T&, const wchar_t*>) {
    const wchar_t* text = value;
    if (!text) return CFormatArgument::String(u"(null)");
    return CFormatArgument::String(
        std::u16string_view(reinterpret_cast<const char16_t*>(text), std::wcslen(text)));
  } else if constexpr (std::is_convertible_v<const T&, std::wstring_view>) {
    std::wstring_view text(value);
    return CFormatArgument::String(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
#endif
  } else {
    static_assert(sizeof(D) == 0, "unsupported format argument type");
    return {};
  }
}

// Formats the arguments into a new text.
std::u16string FormatArguments(std::u16string_view format,
                               std::span<const CFormatArgument> arguments);

template <typename... Args>
std::u16string FormatValues(std::u16string_view format, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return FormatArguments(format, {});
  } else {
    const CFormatArgument arguments[] = {MakeFormatArgument(args)...};
    return FormatArguments(format, arguments);
  }
}

}  // namespace tolmeric
