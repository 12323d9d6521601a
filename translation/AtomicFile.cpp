#include "translation/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "translation/FileError.h"

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tolmeric {

namespace {

constexpr int kNameAttempts = 16;
// Links are followed this far; a longer chain is most likely a loop, and
// the save then fails at the last name.
constexpr int kMaxLinkHops = 40;
#ifdef _WIN32
const std::wstring kDash = L"-";
#else
const std::string kDash = "-";
#endif

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

// The open output: a temporary file, a device or standard output; closes
// what it opened when the save leaves early.
class COutputFile {
 public:
  ~COutputFile() { Close(); }
  bool Create(const std::filesystem::path& path) {
    handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
  }
  bool OpenExisting(const std::filesystem::path& path) {
    handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
  }
  bool UseStandardOutput() {
    std::fflush(stdout);
    handle_ = GetStdHandle(STD_OUTPUT_HANDLE);
    borrowed_ = true;
    return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr;
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
    bool closed = borrowed_ || CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool borrowed_ = false;  // standard output stays open
};

bool ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
         0;
}

#else

class COutputFile {
 public:
  ~COutputFile() { Close(); }
  bool Create(const std::filesystem::path& path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      lastError_ = errno;
      return false;
    }
    created_ = true;
    return true;
  }
  bool OpenExisting(const std::filesystem::path& path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    return fd_ >= 0;
  }
  bool UseStandardOutput() {
    std::fflush(stdout);
    fd_ = STDOUT_FILENO;
    borrowed_ = true;
    return true;
  }
  bool AlreadyExists() const { return lastError_ == EEXIST; }
  // The replaced file's permissions carry over to its successor.
  void CopyPermissions(const std::filesystem::path& from) {
    struct stat status;
    if (stat(from.c_str(), &status) == 0) fchmod(fd_, status.st_mode & 07777);
  }
  bool Write(const uint8_t* data, size_t size) {
    const off_t start = written_;
    while (size > 0) {
      ssize_t written = write(fd_, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      size -= static_cast<size_t>(written);
      written_ += written;
    }
#ifdef __linux__
    // A file made here goes to the disk as it is written, so that the
    // flush before it replaces its target has little left to wait for. Only
    // a hint: the flush still decides.
    if (created_) sync_file_range(fd_, start, written_ - start, SYNC_FILE_RANGE_WRITE);
#endif
    return true;
  }
  bool Flush() { return fsync(fd_) == 0; }
  bool Close() {
    if (fd_ < 0) return true;
    bool closed = borrowed_ || close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_ = -1;
  bool borrowed_ = false;  // standard output stays open
  bool created_ = false;   // a temporary file made by Create
  off_t written_ = 0;
  int lastError_ = 0;
};

bool ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

#endif

// Creates the temporary file under a fresh name; empty path when it cannot.
std::filesystem::path CreateTemporary(COutputFile& file, const std::filesystem::path& target) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::filesystem::path name = TemporaryName(target);
    if (file.Create(name)) return name;
    if (!file.AlreadyExists()) break;
  }
  return {};
}

// A sink whose write failed: the save fails at its write step.
struct WriteFailed {};

// Hands the pieces that produce makes to file.
void Produce(COutputFile& file, const std::function<void(const ByteSink&)>& produce) {
  produce([&file](const uint8_t* data, size_t size) {
    if (!file.Write(data, size)) throw WriteFailed();
  });
}

// Writes what produce makes to a new temporary file beside target and
// returns its name; on failure no temporary file remains and CFileError (or
// what produce threw) is thrown.
std::filesystem::path WriteTemporary(const std::filesystem::path& target,
                                     const std::function<void(const ByteSink&)>& produce,
                                     const SaveFaultHook& hook) {
  COutputFile file;
  std::filesystem::path temporary;
  errno = 0;
  if (Allowed(hook, SaveStep::kCreate)) temporary = CreateTemporary(file, target);
  if (temporary.empty()) throw CFileError(FileErrorKind::kCannotCreate, target, LastSystemError());

  auto removeTemporary = [&] {
    file.Close();
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  };
  auto fail = [&](const char* detail) {
    removeTemporary();
    throw CFileError(FileErrorKind::kWriteFailed, target, detail);
  };
#ifndef _WIN32
  file.CopyPermissions(target);
#endif
  if (!Allowed(hook, SaveStep::kWrite)) fail("write");
  try {
    Produce(file, produce);
  } catch (const WriteFailed&) {
    fail("write");
  } catch (...) {
    removeTemporary();
    throw;
  }
  if (!Allowed(hook, SaveStep::kFlush) || !file.Flush() || !file.Close()) fail("flush");
  return temporary;
}

std::function<void(const ByteSink&)> AllAtOnce(const std::vector<uint8_t>& bytes) {
  return [&bytes](const ByteSink& write) { write(bytes.data(), bytes.size()); };
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

// Writes what produce makes straight into a device, a pipe or standard
// output.
void WriteThrough(const std::filesystem::path& target,
                  const std::function<void(const ByteSink&)>& produce, const SaveFaultHook& hook) {
  COutputFile file;
  errno = 0;
  const bool opened = IsStandardOutputName(target) ? file.UseStandardOutput()
                                                   : file.OpenExisting(target);
  if (!Allowed(hook, SaveStep::kCreate) || !opened) {
    throw CFileError(FileErrorKind::kCannotCreate, target, LastSystemError());
  }
  bool written = Allowed(hook, SaveStep::kWrite);
  if (written) {
    try {
      Produce(file, produce);
    } catch (const WriteFailed&) {
      written = false;
    }
  }
  if (!written || !file.Close()) throw CFileError(FileErrorKind::kWriteFailed, target, "write");
}

void RemoveAll(const std::vector<std::filesystem::path>& temporaries, size_t from) {
  std::error_code ignored;
  for (size_t i = from; i < temporaries.size(); ++i) {
    if (!temporaries[i].empty()) std::filesystem::remove(temporaries[i], ignored);
  }
}

}  // namespace

bool IsStandardOutputName(const std::filesystem::path& path) { return path.native() == kDash; }

std::filesystem::path FollowLinks(const std::filesystem::path& path) {
  std::filesystem::path place = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(place, error))) return place;
    std::filesystem::path next = std::filesystem::read_symlink(place, error);
    if (error) return place;
    place = next.is_absolute() ? next : place.parent_path() / next;
  }
  return place;
}

bool WritesThrough(const std::filesystem::path& path) {
  if (IsStandardOutputName(path)) return true;
#ifdef _WIN32
  // Devices have reserved names in every folder; only NUL and CON are
  // outputs anyone names.
  std::wstring stem = path.stem().native();
  for (wchar_t& c : stem) c = static_cast<wchar_t>(towupper(c));
  return stem == L"NUL" || stem == L"CON" || path.native().rfind(L"\\\\.\\", 0) == 0;
#else
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return false;
  return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) || S_ISFIFO(status.st_mode) ||
         S_ISSOCK(status.st_mode);
#endif
}

void SaveFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                        const SaveFaultHook& hook) {
  SavePiecesAtomically(target, AllAtOnce(bytes), hook);
}

void SavePiecesAtomically(const std::filesystem::path& target,
                          const std::function<void(const ByteSink&)>& produce,
                          const SaveFaultHook& hook) {
  const std::filesystem::path place = FollowLinks(target);
  if (WritesThrough(place)) {
    WriteThrough(place, produce, hook);
    return;
  }
  ReplaceWithTemporary(WriteTemporary(place, produce, hook), place, hook);
}

void SaveFilesAtomically(const std::vector<PendingFile>& files, const SaveFaultHook& hook) {
  // Where each file goes; an empty temporary name marks a file written
  // through.
  std::vector<std::filesystem::path> places;
  std::vector<std::filesystem::path> temporaries;
  auto contentOf = [](const PendingFile& file) {
    return file.produce ? file.produce : AllAtOnce(file.bytes);
  };
  try {
    for (const PendingFile& file : files) {
      places.push_back(FollowLinks(file.target));
      temporaries.push_back(WritesThrough(places.back())
                                ? std::filesystem::path()
                                : WriteTemporary(places.back(), contentOf(file), hook));
    }
  } catch (...) {
    RemoveAll(temporaries, 0);
    throw;
  }
  // A folder standing in a target's place is the one refusal a replace
  // meets after its temporary file was written; it is found before any
  // target is touched.
  for (const std::filesystem::path& place : places) {
    std::error_code ignored;
    if (std::filesystem::is_directory(place, ignored)) {
      RemoveAll(temporaries, 0);
      throw CFileError(FileErrorKind::kWriteFailed, place, "a folder has that name");
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    try {
      if (temporaries[i].empty()) {
        WriteThrough(places[i], contentOf(files[i]), hook);
      } else {
        ReplaceWithTemporary(temporaries[i], places[i], hook);
      }
    } catch (...) {
      RemoveAll(temporaries, i + 1);
      throw;
    }
  }
}

}  // namespace tolmeric
