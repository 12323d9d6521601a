// What scan and build print after a scan: warnings about scripts that
// cannot be what the user meant, and the one-line summary.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliSession.h"

namespace tolmeric {
class CTextNode;
}  // namespace tolmeric

namespace tolmeric::cli {

// "2 scripts, 4 dialogs, 2 menus, 3 string tables, 87 nodes, 5 problems",
// counted in the tree the scan built (root may be null: nothing scanned).
std::string ScanSummary(int32_t scripts, const CTextNode* root, int32_t problems);

// One warning for every empty script (paths as the scan opened them), and
// one when the scan found no dialog, menu or string table of the scripts
// (the standard switch dialog the scan may add does not count), after the
// warnings of the reader.
std::vector<std::string> ScanWarnings(const std::vector<std::u16string>& scripts,
                                      const CTextNode* root,
                                      const std::vector<std::u16string>& readerWarnings = {});

// The end of a scan, as scan and build share it.
struct ScanReport {
  int32_t scripts = 0;
  const CTextNode* root = nullptr;
  int32_t problems = 0;
  std::vector<std::string> warnings;
};

// Prints the warnings on stderr and, unless quiet, the summary on out.
// Returns 1 when strict and the scan had problems or warnings, else 0.
int FinishScan(const ScanReport& report, bool strict, Verbosity verbosity, std::FILE* out);

}  // namespace tolmeric::cli
