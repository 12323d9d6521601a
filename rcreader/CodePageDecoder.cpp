#include "rcreader/CodePageDecoder.h"

#include <cstdint>

#include "translation/Utf.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace tolmeric {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsPrivateUse(char16_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// Single bytes that Windows assigns and older tables of the C library leave
// open. Windows decides what a compiled resource shows, so its answer wins.
struct SingleByteFix {
  int codePage;
  unsigned char byte;
  char16_t character;
};
constexpr SingleByteFix kSingleByteFixes[] = {
    {932, 0x80, u'\u0080'},
    {949, 0x80, u'\u0080'},
    {1255, 0xCA, u'\u05BA'},
};

bool FixedSingleByte(int codePage, unsigned char byte, char16_t& character) {
  for (const SingleByteFix& fix : kSingleByteFixes) {
    if (fix.codePage == codePage && fix.byte == byte) {
      character = fix.character;
      return true;
    }
  }
  return false;
}

}  // namespace

// Converts a short byte sequence that should form exactly one character.
// Both platforms answer the same question: do these bytes, and nothing
// less, make one valid character, and which.
class CCodePageDecoder::CConverter {
 public:
#ifdef _WIN32
  explicit CConverter(int codePage) : codePage_(static_cast<UINT>(codePage)) {}
  ~CConverter() = default;

  // Writes the character's UTF-16 units to out (at most 2) and returns
  // their number, or 0 when the bytes are no valid character.
  int Convert(const char* bytes, int size, char16_t out[2]) {
    wchar_t buffer[2];
    int made = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes, size, buffer, 2);
    if (made <= 0) return 0;
    for (int i = 0; i < made; ++i) out[i] = static_cast<char16_t>(buffer[i]);
    return made;
  }

 private:
  UINT codePage_;
#else
  explicit CConverter(int codePage) {
    std::string name = "CP" + std::to_string(codePage);
    handle_ = iconv_open("UTF-16LE", name.c_str());
  }
  ~CConverter() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }

  int Convert(const char* bytes, int size, char16_t out[2]) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) return 0;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = static_cast<size_t>(size);
    unsigned char buffer[8];
    char* outPtr = reinterpret_cast<char*>(buffer);
    size_t outLeft = sizeof buffer;
    if (iconv(handle_, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    // Some converters hold a character back until they know the next one.
    if (iconv(handle_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    size_t units = (sizeof buffer - outLeft) / 2;
    if (inLeft != 0 || units == 0 || units > 2) return 0;
    for (size_t i = 0; i < units; ++i) {
      out[i] = static_cast<char16_t>(buffer[2 * i] | (buffer[2 * i + 1] << 8));
    }
    return static_cast<int>(units);
  }

 private:
  iconv_t handle_;
#endif
};

bool CCodePageDecoder::IsSupported(int codePage) {
  return codePage == 874 || IsMultiByte(codePage) || (codePage >= 1250 && codePage <= 1258) ||
         codePage == kUtf8;
}

bool CCodePageDecoder::IsMultiByte(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

CCodePageDecoder::CCodePageDecoder(int codePage) : codePage_(codePage) {
  if (codePage_ == kUtf8) return;
  converter_ = std::make_unique<CConverter>(codePage_);
  if (!IsMultiByte(codePage_)) BuildSingleByteTable();
}

CCodePageDecoder::~CCodePageDecoder() = default;

// A byte without a character of its own keeps its value. A mapping into the
// private use area counts as none: some platforms fill the code page's gaps
// with such characters, others leave them empty.
void CCodePageDecoder::BuildSingleByteTable() {
  for (int b = 0; b < 256; ++b) {
    char byte = static_cast<char>(b);
    char16_t out[2];
    if (FixedSingleByte(codePage_, static_cast<unsigned char>(b), singleByte_[b])) continue;
    int made = converter_->Convert(&byte, 1, out);
    singleByte_[b] = made == 1 && !IsPrivateUse(out[0]) ? out[0] : static_cast<char16_t>(b);
  }
}

std::u16string CCodePageDecoder::Decode(std::string_view bytes) const {
  std::u16string out;
  Decode(bytes, out);
  return out;
}

void CCodePageDecoder::Decode(std::string_view bytes, std::u16string& out) const {
  if (codePage_ == kUtf8) {
    DecodeUtf8(bytes, out);
  } else if (IsMultiByte(codePage_)) {
    DecodeMultiByte(bytes, out);
  } else {
    out.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
      out[i] = singleByte_[static_cast<unsigned char>(bytes[i])];
    }
  }
}

// The ASCII bytes before the first other one are characters of their own;
// only the rest needs the full decoder.
void CCodePageDecoder::DecodeUtf8(std::string_view bytes, std::u16string& out) {
  size_t ascii = 0;
  while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
  out.resize(ascii);
  for (size_t i = 0; i < ascii; ++i) out[i] = static_cast<char16_t>(bytes[i]);
  if (ascii < bytes.size()) out += FromUtf8(bytes.substr(ascii));
}

// Every character of these code pages is one or two bytes. A byte that
// neither alone nor with its successor makes a valid character is replaced,
// and decoding goes on at the next byte. The user-defined characters, which
// some platforms map into the private use area and others reject, count as
// invalid everywhere.
void CCodePageDecoder::DecodeMultiByte(std::string_view bytes, std::u16string& out) const {
  out.clear();
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    char16_t units[2];
    if (FixedSingleByte(codePage_, lead, units[0])) {
      out += units[0];
      ++i;
      continue;
    }
    int made = converter_->Convert(bytes.data() + i, 1, units);
    if (made != 1 || IsPrivateUse(units[0])) made = 0;
    size_t used = 1;
    if (made == 0 && i + 1 < bytes.size()) {
      made = converter_->Convert(bytes.data() + i, 2, units);
      used = 2;
      // Two bytes make one character, or one above U+FFFF as a pair.
      if (made == 2 && !(units[0] >= 0xD800 && units[0] <= 0xDBFF)) made = 0;
      if (made == 1 && IsPrivateUse(units[0])) made = 0;
    }
    if (made == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    out.append(units, static_cast<size_t>(made));
    i += used;
  }
}

}  // namespace tolmeric
