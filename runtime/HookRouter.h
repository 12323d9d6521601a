// What the module does with a message of the user-interface thread, before
// and after its delivery: the hooks hand every message to the router as a
// plain record, the router answers with actions, the module carries them
// out. Portable, so the message rules are tested with tables.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "runtime/WindowSystem.h"

namespace tolmeric {

// Message numbers the router reacts to (the platform's values).
inline constexpr uint32_t kMsgNcDestroy = 0x0082;
inline constexpr uint32_t kMsgInitDialog = 0x0110;
inline constexpr uint32_t kMsgCommand = 0x0111;
inline constexpr uint32_t kMsgInitMenuPopup = 0x0117;
inline constexpr uint32_t kMsgMenuSelect = 0x011F;
inline constexpr uint32_t kMsgCaptureChanged = 0x0215;
// A property sheet's tab-control query, and the page flag "use the title".
inline constexpr uint32_t kMsgGetTabControl = 0x0474;
inline constexpr uint32_t kPageUseTitle = 0x8;

// Dialog modes: an ordinary dialog, and property pages with and without
// their own title. Bit 0 means the page's sheet is translated too.
inline constexpr uint32_t kModeDialog = 0;
inline constexpr uint32_t kModePageWithTitle = 1;
inline constexpr uint32_t kModePage = 3;

struct CMessageRecord {
  uint32_t message = 0;
  WindowId window = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

struct CHookAction {
  enum class Kind {
    kOpenSwitchDialog,    // the language item was chosen
    kEnableLanguageItem,  // in menu
    kTranslateDialog,     // window, with mode
    kTranslatePopupMenu,  // menu, a context menu about to open
    kForgetWindow,        // window is being destroyed: drop it from the registries
  };
  Kind kind = Kind::kOpenSwitchDialog;
  WindowId window = 0;
  MenuId menu = 0;
  uint32_t mode = 0;
  bool operator==(const CHookAction&) const = default;
};

// What the router needs to know besides the windows.
struct CRouteContext {
  const IWindowSystem& windows;
  uint32_t languageCommandId = 0;
  // Whether a menu belongs to (or is a submenu of) a registered window's menu.
  std::function<bool(MenuId)> isRegisteredMenu;
};

class CHookRouter {
 public:
  std::vector<CHookAction> BeforeDelivery(const CMessageRecord& record,
                                          const CRouteContext& context);
  std::vector<CHookAction> AfterDelivery(const CMessageRecord& record,
                                         const CRouteContext& context) const;

  // The language item is highlighted in an open menu: the menu releasing the
  // mouse capture then means it was chosen.
  bool LanguageItemHighlighted() const { return languageItemHighlighted_; }

 private:
  bool languageItemHighlighted_ = false;
};

}  // namespace tolmeric
