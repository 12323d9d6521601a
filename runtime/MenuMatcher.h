// Recognising a menu by its item texts: which menu of the language file a
// live menu is, and which text each item gets. Portable: the result is a
// list of edits that the caller applies to the menu.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/DialogMatcher.h"
#include "runtime/MenuItemSnapshot.h"
#include "translation/TextNode.h"

namespace tolmeric {

struct CMenuScore {
  int32_t itemMisses = 0;
  int32_t nodeMisses = 0;
  bool operator==(const CMenuScore&) const = default;
};

struct CMenuMatch {
  int32_t index = -1;  // -1: no menu taken
  int32_t side = kSideBase;
  bool operator==(const CMenuMatch&) const = default;
};

// One change to a live menu.
struct CMenuEdit {
  enum class Kind { kModify, kAppendSeparator, kAppendItem };
  Kind kind = Kind::kModify;
  MenuId menu = 0;
  int32_t position = 0;  // for kModify
  CMenuItemWrite item;   // for kModify and kAppendItem
  bool operator==(const CMenuEdit&) const = default;
};
using CMenuPlan = std::vector<CMenuEdit>;

// Holds the snapshot of the menu being translated, for one translation.
class CMenuTranslator {
 public:
  explicit CMenuTranslator(std::unique_ptr<CMenuItemSnapshot> root) : root(std::move(root)) {}
  std::unique_ptr<CMenuItemSnapshot> root;
};

// Misses of item i against node n on one side: each item is compared with
// the first child of n of equal text (whether used or not) and scored below
// it; an item without one misses with its whole item count; each child of n
// that no item chose misses with its whole subtree.
CMenuScore ScoreMenu(const CMenuItemSnapshot& item, const CTextNode& node, int32_t side);

// The menu node compared with a snapshot: the category's child, in popup
// mode its first child when it has children (a context menu is the first
// popup of a menu resource).
const CTextNode& MenuCandidate(const CTextNode& menu, bool popupMode);

// The menu with the lowest total of misses, on both sides; equal totals go
// to the later candidate (side 1 over side 0). No threshold.
CMenuMatch FindBestMenu(const CMenuItemSnapshot& root, const CTextNode& category,
                        bool popupMode);

// The item texts from node n: each item whose text equals a child of n
// takes that child's text, popups after their own items.
CMenuPlan ApplyMenuTexts(const CMenuItemSnapshot& item, const CTextNode& node, int32_t side);

// The language item in popup p: rewritten where it stands, else appended
// after a separator.
CMenuPlan EnsureLanguageItem(const CMenuItemSnapshot& popup, int32_t languageCommandId,
                             const std::u16string& text);

// The text of the language item: child 9 of the standard switch dialog,
// empty when there is none.
std::u16string LanguageItemText(const CTextNode* standardSwitchDialog);

// Writes the edits in order.
void ApplyMenuPlan(IWindowSystem& windows, const CMenuPlan& plan);

}  // namespace tolmeric
