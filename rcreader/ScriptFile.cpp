#include "rcreader/ScriptFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "translation/Archive.h"
#include "translation/FileError.h"

namespace tolmeric {

namespace {

// The words ReadWholeTextFile uses for a file over the limit.
[[noreturn]] void ThrowTooLarge(const std::filesystem::path& path) {
  constexpr uint64_t kMiB = uint64_t{1} << 20;
  static_assert(kMaxScriptBytes % kMiB == 0);
  throw CFileError(FileErrorKind::kCannotOpen, path,
                   "larger than " + std::to_string(kMaxScriptBytes / kMiB) + " MiB");
}

bool StartsWithUtf16Mark(const std::string& bytes) {
  return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                               (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

}  // namespace

// The check reads every byte once, block by block: the size the file has
// while it is read counts, not the one the folder names.
CScriptFile::CScriptFile(const std::filesystem::path& path, size_t blockSize)
    : path_(path), blockSize_(std::max<size_t>(blockSize, 2)) {
  CheckInputFile(path_, kMaxScriptBytes);
  errno = 0;
  in_.open(path_, std::ios::binary);
  if (!in_) throw CFileError(FileErrorKind::kCannotOpen, path_, LastSystemError());
  std::string block;
  bool utf16 = false;
  bool nul = false;
  for (;;) {
    block.clear();
    const size_t got = Read(block, blockSize_);
    if (size_ == 0) utf16 = StartsWithUtf16Mark(block);
    size_ += got;
    if (size_ > kMaxScriptBytes) ThrowTooLarge(path_);
    if (!utf16 && !nul) nul = std::memchr(block.data(), '\0', got) != nullptr;
    if (got < blockSize_) break;
  }
  if (in_.bad()) throw CFileError(FileErrorKind::kCannotOpen, path_, "read failed");
  binary_ = nul;
  in_.clear();
  in_.seekg(0);
}

CScriptFile::~CScriptFile() = default;

void CScriptFile::RefuseBinary() const {
  if (!binary_) return;
  throw CFileError(FileErrorKind::kBadData, path_,
                   "NUL bytes: a binary file, not a resource script; a UTF-16 script needs "
                   "its byte order mark");
}

bool CScriptFile::ReadBlock(std::string& bytes) {
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(blockSize_, size_ - read_));
  if (wanted == 0) return false;
  const size_t got = Read(bytes, wanted);
  if (in_.bad()) throw CFileError(FileErrorKind::kCannotOpen, path_, "read failed");
  read_ += got;
  if (got == 0) read_ = size_;  // the file shrank meanwhile
  return got > 0;
}

// Appends up to count bytes; the number read.
size_t CScriptFile::Read(std::string& bytes, size_t count) {
  const size_t old = bytes.size();
  bytes.resize(old + count);
  in_.read(bytes.data() + old, static_cast<std::streamsize>(count));
  const size_t got = static_cast<size_t>(in_.gcount());
  bytes.resize(old + got);
  return got;
}

}  // namespace tolmeric
