#include "runtime/MenuMatcher.h"

#include <vector>

namespace tolmeric {

namespace {

// The first child of node whose compared text is text, or -1.
int32_t FirstEqualChild(const CTextNode& node, const std::u16string& text, int32_t side) {
  for (int32_t k = 0; k < node.childCount; ++k) {
    if (ComparedText(*node.ChildAt(k), side) == text) return k;
  }
  return -1;
}

constexpr int32_t kNoMenuScore = 9999;

}  // namespace

CMenuScore ScoreMenu(const CMenuItemSnapshot& item, const CTextNode& node, int32_t side) {
  CMenuScore score;
  std::vector<char> used(static_cast<size_t>(node.childCount), 0);
  for (const auto& slot : item.items) {
    if (!slot) continue;
    const int32_t k = FirstEqualChild(node, slot->text, side);
    if (k < 0) {
      score.itemMisses += slot->ItemCount();
      continue;
    }
    const CMenuScore below = ScoreMenu(*slot, *node.ChildAt(k), side);
    score.itemMisses += below.itemMisses;
    score.nodeMisses += below.nodeMisses;
    used[static_cast<size_t>(k)] = 1;
  }
  for (int32_t k = 0; k < node.childCount; ++k) {
    if (!used[static_cast<size_t>(k)]) score.nodeMisses += node.ChildAt(k)->CountNodes();
  }
  return score;
}

const CTextNode& MenuCandidate(const CTextNode& menu, bool popupMode) {
  return popupMode && menu.childCount > 0 ? *menu.ChildAt(0) : menu;
}

CMenuMatch FindBestMenu(const CMenuItemSnapshot& root, const CTextNode& category,
                        bool popupMode) {
  CMenuMatch match;
  int32_t best = kNoMenuScore;
  for (int32_t i = 0; i < category.childCount; ++i) {
    const CTextNode& candidate = MenuCandidate(*category.ChildAt(i), popupMode);
    for (int32_t side : {kSideBase, kSideText}) {
      const CMenuScore score = ScoreMenu(root, candidate, side);
      const int32_t total = score.itemMisses + score.nodeMisses;
      if (total <= best) {
        best = total;
        match = {i, side};
      }
    }
  }
  return match;
}

CMenuPlan ApplyMenuTexts(const CMenuItemSnapshot& item, const CTextNode& node, int32_t side) {
  CMenuPlan plan;
  for (size_t p = 0; p < item.items.size(); ++p) {
    const CMenuItemSnapshot* slot = item.items[p].get();
    if (!slot) continue;
    const int32_t k = FirstEqualChild(node, slot->text, side);
    if (k < 0) continue;
    const CTextNode& match = *node.ChildAt(k);
    CMenuPlan below = ApplyMenuTexts(*slot, match, side);
    plan.insert(plan.end(), std::make_move_iterator(below.begin()),
                std::make_move_iterator(below.end()));
    CMenuEdit edit;
    edit.menu = item.submenu;
    edit.position = static_cast<int32_t>(p);
    edit.item.popup = slot->IsPopup();
    edit.item.submenu = slot->submenu;
    edit.item.commandId = slot->IsPopup() ? 0 : slot->commandId;
    edit.item.text = match.text;
    plan.push_back(std::move(edit));
  }
  return plan;
}

CMenuPlan EnsureLanguageItem(const CMenuItemSnapshot& popup, int32_t languageCommandId,
                             const std::u16string& text) {
  CMenuEdit item;
  item.menu = popup.submenu;
  item.item.commandId = languageCommandId;
  item.item.text = text;
  for (size_t p = 0; p < popup.items.size(); ++p) {
    const CMenuItemSnapshot* slot = popup.items[p].get();
    if (slot && slot->commandId == languageCommandId) {
      item.position = static_cast<int32_t>(p);
      return {item};
    }
  }
  CMenuEdit separator;
  separator.kind = CMenuEdit::Kind::kAppendSeparator;
  separator.menu = popup.submenu;
  item.kind = CMenuEdit::Kind::kAppendItem;
  return {separator, item};
}

std::u16string LanguageItemText(const CTextNode* standardSwitchDialog) {
  constexpr int32_t kLanguageItemChild = 9;
  const CTextNode* child =
      standardSwitchDialog ? standardSwitchDialog->ChildAt(kLanguageItemChild) : nullptr;
  return child ? child->text : std::u16string();
}

void ApplyMenuPlan(IWindowSystem& windows, const CMenuPlan& plan) {
  for (const CMenuEdit& edit : plan) {
    switch (edit.kind) {
      case CMenuEdit::Kind::kModify:
        windows.ModifyMenuItem(edit.menu, edit.position, edit.item);
        break;
      case CMenuEdit::Kind::kAppendSeparator:
        windows.AppendMenuSeparator(edit.menu);
        break;
      case CMenuEdit::Kind::kAppendItem:
        windows.AppendMenuItem(edit.menu, edit.item.commandId, edit.item.text);
        break;
    }
  }
}

}  // namespace tolmeric
