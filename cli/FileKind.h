// What a file is, told by its first bytes and never by its name: a language
// file, a project file, a problem log of the scan, or something else.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "translation/LanguageData.h"
#include "translation/Project.h"

namespace tolmeric::cli {

enum class FileKind { kEmpty, kLanguageFile, kProjectFile, kLog, kTranslatorsFile, kOther };

// The kind of a file whose first bytes (or all of them) are given.
FileKind KindOfBytes(const std::vector<uint8_t>& bytes);

// The kind of the file at path, from at most its first 64 KiB. CFileError
// kCannotOpen when it cannot be read.
FileKind KindOfFile(const std::filesystem::path& path);

// "a language file", "a project", "a problem log", "empty", "not a
// language file or project".
const char* DescribeFileKind(FileKind kind);

// A language file or a project, read whole.
struct DataFile {
  // The language file, or the one a project holds.
  const CLanguageData& Language() const { return project ? *project->languageData : *language; }

  FileKind kind = FileKind::kOther;
  std::unique_ptr<CLanguageData> language;  // set for a language file
  std::unique_ptr<CProject> project;        // set for a project
};

// Reads a language file or a project, whichever the content says. Anything
// else is CFileError kBadData "not a language file or project".
DataFile ReadDataFile(const std::filesystem::path& path);

// Reads a file that must be of the kind wanted (kLanguageFile or
// kProjectFile); another kind is CFileError kBadData naming what it is.
DataFile ReadDataFile(const std::filesystem::path& path, FileKind wanted);

}  // namespace tolmeric::cli
