#include "runtime/HookRouter.h"

namespace tolmeric {

namespace {

bool IsLanguageCommand(uintptr_t wParam, uint32_t languageCommandId) {
  return (wParam & 0xFFFF) == languageCommandId;
}

}  // namespace

std::vector<CHookAction> CHookRouter::BeforeDelivery(const CMessageRecord& record,
                                                     const CRouteContext& context) {
  using Kind = CHookAction::Kind;
  std::vector<CHookAction> actions;
  if (record.message == kMsgCommand && IsLanguageCommand(record.wParam, context.languageCommandId)) {
    actions.push_back({Kind::kOpenSwitchDialog});
  }
  if (record.message == kMsgInitMenuPopup) {
    actions.push_back({Kind::kEnableLanguageItem, 0, static_cast<MenuId>(record.wParam)});
  }
  if (record.message == kMsgMenuSelect) {
    languageItemHighlighted_ = IsLanguageCommand(record.wParam, context.languageCommandId);
  } else if (languageItemHighlighted_ && record.message == kMsgCaptureChanged) {
    // The menu lets go of the mouse with the language item chosen.
    languageItemHighlighted_ = false;
    actions.push_back({Kind::kOpenSwitchDialog});
  }
  if (record.message == kMsgInitDialog) {
    const IWindowSystem& windows = context.windows;
    const WindowId parent = windows.Parent(record.window);
    const bool sheetParent = parent != 0 && windows.SheetTabControl(parent) != 0;
    const bool sheetSelf = windows.SheetTabControl(record.window) != 0;
    if (sheetParent) {
      const bool useTitle = (windows.PageDescriptionFlags(record.lParam) & kPageUseTitle) != 0;
      actions.push_back(
          {Kind::kTranslateDialog, record.window, 0, useTitle ? kModePageWithTitle : kModePage});
    } else if (!sheetSelf) {
      // A property sheet's own frame is not a dialog of the language file.
      actions.push_back({Kind::kTranslateDialog, record.window, 0, kModeDialog});
    }
  }
  return actions;
}

std::vector<CHookAction> CHookRouter::AfterDelivery(const CMessageRecord& record,
                                                    const CRouteContext& context) const {
  using Kind = CHookAction::Kind;
  std::vector<CHookAction> actions;
  if (record.message == kMsgInitMenuPopup) {
    const MenuId popup = static_cast<MenuId>(record.wParam);
    // The framework's command update during delivery disables items
    // without a handler, the language item among them.
    actions.push_back({Kind::kEnableLanguageItem, 0, popup});
    if (!context.isRegisteredMenu || !context.isRegisteredMenu(popup)) {
      actions.push_back({Kind::kTranslatePopupMenu, 0, popup});
    }
  }
  if (record.message == kMsgNcDestroy) {
    // Its handle may soon name another window.
    actions.push_back({Kind::kForgetWindow, record.window});
  }
  return actions;
}

}  // namespace tolmeric
