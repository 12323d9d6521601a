// File and archive errors. They end the command that met them and carry the
// file's path and what went wrong.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tolmeric {

enum class FileErrorKind {
  kCannotOpen,    // the file could not be opened for reading
  kCannotCreate,  // the file could not be created for writing
  kWriteFailed,   // writing or replacing the file failed
  kEndOfFile,     // the data ended before the item being read
  kBadData,       // the data is damaged: an impossible length, count or nesting
};

class CFileError : public std::runtime_error {
 public:
  CFileError(FileErrorKind kind, std::filesystem::path path, const std::string& detail = {});

  FileErrorKind Kind() const { return kind_; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  FileErrorKind kind_;
  std::filesystem::path path_;
};

// A short English description of a kind, e.g. "unexpected end of file".
const char* DescribeFileErrorKind(FileErrorKind kind);

// What the system said about the last failed call (errno), e.g. "No such
// file or directory"; empty when it said nothing.
std::string LastSystemError();

}  // namespace tolmeric
