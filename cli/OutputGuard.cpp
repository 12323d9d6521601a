#include "cli/OutputGuard.h"

#include <system_error>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "translation/AtomicFile.h"

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
#endif

namespace tolmeric::cli {

namespace fs = std::filesystem;

namespace {

// The path as one spelling: absolute, "." and ".." and links resolved as
// far as the path exists; on Windows with one slash and one letter case.
fs::path Spelling(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  fs::path spelled = fs::weakly_canonical(absolute, error);
  if (error) spelled = absolute.lexically_normal();
#ifdef _WIN32
  std::wstring text = spelled.make_preferred().native();
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return fs::path(text);
#else
  return spelled;
#endif
}

#ifdef _WIN32
// Volume and file index, which tell one file under all its names.
bool FileIdentity(const fs::path& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return known;
}

bool SameExistingFile(const fs::path& a, const fs::path& b) {
  BY_HANDLE_FILE_INFORMATION first;
  BY_HANDLE_FILE_INFORMATION second;
  if (FileIdentity(a, first) && FileIdentity(b, second) &&
      (first.nFileIndexHigh != 0 || first.nFileIndexLow != 0)) {
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
  }
  return Spelling(a) == Spelling(b);
}
#else
bool SameExistingFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const bool same = fs::equivalent(a, b, error);
  return error ? Spelling(a) == Spelling(b) : same;
}
#endif

std::string Describe(const NamedFile& file) { return file.role + " " + PathText(file.path); }

}  // namespace

bool SameFile(const fs::path& a, const fs::path& b) {
  if (WritesThrough(a) || WritesThrough(b)) return false;
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return SameExistingFile(a, b);
  return Spelling(a) == Spelling(b);
}

void CheckOutputsAreNotInputs(const std::vector<NamedFile>& inputs,
                              const std::vector<NamedFile>& outputs) {
  for (size_t i = 0; i < outputs.size(); ++i) {
    for (const NamedFile& input : inputs) {
      if (SameFile(outputs[i].path, input.path)) {
        throw UsageError(Describe(outputs[i]) + " is the same file as " + Describe(input));
      }
    }
    for (size_t j = 0; j < i; ++j) {
      const bool bothStandardOutput =
          IsStandardOutputName(outputs[i].path) && IsStandardOutputName(outputs[j].path);
      if (bothStandardOutput || SameFile(outputs[i].path, outputs[j].path)) {
        throw UsageError(Describe(outputs[i]) + " is the same file as " + Describe(outputs[j]));
      }
    }
  }
}

void CheckReplaceable(const fs::path& path, FileKind wanted, bool force) {
  std::error_code error;
  if (force || !fs::exists(path, error) || WritesThrough(FollowLinks(path))) return;
  if (fs::is_directory(path, error)) throw CommandError(PathText(path) + ": is a folder");
  const FileKind found = KindOfFile(path);
  if (found == wanted || found == FileKind::kEmpty) return;
  const std::string what = found == FileKind::kOther ? "something else" : DescribeFileKind(found);
  throw CommandError(PathText(path) + ": is " + what + ", not " + DescribeFileKind(wanted) +
                     "; it is left as it is (--force replaces it)");
}

std::FILE* ReportStream(const std::vector<NamedFile>& outputs) {
  for (const NamedFile& output : outputs) {
    if (IsStandardOutputName(output.path)) return stderr;
  }
  return stdout;
}

}  // namespace tolmeric::cli
