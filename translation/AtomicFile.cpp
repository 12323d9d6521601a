#include "translation/AtomicFile.h"

#include <random>
#include <string>
#include <system_error>

#include "translation/FileError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace tolmeric {

namespace {

constexpr int kNameAttempts = 16;

bool Allowed(const SaveFaultHook& hook, SaveStep step) { return !hook || hook(step); }

// A name beside target that no other save is likely to pick:
// "<name>.<random>.tmp".
std::filesystem::path TemporaryName(const std::filesystem::path& target) {
  thread_local std::mt19937 generator{std::random_device{}()};
  std::filesystem::path name = target;
  std::string suffix = ".";
  suffix += std::to_string(generator());
  suffix += ".tmp";
  name += suffix;
  return name;
}

#ifdef _WIN32

// The open temporary file; closes it when the save leaves early.
class CTemporaryFile {
 public:
  ~CTemporaryFile() { Close(); }
  bool Create(const std::filesystem::path& path) {
    handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
  }
  bool AlreadyExists() const { return GetLastError() == ERROR_FILE_EXISTS; }
  bool Write(const uint8_t* data, size_t size) {
    while (size > 0) {
      DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
      DWORD written = 0;
      if (!WriteFile(handle_, data, chunk, &written, nullptr) || written == 0) return false;
      data += written;
      size -= written;
    }
    return true;
  }
  bool Flush() { return FlushFileBuffers(handle_) != 0; }
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

bool ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
         0;
}

#else

class CTemporaryFile {
 public:
  ~CTemporaryFile() { Close(); }
  bool Create(const std::filesystem::path& path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      lastError_ = errno;
      return false;
    }
    return true;
  }
  bool AlreadyExists() const { return lastError_ == EEXIST; }
  // The replaced file's permissions carry over to its successor.
  void CopyPermissions(const std::filesystem::path& from) {
    struct stat status;
    if (stat(from.c_str(), &status) == 0) fchmod(fd_, status.st_mode & 07777);
  }
  bool Write(const uint8_t* data, size_t size) {
    while (size > 0) {
      ssize_t written = write(fd_, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      size -= static_cast<size_t>(written);
    }
    return true;
  }
  bool Flush() { return fsync(fd_) == 0; }
  bool Close() {
    if (fd_ < 0) return true;
    bool closed = close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_ = -1;
  int lastError_ = 0;
};

bool ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

#endif

// Creates the temporary file under a fresh name; empty path when it cannot.
std::filesystem::path CreateTemporary(CTemporaryFile& file, const std::filesystem::path& target) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::filesystem::path name = TemporaryName(target);
    if (file.Create(name)) return name;
    if (!file.AlreadyExists()) break;
  }
  return {};
}

}  // namespace

namespace {

// Writes bytes to a new temporary file beside target and returns its name;
// on failure no temporary file remains and CFileError is thrown.
std::filesystem::path WriteTemporary(const std::filesystem::path& target,
                                     const std::vector<uint8_t>& bytes, const SaveFaultHook& hook) {
  CTemporaryFile file;
  std::filesystem::path temporary;
  errno = 0;
  if (Allowed(hook, SaveStep::kCreate)) temporary = CreateTemporary(file, target);
  if (temporary.empty()) throw CFileError(FileErrorKind::kCannotCreate, target, LastSystemError());

  auto fail = [&](const char* detail) {
    file.Close();
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw CFileError(FileErrorKind::kWriteFailed, target, detail);
  };
#ifndef _WIN32
  file.CopyPermissions(target);
#endif
  if (!Allowed(hook, SaveStep::kWrite) || !file.Write(bytes.data(), bytes.size())) fail("write");
  if (!Allowed(hook, SaveStep::kFlush) || !file.Flush() || !file.Close()) fail("flush");
  return temporary;
}

// Puts a written temporary file in the place of target; on failure the
// temporary file is removed and CFileError is thrown.
void ReplaceWithTemporary(const std::filesystem::path& temporary,
                          const std::filesystem::path& target, const SaveFaultHook& hook) {
  if (Allowed(hook, SaveStep::kReplace) && ReplaceTarget(temporary, target)) return;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  throw CFileError(FileErrorKind::kWriteFailed, target, "replace");
}

}  // namespace

void SaveFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                        const SaveFaultHook& hook) {
  ReplaceWithTemporary(WriteTemporary(target, bytes, hook), target, hook);
}

void SaveFilesAtomically(const std::vector<PendingFile>& files, const SaveFaultHook& hook) {
  std::vector<std::filesystem::path> temporaries;
  try {
    for (const PendingFile& file : files) {
      temporaries.push_back(WriteTemporary(file.target, file.bytes, hook));
    }
  } catch (const CFileError&) {
    std::error_code ignored;
    for (const auto& temporary : temporaries) std::filesystem::remove(temporary, ignored);
    throw;
  }
  // A folder standing in a target's place is the one refusal a replace
  // meets after its temporary file was written; it is found before any
  // target is touched.
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ignored;
    if (std::filesystem::is_directory(files[i].target, ignored)) {
      for (const auto& temporary : temporaries) std::filesystem::remove(temporary, ignored);
      throw CFileError(FileErrorKind::kWriteFailed, files[i].target, "a folder has that name");
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    try {
      ReplaceWithTemporary(temporaries[i], files[i].target, hook);
    } catch (const CFileError&) {
      std::error_code ignored;
      for (size_t j = i + 1; j < temporaries.size(); ++j) std::filesystem::remove(temporaries[j], ignored);
      throw;
    }
  }
}

}  // namespace tolmeric
