// The archive encoding shared by language and project files: little-endian
// integers and length-prefixed strings. A loading archive reads from bytes
// held in memory and checks every length against what remains; a storing
// archive collects bytes that the caller then writes out.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FileError.h"

namespace tolmeric {

class IMessageSink;

// The largest file each reader takes. Real scripts are a few MiB and real
// language files a few tens; anything far beyond is refused before it is read.
inline constexpr uint64_t kMaxScriptBytes = uint64_t{256} << 20;
inline constexpr uint64_t kMaxLanguageFileBytes = uint64_t{512} << 20;
// A project holds a whole language file and a list of scripts.
inline constexpr uint64_t kMaxProjectFileBytes = kMaxLanguageFileBytes + (uint64_t{64} << 20);

// Refuses, with CFileError kCannotOpen naming path and the reason, anything
// but a regular file of at most maxBytes: a folder, a device, a pipe or a
// socket would never end or never start. A path that does not exist passes:
// opening it reports that.
void CheckInputFile(const std::filesystem::path& path, uint64_t maxBytes);

// The whole content of a regular file of at most maxBytes (CFileError
// kCannotOpen, with the reason, when it is anything else or cannot be read).
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path,
                                   uint64_t maxBytes = kMaxLanguageFileBytes);
// The same as text bytes.
std::string ReadWholeTextFile(const std::filesystem::path& path,
                              uint64_t maxBytes = kMaxLanguageFileBytes);

class CArchive {
 public:
  enum class Mode { kLoad, kStore };

  // A storing archive; fileName names the target in errors.
  static CArchive ForStoring(std::filesystem::path fileName);
  // A loading archive over bytes; fileName names the source in errors.
  static CArchive ForLoading(std::vector<uint8_t> bytes, std::filesystem::path fileName);
  // Reads a whole file of at most maxBytes into a loading archive
  // (CFileError kCannotOpen).
  static CArchive OpenForLoading(const std::filesystem::path& fileName,
                                 uint64_t maxBytes = kMaxLanguageFileBytes);

  bool IsStoring() const { return mode_ == Mode::kStore; }
  bool IsLoading() const { return mode_ == Mode::kLoad; }
  const std::filesystem::path& FileName() const { return fileName_; }

  // Where a loader shows messages such as a wrong magic; may be null.
  void SetMessageSink(IMessageSink* sink) { sink_ = sink; }
  IMessageSink* MessageSink() const { return sink_; }

  void WriteU32(uint32_t value);
  void WriteI32(int32_t value);
  void WriteString(std::u16string_view value);  // always with the Unicode marker
  void WriteBytes(const uint8_t* data, size_t size);
  // Makes room for bytes more to be written without moving what is there
  // again (storing); with an output, for one piece at most.
  void Reserve(size_t bytes);
  // Storing in pieces: the bytes written are handed to output, in order,
  // whenever about kOutputPiece of them have come together (always before
  // a write, so that what Extend returned stays valid until the next
  // write); Bytes() then holds only those not handed on yet, and
  // FlushOutput hands them on.
  static constexpr size_t kOutputPiece = size_t{1} << 20;
  void SetOutput(std::function<void(const uint8_t* data, size_t size)> output);
  void FlushOutput();
  bool HasOutput() const { return static_cast<bool>(output_); }
  // The bytes WriteString writes for a text of length units.
  static size_t StoredStringSize(size_t length);
  // Throws what WriteString throws for a text too long to be stored.
  void CheckStringLength(std::u16string_view value) const {
    if (value.size() > std::numeric_limits<uint32_t>::max()) ThrowTextTooLong();
  }

  // Appends size zero bytes and returns where they start, for a caller that
  // knows a record's size and fills it at once through the Put functions
  // below (storing).
  uint8_t* Extend(size_t size);
  // The Put functions write at out what the Write function of the same name
  // appends, and return the end. PutString takes a text that
  // CheckStringLength accepts.
  static uint8_t* PutU16(uint8_t* out, uint16_t value);
  static uint8_t* PutU32(uint8_t* out, uint32_t value);
  static uint8_t* PutI32(uint8_t* out, int32_t value);
  static uint8_t* PutString(uint8_t* out, std::u16string_view value);

  uint32_t ReadU32();
  int32_t ReadI32();
  std::u16string ReadString();

  // Bytes not yet read (loading).
  size_t Remaining() const { return bytes_.size() - offset_; }
  // Bytes read so far (loading), or written so far (storing).
  size_t Offset() const { return IsStoring() ? bytes_.size() : offset_; }
  // Everything written (storing) or the whole input (loading).
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  [[noreturn]] void ThrowEndOfFile() const;
  [[noreturn]] void ThrowBadData(const std::string& detail) const;
  [[noreturn]] void ThrowTextTooLong() const;

 private:
  CArchive(Mode mode, std::vector<uint8_t> bytes, std::filesystem::path fileName);

  // A string's length and whether it counts UTF-16 units (after the Unicode
  // marker) or 8-bit characters.
  struct StringLength {
    uint32_t length = 0;
    bool unicode = false;
  };

  // Length forms of a string: one byte below 0xFF; else 0xFF and a 16-bit
  // length below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length. The 16-bit
  // value 0xFFFE in place of a length is the Unicode marker.
  static constexpr uint8_t kLongerLength = 0xFF;
  static constexpr uint16_t kUnicodeMarker = 0xFFFE;
  static constexpr uint16_t kLongestLength = 0xFFFF;
  // The most bytes in front of a string's units: the marker and the longest
  // length form.
  static constexpr size_t kMaxStringPrefix = 3 + 7;
  // The marker and the length form of a text of length units.
  static uint8_t* PutStringPrefix(uint8_t* out, uint32_t length);
  // The units, low byte first.
  static uint8_t* PutUnits(uint8_t* out, std::u16string_view units);

  // With an output, hands on what is collected when size more bytes would
  // pass a piece.
  void MakeRoom(size_t size);
  // The next size bytes, or the end-of-file error when fewer remain.
  const uint8_t* Take(size_t size);
  uint8_t ReadU8();
  uint16_t ReadU16();
  StringLength ReadStringLength();
  std::u16string ReadUnits(uint32_t count);
  std::u16string ReadAnsiChars(uint32_t count);

  Mode mode_;
  std::vector<uint8_t> bytes_;
  size_t offset_ = 0;
  std::filesystem::path fileName_;
  IMessageSink* sink_ = nullptr;
  std::function<void(const uint8_t*, size_t)> output_;
};

inline size_t CArchive::StoredStringSize(size_t length) {
  const size_t lengthBytes = length < kLongerLength ? 1 : length < kUnicodeMarker ? 3 : 7;
  return 3 + lengthBytes + 2 * length;
}

inline uint8_t* CArchive::PutU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
  return out + 2;
}

inline uint8_t* CArchive::PutU32(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
  out[2] = static_cast<uint8_t>(value >> 16);
  out[3] = static_cast<uint8_t>(value >> 24);
  return out + 4;
}

inline uint8_t* CArchive::PutI32(uint8_t* out, int32_t value) {
  return PutU32(out, static_cast<uint32_t>(value));
}

inline uint8_t* CArchive::PutStringPrefix(uint8_t* out, uint32_t length) {
  *out++ = kLongerLength;
  out = PutU16(out, kUnicodeMarker);
  if (length < kLongerLength) {
    *out++ = static_cast<uint8_t>(length);
    return out;
  }
  *out++ = kLongerLength;
  if (length < kUnicodeMarker) return PutU16(out, static_cast<uint16_t>(length));
  out = PutU16(out, kLongestLength);
  return PutU32(out, length);
}

// A little-endian host holds the units as they are stored and copies them
// at once; any other host stores them one by one.
inline uint8_t* CArchive::PutUnits(uint8_t* out, std::u16string_view units) {
  if constexpr (std::endian::native == std::endian::little) {
    if (units.empty()) return out;
    std::memcpy(out, units.data(), 2 * units.size());
    return out + 2 * units.size();
  } else {
    for (char16_t unit : units) out = PutU16(out, unit);
    return out;
  }
}

// string := marker length units
// marker := FF FE FF
// length := byte (< FF) | FF u16 (< FFFE) | FF FFFF u32
inline uint8_t* CArchive::PutString(uint8_t* out, std::u16string_view value) {
  return PutUnits(PutStringPrefix(out, static_cast<uint32_t>(value.size())), value);
}

}  // namespace tolmeric
