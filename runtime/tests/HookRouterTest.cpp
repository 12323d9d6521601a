// The hooks' message rules as tables: sequences of messages, before or after
// their delivery, and the actions each one asks for, against a fake window
// tree with a dialog, a property sheet with a page, and menus.
#include "runtime/HookRouter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/tests/FakeWindowSystem.h"

namespace tolmeric::testing {
namespace {

using Kind = CHookAction::Kind;
constexpr uint32_t kLanguageId = 19987;
constexpr intptr_t kTitledPage = 0x500;  // a page description with its own title
constexpr intptr_t kPlainPage = 0x600;

// The fake tree's windows and menus, by role.
enum Role { kNone, kDialog, kSheet, kPage, kRegistered, kContext, kRoles };
// wParam values: the language item (with menu-select flags in the high word
// or without), another item, or a menu of the tree by role.
constexpr uintptr_t kLanguageItem = kLanguageId;
constexpr uintptr_t kLanguageItemWithFlags = 0x80900000u | kLanguageId;
constexpr uintptr_t kOtherItem = 1234;
constexpr uintptr_t kMenuRole = 0x10000000;  // plus a role

enum class When { kBefore, kAfter };

struct Step {
  When when;
  uint32_t message;
  Role window;
  uintptr_t wParam;
  intptr_t lParam;
  const char* expected;  // the actions, as Describe writes them
};

struct Sequence {
  const char* name;
  std::vector<Step> steps;
};

const std::vector<Sequence>& Sequences() {
  constexpr auto B = When::kBefore;
  constexpr auto A = When::kAfter;
  constexpr uintptr_t registered = kMenuRole + kRegistered;
  constexpr uintptr_t context = kMenuRole + kContext;
  static const std::vector<Sequence> sequences = {
      {"the language item chosen from a menu opens the switch dialog once",
       {{B, kMsgMenuSelect, kDialog, kLanguageItemWithFlags, 0, ""},
        {B, kMsgCaptureChanged, kDialog, 0, 0, "open switch dialog;"},
        {B, kMsgCaptureChanged, kDialog, 0, 0, ""}}},
      {"another item selected in between prevents it",
       {{B, kMsgMenuSelect, kDialog, kLanguageItem, 0, ""},
        {B, kMsgMenuSelect, kDialog, kOtherItem, 0, ""},
        {B, kMsgCaptureChanged, kDialog, 0, 0, ""}}},
      {"other messages keep the highlight until the capture goes",
       {{B, kMsgMenuSelect, kDialog, kLanguageItem, 0, ""},
        {B, kMsgCommand, kDialog, kOtherItem, 0, ""},
        {A, kMsgCaptureChanged, kDialog, 0, 0, ""},
        {B, kMsgCaptureChanged, kDialog, 0, 0, "open switch dialog;"}}},
      {"the language command sent to a window opens it directly",
       {{B, kMsgCommand, kDialog, kLanguageItem, 0, "open switch dialog;"},
        {A, kMsgCommand, kDialog, kLanguageItem, 0, ""},
        {B, kMsgCommand, kDialog, kOtherItem, 0, ""}}},
      {"a dialog is translated before its initialisation, as mode 0",
       {{B, kMsgInitDialog, kDialog, 0, 0, "translate dialog 1 mode 0;"},
        {A, kMsgInitDialog, kDialog, 0, 0, ""}}},
      {"a property page takes its mode from the page flags; the sheet is left",
       {{B, kMsgInitDialog, kPage, 0, kTitledPage, "translate dialog 3 mode 1;"},
        {B, kMsgInitDialog, kPage, 0, kPlainPage, "translate dialog 3 mode 3;"},
        {B, kMsgInitDialog, kSheet, 0, 0, ""}}},
      {"a popup gets the language item enabled; only unregistered ones are translated",
       {{B, kMsgInitMenuPopup, kDialog, registered, 0, "enable 4;"},
        {A, kMsgInitMenuPopup, kDialog, registered, 0, "enable 4;"},
        {B, kMsgInitMenuPopup, kDialog, context, 0, "enable 5;"},
        {A, kMsgInitMenuPopup, kDialog, context, 0, "enable 5;translate popup 5;"}}},
      {"a destroyed window is forgotten after delivery",
       {{B, kMsgNcDestroy, kDialog, 0, 0, ""},
        {A, kMsgNcDestroy, kDialog, 0, 0, "forget 1;"}}},
  };
  return sequences;
}

// The actions with handles written as roles.
std::string Describe(const std::vector<CHookAction>& actions, const uintptr_t (&handles)[kRoles]) {
  auto role = [&](uintptr_t handle) {
    for (int r = 0; r < kRoles; ++r) {
      if (handles[r] == handle) return std::to_string(r);
    }
    return std::string("?");
  };
  std::string out;
  for (const CHookAction& action : actions) {
    switch (action.kind) {
      case Kind::kOpenSwitchDialog: out += "open switch dialog;"; break;
      case Kind::kEnableLanguageItem: out += "enable " + role(action.menu) + ";"; break;
      case Kind::kTranslateDialog:
        out += "translate dialog " + role(action.window) + " mode " + std::to_string(action.mode) + ";";
        break;
      case Kind::kTranslatePopupMenu: out += "translate popup " + role(action.menu) + ";"; break;
      case Kind::kForgetWindow: out += "forget " + role(action.window) + ";"; break;
    }
  }
  return out;
}

TEST(HookRouterTest, MessageSequencesAskForTheirActions) {
  CFakeWindowSystem windows;
  uintptr_t handles[kRoles] = {};
  handles[kDialog] = windows.AddDialog("caption \"Info\"\nchild \"OK\"\n");
  handles[kSheet] = windows.AddWindow(0, u"Eigenschaften");
  windows.At(handles[kSheet]).tabControl = windows.AddWindow(handles[kSheet], u"tabs");
  handles[kPage] = windows.AddDialog("caption \"Seite\"\n", handles[kSheet]);
  windows.SetPageDescriptionFlags(kTitledPage, kPageUseTitle | 0x20);
  windows.SetPageDescriptionFlags(kPlainPage, 0x20);
  handles[kRegistered] = windows.AddMenu("item 1 \"a\"\n");
  handles[kContext] = windows.AddMenu("item 2 \"b\"\n");
  const CRouteContext context{windows, kLanguageId,
                              [&](MenuId menu) { return menu == handles[kRegistered]; }};

  for (const Sequence& sequence : Sequences()) {
    CHookRouter router;
    for (size_t i = 0; i < sequence.steps.size(); ++i) {
      const Step& step = sequence.steps[i];
      SCOPED_TRACE(std::string(sequence.name) + ", step " + std::to_string(i));
      const bool menu = step.wParam > kMenuRole && step.wParam < kMenuRole + kRoles;
      const uintptr_t wParam = menu ? handles[step.wParam - kMenuRole] : step.wParam;
      const CMessageRecord record{step.message, handles[step.window], wParam, step.lParam};
      const auto actions = step.when == When::kBefore ? router.BeforeDelivery(record, context)
                                                      : router.AfterDelivery(record, context);
      EXPECT_EQ(Describe(actions, handles), step.expected);
    }
  }
}

}  // namespace
}  // namespace tolmeric::testing
