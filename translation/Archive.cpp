#include "translation/Archive.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolmeric {

#ifndef _WIN32
namespace {

// Windows code page 1252, bytes 0x80 to 0x9F. The five bytes the code page
// leaves unassigned map to the code point of the same value, as Windows
// itself converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace
#endif

CArchive::CArchive(Mode mode, std::vector<uint8_t> bytes, std::filesystem::path fileName)
    : mode_(mode), bytes_(std::move(bytes)), fileName_(std::move(fileName)) {}

CArchive CArchive::ForStoring(std::filesystem::path fileName) {
  return CArchive(Mode::kStore, {}, std::move(fileName));
}

CArchive CArchive::ForLoading(std::vector<uint8_t> bytes, std::filesystem::path fileName) {
  return CArchive(Mode::kLoad, std::move(bytes), std::move(fileName));
}

namespace {

// Why a file of this type is no input, or null for a regular file (and for
// one that does not exist).
const char* WhyNotAnInput(std::filesystem::file_type type) {
  using std::filesystem::file_type;
  switch (type) {
    case file_type::regular:
    case file_type::not_found:
      return nullptr;
    case file_type::directory:
      return "a folder has that name";
    case file_type::character:
    case file_type::block:
      return "a device, not a file";
    case file_type::fifo:
      return "a pipe, not a file";
    case file_type::socket:
      return "a socket, not a file";
    default:
      return "not a regular file";
  }
}

[[noreturn]] void ThrowTooLarge(const std::filesystem::path& path, uint64_t maxBytes) {
  constexpr uint64_t kMiB = uint64_t{1} << 20;
  const bool wholeMiB = maxBytes % kMiB == 0;
  std::string detail = "larger than ";
  detail += std::to_string(wholeMiB ? maxBytes / kMiB : maxBytes);
  detail += wholeMiB ? " MiB" : " bytes";
  throw CFileError(FileErrorKind::kCannotOpen, path, detail);
}

}  // namespace

void CheckInputFile(const std::filesystem::path& path, uint64_t maxBytes) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error && status.type() != std::filesystem::file_type::not_found) {
    throw CFileError(FileErrorKind::kCannotOpen, path, error.message());
  }
  if (const char* reason = WhyNotAnInput(status.type())) {
    throw CFileError(FileErrorKind::kCannotOpen, path, reason);
  }
  if (status.type() != std::filesystem::file_type::regular) return;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > maxBytes) ThrowTooLarge(path, maxBytes);
}

namespace {

// Room for the size the file has now is made at once, so that the bytes are
// not moved as they arrive.
template <typename Bytes>
Bytes ReadWhole(const std::filesystem::path& path, uint64_t maxBytes) {
  CheckInputFile(path, maxBytes);
  Bytes bytes;
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size <= maxBytes) bytes.reserve(static_cast<size_t>(size));
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CFileError(FileErrorKind::kCannotOpen, path, LastSystemError());
  // Read in chunks rather than trusting the size found above: the file may
  // change meanwhile, and the bytes actually read are what counts.
  char chunk[65536];
  while (in) {
    in.read(chunk, sizeof chunk);
    bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    if (bytes.size() > maxBytes) ThrowTooLarge(path, maxBytes);
  }
  if (in.bad()) throw CFileError(FileErrorKind::kCannotOpen, path, "read failed");
  return bytes;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, uint64_t maxBytes) {
  return ReadWhole<std::vector<uint8_t>>(path, maxBytes);
}

std::string ReadWholeTextFile(const std::filesystem::path& path, uint64_t maxBytes) {
  return ReadWhole<std::string>(path, maxBytes);
}

CArchive CArchive::OpenForLoading(const std::filesystem::path& fileName, uint64_t maxBytes) {
  return ForLoading(ReadWholeFile(fileName, maxBytes), fileName);
}

void CArchive::WriteU32(uint32_t value) {
  uint8_t b[4];
  PutU32(b, value);
  WriteBytes(b, sizeof b);
}

void CArchive::WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }

void CArchive::WriteBytes(const uint8_t* data, size_t size) {
  MakeRoom(size);
  if (size != 0) bytes_.insert(bytes_.end(), data, data + size);
}

void CArchive::Reserve(size_t bytes) {
  bytes_.reserve(bytes_.size() + (output_ ? std::min(bytes, kOutputPiece) : bytes));
}

void CArchive::SetOutput(std::function<void(const uint8_t* data, size_t size)> output) {
  output_ = std::move(output);
}

void CArchive::FlushOutput() {
  if (!output_ || bytes_.empty()) return;
  output_(bytes_.data(), bytes_.size());
  bytes_.clear();
}

void CArchive::MakeRoom(size_t size) {
  if (output_ && bytes_.size() + size > kOutputPiece) FlushOutput();
}

uint8_t* CArchive::Extend(size_t size) {
  MakeRoom(size);
  const size_t start = bytes_.size();
  bytes_.resize(start + size);
  return bytes_.data() + start;
}

// The marker and length go through a small buffer and the units straight
// from the text, so that no byte is written twice.
void CArchive::WriteString(std::u16string_view value) {
  CheckStringLength(value);
  uint8_t prefix[kMaxStringPrefix];
  const uint8_t* prefixEnd = PutStringPrefix(prefix, static_cast<uint32_t>(value.size()));
  WriteBytes(prefix, static_cast<size_t>(prefixEnd - prefix));
  if constexpr (std::endian::native == std::endian::little) {
    const auto* units = reinterpret_cast<const uint8_t*>(value.data());
    WriteBytes(units, 2 * value.size());
  } else {
    PutUnits(Extend(2 * value.size()), value);
  }
}

const uint8_t* CArchive::Take(size_t size) {
  if (size > Remaining()) ThrowEndOfFile();
  const uint8_t* data = bytes_.data() + offset_;
  offset_ += size;
  return data;
}

uint8_t CArchive::ReadU8() { return *Take(1); }

uint16_t CArchive::ReadU16() {
  const uint8_t* b = Take(2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadU32() {
  const uint8_t* b = Take(4);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

int32_t CArchive::ReadI32() { return static_cast<int32_t>(ReadU32()); }

// length := byte (< FF) | FF u16 (< FFFE) | FF FFFE length | FF FFFF u32
// The marker may stand only once, in front of the real length.
CArchive::StringLength CArchive::ReadStringLength() {
  StringLength result;
  for (;;) {
    uint8_t shortLength = ReadU8();
    if (shortLength < kLongerLength) {
      result.length = shortLength;
      return result;
    }
    uint16_t mediumLength = ReadU16();
    if (mediumLength == kUnicodeMarker) {
      if (result.unicode) ThrowBadData("Unicode marker repeated");
      result.unicode = true;
      continue;
    }
    result.length = mediumLength < kLongestLength ? mediumLength : ReadU32();
    return result;
  }
}

// string := length (chars8 | units16)
std::u16string CArchive::ReadString() {
  StringLength length = ReadStringLength();
  if (length.unicode) return ReadUnits(length.length);
  return ReadAnsiChars(length.length);
}

// A little-endian host holds the units as they are stored and copies them
// at once.
std::u16string CArchive::ReadUnits(uint32_t count) {
  const uint64_t size = 2 * static_cast<uint64_t>(count);
  if (size > Remaining()) ThrowEndOfFile();
  const uint8_t* b = Take(static_cast<size_t>(size));
  std::u16string units(count, u'\0');
  if constexpr (std::endian::native == std::endian::little) {
    if (count != 0) std::memcpy(units.data(), b, static_cast<size_t>(size));
  } else {
    for (uint32_t i = 0; i < count; ++i) {
      units[i] = static_cast<char16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    }
  }
  return units;
}

#ifdef _WIN32
std::u16string CArchive::ReadAnsiChars(uint32_t count) {
  if (count > Remaining()) ThrowEndOfFile();
  if (count > static_cast<uint32_t>(std::numeric_limits<int>::max())) {
    ThrowBadData("text too long");
  }
  const char* chars = reinterpret_cast<const char*>(Take(count));
  if (count == 0) return {};
  const int size = static_cast<int>(count);
  int units = MultiByteToWideChar(CP_ACP, 0, chars, size, nullptr, 0);
  if (units <= 0) ThrowBadData("text not in the ANSI code page");
  std::u16string text(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, chars, size, reinterpret_cast<wchar_t*>(text.data()), units);
  return text;
}
#else
std::u16string CArchive::ReadAnsiChars(uint32_t count) {
  if (count > Remaining()) ThrowEndOfFile();
  const uint8_t* chars = Take(count);
  std::u16string text(count, u'\0');
  for (uint32_t i = 0; i < count; ++i) {
    uint8_t c = chars[i];
    text[i] = c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : static_cast<char16_t>(c);
  }
  return text;
}
#endif

void CArchive::ThrowEndOfFile() const { throw CFileError(FileErrorKind::kEndOfFile, fileName_); }

void CArchive::ThrowTextTooLong() const {
  throw CFileError(FileErrorKind::kWriteFailed, fileName_, "text too long");
}

void CArchive::ThrowBadData(const std::string& detail) const {
  throw CFileError(FileErrorKind::kBadData, fileName_, detail);
}

}  // namespace tolmeric
