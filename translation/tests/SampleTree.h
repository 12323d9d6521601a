// Trees for tests: a tree shaped like the one a scan of a real application
// gives, and a chain of a chosen depth.
#pragma once

#include <cstdint>
#include <memory>

#include "translation/LanguageData.h"
#include "translation/TextNode.h"

namespace tolmeric {

// Root "RCFile" with the categories "Menus", "Dialoge" and "Stringtables":
// menus with popups and items, dialogs with controls, string tables with
// entries. Texts include umlauts, accelerators and tabs; states are set.
std::unique_ptr<CTextNode> BuildSampleTree(int32_t menus, int32_t dialogs, int32_t stringTables);

// Language data around BuildSampleTree with every header field and the flag
// set to values that differ from the defaults.
std::unique_ptr<CLanguageData> BuildSampleData(int32_t menus, int32_t dialogs,
                                               int32_t stringTables);

// A chain of depth nodes, each the only child of the one above.
std::unique_ptr<CTextNode> BuildChain(int32_t depth);

}  // namespace tolmeric
