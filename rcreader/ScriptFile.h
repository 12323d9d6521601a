// A script on disk, read in blocks as its lines are needed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace tolmeric {

// The bytes of a script file, handed out one block at a time, so that a
// scan never holds the whole file. The file is checked once, in blocks,
// when it is opened; later reads deliver at most the bytes found then.
class CScriptFile {
 public:
  static constexpr size_t kBlockSize = size_t{1} << 20;

  // Opens path and reads it through once: CFileError kCannotOpen, naming
  // it, for anything but a regular file, for one that cannot be read and
  // for one larger than kMaxScriptBytes. blockSize is at least 2.
  explicit CScriptFile(const std::filesystem::path& path, size_t blockSize = kBlockSize);
  ~CScriptFile();
  CScriptFile(const CScriptFile&) = delete;
  CScriptFile& operator=(const CScriptFile&) = delete;

  // A NUL byte outside a UTF-16 script, as CScriptDecoder::IsBinary says.
  bool binary() const { return binary_; }
  // Throws CFileError kBadData, naming the file, for a binary one.
  void RefuseBinary() const;

  // Appends the next block to bytes; false when nothing is left.
  bool ReadBlock(std::string& bytes);

 private:
  size_t Read(std::string& bytes, size_t count);

  std::filesystem::path path_;
  std::ifstream in_;
  size_t blockSize_;
  uint64_t size_ = 0;  // the bytes found by the check
  uint64_t read_ = 0;
  bool binary_ = false;
};

}  // namespace tolmeric
