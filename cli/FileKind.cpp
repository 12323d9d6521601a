#include "cli/FileKind.h"

#include <fstream>
#include <string_view>

#include "cli/CliSession.h"
#include "rcreader/ProblemLog.h"
#include "runtime/StringFunctions.h"
#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

const std::u16string kMagic = u"_LEXIVANE__LANGUAGE_FILE_";
constexpr size_t kPrefixSize = 64 * 1024;

bool StartsWithMagic(CArchive& archive) { return archive.ReadString() == kMagic; }

bool ReadFlag(CArchive& archive) { return archive.ReadU32() <= 1; }

// project-start := string projectPath, string languageFileName,
//                  flag testVersion, flag autoInstall, flag replaceBegin,
//                  string beginText, flag replaceEnd, string endText,
//                  language-file...
// where a flag is a 32-bit 0 or 1.
bool StartsLikeProject(CArchive& archive) {
  archive.ReadString();
  archive.ReadString();
  if (!ReadFlag(archive) || !ReadFlag(archive) || !ReadFlag(archive)) return false;
  archive.ReadString();
  if (!ReadFlag(archive)) return false;
  archive.ReadString();
  return StartsWithMagic(archive);
}

// A log of the scan starts with the scan's header line.
bool StartsLikeLog(const std::vector<uint8_t>& bytes) {
  std::u16string header;
  LoadTranslatedString(header, kMsgScanStart);
  while (!header.empty() && (header.back() == u'\n' || header.back() == u'\r')) header.pop_back();
  const std::string line = ToUtf8(header);
  if (line.empty() || bytes.size() < line.size()) return false;
  if (std::string(bytes.begin(), bytes.begin() + line.size()) != line) return false;
  return bytes.size() == line.size() || bytes[line.size()] == '\r' || bytes[line.size()] == '\n';
}

template <typename Test>
bool Passes(const std::vector<uint8_t>& bytes, Test test) {
  CArchive archive = CArchive::ForLoading(bytes, {});
  try {
    return test(archive);
  } catch (const CFileError&) {
    return false;
  }
}

}  // namespace

// A PO catalogue (a line that starts with msgid) or an XLIFF document, as
// the export writes them and translators' tools keep them.
static bool LooksLikeTranslatorsFile(const std::vector<uint8_t>& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return text.find("<xliff") != std::string_view::npos || text.rfind("msgid ", 0) == 0 ||
         text.find("\nmsgid ") != std::string_view::npos;
}

FileKind KindOfBytes(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return FileKind::kEmpty;
  if (Passes(bytes, StartsWithMagic)) return FileKind::kLanguageFile;
  if (Passes(bytes, StartsLikeProject)) return FileKind::kProjectFile;
  if (StartsLikeLog(bytes)) return FileKind::kLog;
  if (LooksLikeTranslatorsFile(bytes)) return FileKind::kTranslatorsFile;
  return FileKind::kOther;
}

FileKind KindOfFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(kPrefixSize);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || (!in && !in.eof())) {
    throw CFileError(FileErrorKind::kCannotOpen, path, LastSystemError());
  }
  bytes.resize(static_cast<size_t>(in.gcount()));
  return KindOfBytes(bytes);
}

const char* DescribeFileKind(FileKind kind) {
  switch (kind) {
    case FileKind::kEmpty: return "empty";
    case FileKind::kLanguageFile: return "a language file";
    case FileKind::kProjectFile: return "a project";
    case FileKind::kLog: return "a problem log";
    case FileKind::kTranslatorsFile: return "a PO or XLIFF file";
    case FileKind::kOther: break;
  }
  return "not a language file or project";
}

DataFile ReadDataFile(const std::filesystem::path& path) {
  CArchive archive = CArchive::OpenForLoading(path);
  DataFile file;
  file.kind = KindOfBytes(archive.Bytes());
  if (file.kind == FileKind::kLanguageFile) {
    file.language = std::make_unique<CLanguageData>();
    file.language->Serialize(archive);
  } else if (file.kind == FileKind::kProjectFile) {
    file.project = std::make_unique<CProject>();
    file.project->Serialize(archive);
  } else {
    throw CommandError(PathText(path) + ": not a language file or project");
  }
  return file;
}

DataFile ReadDataFile(const std::filesystem::path& path, FileKind wanted) {
  DataFile file = ReadDataFile(path);
  if (file.kind != wanted) {
    throw CommandError(PathText(path) + ": " + DescribeFileKind(file.kind) + ", not " +
                       DescribeFileKind(wanted));
  }
  return file;
}

}  // namespace tolmeric::cli
