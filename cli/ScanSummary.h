// The one-line summary of a scan that scan and build print.
#pragma once

#include <cstdint>
#include <string>

namespace tolmeric {
class CTextNode;
}  // namespace tolmeric

namespace tolmeric::cli {

// "2 scripts, 4 dialogs, 2 menus, 3 string tables, 87 nodes, 5 problems",
// counted in the tree the scan built (root may be null: nothing scanned).
std::string ScanSummary(int32_t scripts, const CTextNode* root, int32_t problems);

}  // namespace tolmeric::cli
