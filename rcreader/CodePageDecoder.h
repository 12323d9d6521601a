// Decoding of one line of a script in a Windows code page.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tolmeric {

// Turns the bytes of one line into UTF-16 in one of the code pages a script
// can select: 874, 932, 936, 949, 950, 1250 to 1258 and 65001 (UTF-8).
// The result is the same on every platform: in a single-byte code page a
// byte the code page leaves unassigned keeps its own value; in a multi-byte
// code page a byte that starts no valid character becomes one U+FFFD; in
// UTF-8 each maximal invalid subpart becomes one U+FFFD.
class CCodePageDecoder {
 public:
  static constexpr int kUtf8 = 65001;

  static bool IsSupported(int codePage);

  // codePage must be supported.
  explicit CCodePageDecoder(int codePage);
  ~CCodePageDecoder();
  CCodePageDecoder(const CCodePageDecoder&) = delete;
  CCodePageDecoder& operator=(const CCodePageDecoder&) = delete;

  int CodePage() const { return codePage_; }
  std::u16string Decode(std::string_view bytes) const;
  // The same into out, whose storage is reused.
  void Decode(std::string_view bytes, std::u16string& out) const;

  // UTF-8 into out: each maximal invalid subpart becomes one U+FFFD.
  static void DecodeUtf8(std::string_view bytes, std::u16string& out);

 private:
  class CConverter;

  static bool IsMultiByte(int codePage);
  void BuildSingleByteTable();
  void DecodeMultiByte(std::string_view bytes, std::u16string& out) const;

  int codePage_;
  std::array<char16_t, 256> singleByte_{};
  // The platform's converter; used for multi-byte pages and to build the
  // single-byte table.
  std::unique_ptr<CConverter> converter_;
};

}  // namespace tolmeric
