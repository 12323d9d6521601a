// Format texts come from language files that translators wrote. The input is
// up to four typed arguments (a type byte and eight value bytes each, until a
// type byte of 0xFF), then the format text in UTF-16.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/Formatter.h"

namespace {

constexpr size_t kMaxArguments = 4;
constexpr size_t kArgumentBytes = 9;

tolmeric::CFormatArgument ArgumentFrom(const uint8_t* bytes,
                                       const std::u16string& stringArgument) {
  uint64_t value = 0;
  std::memcpy(&value, bytes + 1, sizeof value);
  const int32_t bits = 8 << (bytes[0] >> 2 & 3);  // 8, 16, 32 or 64
  switch (bytes[0] & 3) {
    case 0: return tolmeric::CFormatArgument::Signed(static_cast<int64_t>(value), bits);
    case 1: return tolmeric::CFormatArgument::Unsigned(value, bits);
    case 2: return tolmeric::CFormatArgument::Character(static_cast<char16_t>(value));
    default: return tolmeric::CFormatArgument::String(stringArgument);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::u16string kStringArgument = u"Datei \u00e4";
  std::vector<tolmeric::CFormatArgument> arguments;
  size_t offset = 0;
  while (arguments.size() < kMaxArguments && size - offset >= kArgumentBytes &&
         data[offset] != 0xFF) {
    arguments.push_back(ArgumentFrom(data + offset, kStringArgument));
    offset += kArgumentBytes;
  }
  if (offset < size && data[offset] == 0xFF) ++offset;
  std::u16string format((size - offset) / 2, u'\0');
  std::memcpy(format.data(), data + offset, format.size() * 2);
  const std::u16string text = tolmeric::FormatArguments(format, arguments);
  // Widths are bounded: the text never grows beyond them per conversion.
  if (text.size() > format.size() * (tolmeric::kMaxFormatWidth + 64) + 64) __builtin_trap();
  return 0;
}
