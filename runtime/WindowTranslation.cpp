// The module's translation of windows and menus: what the hooks, the base
// classes and the registries call. Decisions are the matchers'; this file
// sequences them over the window system.
#include "runtime/DialogMatcher.h"
#include "runtime/MenuMatcher.h"
#include "runtime/RuntimeModule.h"

namespace tolmeric {

void CRuntimeModule::OnMessageBeforeDelivery(const CMessageRecord& record) {
  Route([&](const CRouteContext& context) {
    return state_.router.BeforeDelivery(record, context);
  });
}

void CRuntimeModule::OnMessageAfterDelivery(const CMessageRecord& record) {
  Route([&](const CRouteContext& context) {
    return state_.router.AfterDelivery(record, context);
  });
}

void CRuntimeModule::OnMessageRetrieved(const CMessageRecord& record, Retrieval retrieval) {
  Route([&](const CRouteContext& context) {
    return state_.router.Retrieved(record, retrieval, context);
  });
}

void CRuntimeModule::Route(const HookRule& rule) {
  IWindowSystem* windows = Windows();
  if (!windows) return;
  const CRouteContext context{*windows, state_.languageCommandId,
                              [this](MenuId menu) { return IsRegisteredMenu(menu); }};
  for (const CHookAction& action : rule(context)) RunAction(action);
}

bool CRuntimeModule::IsRegisteredMenu(MenuId menu) const {
  return (state_.dialogRegistry && state_.dialogRegistry->ContainsMenu(menu)) ||
         (state_.menuRegistry && state_.menuRegistry->ContainsMenu(menu));
}

void CRuntimeModule::RunAction(const CHookAction& action) {
  using Kind = CHookAction::Kind;
  switch (action.kind) {
    case Kind::kOpenSwitchDialog:
      OpenSwitchDialog();
      break;
    case Kind::kEnableLanguageItem:
      if (IWindowSystem* windows = Windows()) {
        windows->EnableMenuCommand(action.menu, static_cast<int32_t>(state_.languageCommandId));
      }
      break;
    case Kind::kTranslateDialog:
      TranslateDialog(action.window, action.mode);
      break;
    case Kind::kTranslatePopupMenu:
      TranslatePopupMenu(action.menu);
      break;
    case Kind::kForgetWindow:
      if (state_.dialogRegistry) state_.dialogRegistry->Forget(action.window);
      if (state_.menuRegistry) state_.menuRegistry->Forget(action.window);
      break;
  }
}

void CRuntimeModule::TranslateDialog(WindowId dialog, uint32_t mode) {
  IWindowSystem* windows = Windows();
  if (!state_.currentData || !windows) return;
  // Registered even when nothing fits, so that a switch can try again.
  MatchAndApplyDialog(*windows, dialog, mode, FindDialogCategory(state_.currentData.get()),
                      state_.currentDialogs);
  if (state_.dialogRegistry) state_.dialogRegistry->Add(dialog, mode);
  TranslateWindowMenus(dialog);
}

void CRuntimeModule::RetranslateDialog(WindowId dialog, uint32_t mode) {
  IWindowSystem* windows = Windows();
  if (!state_.currentData || !windows) return;
  const bool switching = state_.switchData != nullptr;
  MatchAndApplyDialog(*windows, dialog, mode, FindDialogCategory(LookupData()),
                      switching ? state_.switchDialogs : state_.currentDialogs);
}

void CRuntimeModule::MatchAndApplyDialog(IWindowSystem& windows, WindowId dialog, uint32_t mode,
                                         const CTextNode* category, const CDialogIndex& index) {
  if (!category) return;
  const CDialogSnapshot snapshot = CDialogSnapshot::Take(windows, dialog);
  const CDialogMatch match = index.Category() == category
                                 ? index.FindBestDialog(snapshot)
                                 : FindBestDialogExhaustive(snapshot, *category);
  if (match.index < 0) return;
  const CTextNode& node = *category->ChildAt(match.index);
  ApplyDialogPlan(windows, snapshot, ApplyDialogTexts(snapshot, node, match.side));
  if (mode & 1u) TranslatePropertySheet(windows, dialog, node);
}

void CRuntimeModule::TranslatePropertySheet(IWindowSystem& windows, WindowId page,
                                            const CTextNode& node) {
  const WindowId sheet = windows.Parent(page);
  const WindowId tabs = sheet != 0 ? windows.SheetTabControl(sheet) : 0;
  if (tabs == 0) return;
  std::u16string caption = windows.WindowText(sheet);
  if (TranslateString(caption)) windows.WriteWindowText(sheet, caption);
  // A page's tab label is its dialog's caption: dialogs first, then strings.
  const CTextNode* category = node.parent;
  const int32_t count = windows.TabCount(tabs);
  for (int32_t i = 0; i < count; ++i) {
    std::u16string label = windows.TabText(tabs, i);
    const CTextNode* dialog = category ? FindDialogByCaption(*category, label) : nullptr;
    bool found = dialog != nullptr;
    if (dialog) {
      label = dialog->text;
    } else {
      found = TranslateString(label);
    }
    if (found) windows.SetTabText(tabs, i, label);
  }
}

void CRuntimeModule::TranslateWindowMenus(WindowId window) {
  if (!state_.currentData || !Windows()) return;
  TranslateMenuBars(window, FindMenuCategory(state_.currentData.get()));
  if (state_.menuRegistry) state_.menuRegistry->Add(window, 0);
}

void CRuntimeModule::TranslatePopupMenu(MenuId menu) {
  IWindowSystem* windows = Windows();
  if (!state_.currentData || !windows || !windows->IsMenu(menu)) return;
  TranslateMenu(menu, FindMenuCategory(state_.currentData.get()), true);
  // Kept by the application, it shows the new language after a switch.
  if (state_.menuRegistry) state_.menuRegistry->AddPopupMenu(menu);
}

void CRuntimeModule::TranslateMenuBars(WindowId window, const CTextNode* category) {
  IWindowSystem* windows = Windows();
  if (!windows || windows->IsChildWindow(window)) return;
  const MenuId bar = windows->Menu(window);
  if (bar == 0) return;
  TranslateMenu(bar, category, false);
  windows->DrawMenuBar(window);
  // The menu a frame shows when no document is open.
  // It has no framework object of its own: a wrapper holds it meanwhile.
  if (const MenuId defaultMenu = windows->FrameDefaultMenu(window); defaultMenu != 0) {
    if (const auto wrapper = windows->LeaseMenuObject(defaultMenu)) {
      TranslateMenu(defaultMenu, category, false);
    }
  }
}

void CRuntimeModule::TranslateMenu(MenuId menu, const CTextNode* category, bool popupMode) {
  IWindowSystem* windows = Windows();
  if (!windows || !category || category->childCount == 0) return;
  CMenuTranslator translator(CMenuItemSnapshot::Take(*windows, menu));
  const CMenuItemSnapshot& root = *translator.root;
  const CMenuMatch match = FindBestMenu(root, *category, popupMode);
  if (match.index >= 0) {
    const CTextNode& node = MenuCandidate(*category->ChildAt(match.index), popupMode);
    ApplyMenuPlan(*windows, ApplyMenuTexts(root, node, match.side));
  }
  if (state_.automaticStart && !root.items.empty() && root.items[0] && root.items[0]->IsPopup()) {
    ApplyMenuPlan(*windows,
                  EnsureLanguageItem(*root.items[0], static_cast<int32_t>(state_.languageCommandId),
                                     LanguageItemText(FindStandardSwitchDialog())));
  }
}

}  // namespace tolmeric
