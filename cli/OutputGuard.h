// Keeps a command from destroying what the user owns: no output may be one
// of the inputs or another output, and an existing output is replaced only
// when it is a file of the kind the command writes.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/FileKind.h"

namespace tolmeric::cli {

// A file a command reads or writes, as named to the user.
struct NamedFile {
  std::string role;  // "--output", "script", "language file" ...
  std::filesystem::path path;
};

// True when a and b are one file: through links, hard links, "./" and
// "../", and on Windows also letter case and either slash. Standard output
// and devices or pipes are never one file with anything.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Throws UsageError naming both files when an output is an input or two
// outputs are one file (or both standard output).
void CheckOutputsAreNotInputs(const std::vector<NamedFile>& inputs,
                              const std::vector<NamedFile>& outputs);

// Throws CommandError when path holds something other than a file of kind
// wanted that a command would replace: a missing file, an empty file,
// standard output, a device and a pipe are always fine; force allows any
// other file too.
void CheckReplaceable(const std::filesystem::path& path, FileKind wanted, bool force);

// Where a command prints its summary and "wrote" lines: standard output,
// unless one of outputs is written there; then standard error.
std::FILE* ReportStream(const std::vector<NamedFile>& outputs);

}  // namespace tolmeric::cli
