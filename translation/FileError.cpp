#include "translation/FileError.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace tolmeric {

namespace {

// The path as the user gave it, in UTF-8 whatever the platform's narrow
// encoding is (path::string() may throw on Windows for names outside the
// ANSI code page).
std::string PathForMessage(const std::filesystem::path& path) {
  std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

std::string ComposeMessage(FileErrorKind kind, const std::filesystem::path& path,
                           const std::string& detail) {
  std::string message = PathForMessage(path) + ": " + DescribeFileErrorKind(kind);
  if (!detail.empty()) message += " (" + detail + ")";
  return message;
}

}  // namespace

CFileError::CFileError(FileErrorKind kind, std::filesystem::path path, const std::string& detail)
    : std::runtime_error(ComposeMessage(kind, path, detail)), kind_(kind), path_(std::move(path)) {}

std::string LastSystemError() {
  const int error = errno;
  return error == 0 ? std::string() : std::generic_category().message(error);
}

const char* DescribeFileErrorKind(FileErrorKind kind) {
  switch (kind) {
    case FileErrorKind::kCannotOpen:
      return "cannot open file";
    case FileErrorKind::kCannotCreate:
      return "cannot create file";
    case FileErrorKind::kWriteFailed:
      return "cannot write file";
    case FileErrorKind::kEndOfFile:
      return "unexpected end of file";
    case FileErrorKind::kBadData:
      return "damaged data";
  }
  return "file error";
}

}  // namespace tolmeric
