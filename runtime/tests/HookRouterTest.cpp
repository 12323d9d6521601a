// The hooks' message rules as tables: sequences of messages, before or after
// their delivery, and the actions each one asks for, against a fake window
// tree with a dialog, a property sheet with a page, and menus.
#include "runtime/HookRouter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "runtime/tests/FakeWindowSystem.h"

namespace tolmeric::testing {
namespace {

using Kind = CHookAction::Kind;
constexpr uint32_t kLanguageId = 19987;
constexpr intptr_t kTitledPage = 0x500;  // a page description with its own title
constexpr intptr_t kPlainPage = 0x600;

// Handles of the fake tree, filled in before the table is read.
struct Tree {
  WindowId dialog = 0, sheet = 0, page = 0;
  MenuId registered = 0, context = 0;
};

enum class When { kBefore, kAfter };

struct Step {
  When when;
  uint32_t message;
  // Selects the window (or menu, for wParam) of the tree.
  WindowId (*window)(const Tree&);
  uintptr_t (*wParam)(const Tree&);
  intptr_t lParam;
  std::vector<CHookAction> (*expected)(const Tree&);
};

WindowId Dialog(const Tree& t) { return t.dialog; }
WindowId Sheet(const Tree& t) { return t.sheet; }
WindowId Page(const Tree& t) { return t.page; }
uintptr_t Zero(const Tree&) { return 0; }
uintptr_t LanguageItem(const Tree&) { return kLanguageId; }
// A menu select's wParam: the item in the low word, flags in the high word.
uintptr_t LanguageItemWithFlags(const Tree&) { return 0x80900000u | kLanguageId; }
uintptr_t OtherItem(const Tree&) { return 1234; }
uintptr_t RegisteredMenu(const Tree& t) { return t.registered; }
uintptr_t ContextMenu(const Tree& t) { return t.context; }

std::vector<CHookAction> Nothing(const Tree&) { return {}; }
std::vector<CHookAction> OpenSwitch(const Tree&) { return {{Kind::kOpenSwitchDialog}}; }
std::vector<CHookAction> DialogMode0(const Tree& t) {
  return {{Kind::kTranslateDialog, t.dialog, 0, kModeDialog}};
}
std::vector<CHookAction> PageMode1(const Tree& t) {
  return {{Kind::kTranslateDialog, t.page, 0, kModePageWithTitle}};
}
std::vector<CHookAction> PageMode3(const Tree& t) {
  return {{Kind::kTranslateDialog, t.page, 0, kModePage}};
}
std::vector<CHookAction> EnableRegistered(const Tree& t) {
  return {{Kind::kEnableLanguageItem, 0, t.registered}};
}
std::vector<CHookAction> EnableContext(const Tree& t) {
  return {{Kind::kEnableLanguageItem, 0, t.context}};
}
std::vector<CHookAction> EnableAndTranslateContext(const Tree& t) {
  return {{Kind::kEnableLanguageItem, 0, t.context}, {Kind::kTranslatePopupMenu, 0, t.context}};
}
std::vector<CHookAction> ForgetDialog(const Tree& t) { return {{Kind::kForgetWindow, t.dialog}}; }

struct Sequence {
  const char* name;
  std::vector<Step> steps;
};

const std::vector<Sequence>& Sequences() {
  constexpr auto B = When::kBefore;
  constexpr auto A = When::kAfter;
  static const std::vector<Sequence> sequences = {
      {"the language item chosen from a menu opens the switch dialog once",
       {{B, kMsgMenuSelect, Dialog, LanguageItemWithFlags, 0, Nothing},
        {B, kMsgCaptureChanged, Dialog, Zero, 0, OpenSwitch},
        {B, kMsgCaptureChanged, Dialog, Zero, 0, Nothing}}},
      {"another item selected in between prevents it",
       {{B, kMsgMenuSelect, Dialog, LanguageItem, 0, Nothing},
        {B, kMsgMenuSelect, Dialog, OtherItem, 0, Nothing},
        {B, kMsgCaptureChanged, Dialog, Zero, 0, Nothing}}},
      {"other messages keep the highlight until the capture goes",
       {{B, kMsgMenuSelect, Dialog, LanguageItem, 0, Nothing},
        {B, kMsgCommand, Dialog, OtherItem, 0, Nothing},
        {A, kMsgCaptureChanged, Dialog, Zero, 0, Nothing},
        {B, kMsgCaptureChanged, Dialog, Zero, 0, OpenSwitch}}},
      {"the language command sent to a window opens it directly",
       {{B, kMsgCommand, Dialog, LanguageItem, 0, OpenSwitch},
        {A, kMsgCommand, Dialog, LanguageItem, 0, Nothing},
        {B, kMsgCommand, Dialog, OtherItem, 0, Nothing}}},
      {"a dialog is translated before its initialisation, as mode 0",
       {{B, kMsgInitDialog, Dialog, Zero, 0, DialogMode0},
        {A, kMsgInitDialog, Dialog, Zero, 0, Nothing}}},
      {"a property page takes its mode from the page flags; the sheet is left",
       {{B, kMsgInitDialog, Page, Zero, kTitledPage, PageMode1},
        {B, kMsgInitDialog, Page, Zero, kPlainPage, PageMode3},
        {B, kMsgInitDialog, Sheet, Zero, 0, Nothing}}},
      {"a popup gets the language item enabled; only unregistered ones are translated",
       {{B, kMsgInitMenuPopup, Dialog, RegisteredMenu, 0, EnableRegistered},
        {A, kMsgInitMenuPopup, Dialog, RegisteredMenu, 0, EnableRegistered},
        {B, kMsgInitMenuPopup, Dialog, ContextMenu, 0, EnableContext},
        {A, kMsgInitMenuPopup, Dialog, ContextMenu, 0, EnableAndTranslateContext}}},
      {"a destroyed window is forgotten after delivery",
       {{B, kMsgNcDestroy, Dialog, Zero, 0, Nothing},
        {A, kMsgNcDestroy, Dialog, Zero, 0, ForgetDialog}}},
  };
  return sequences;
}

TEST(HookRouterTest, MessageSequencesAskForTheirActions) {
  CFakeWindowSystem windows;
  Tree tree;
  tree.dialog = windows.AddDialog("caption \"Info\"\nchild \"OK\"\n");
  tree.sheet = windows.AddWindow(0, u"Eigenschaften");
  windows.At(tree.sheet).tabControl = windows.AddWindow(tree.sheet, u"tabs");
  tree.page = windows.AddDialog("caption \"Seite\"\n", tree.sheet);
  windows.SetPageDescriptionFlags(kTitledPage, kPageUseTitle | 0x20);
  windows.SetPageDescriptionFlags(kPlainPage, 0x20);
  tree.registered = windows.AddMenu("item 1 \"a\"\n");
  tree.context = windows.AddMenu("item 2 \"b\"\n");
  const std::set<MenuId> registered{tree.registered};
  const CRouteContext context{windows, kLanguageId,
                              [&](MenuId menu) { return registered.count(menu) > 0; }};

  for (const Sequence& sequence : Sequences()) {
    CHookRouter router;
    for (size_t i = 0; i < sequence.steps.size(); ++i) {
      const Step& step = sequence.steps[i];
      SCOPED_TRACE(std::string(sequence.name) + ", step " + std::to_string(i));
      const CMessageRecord record{step.message, step.window(tree), step.wParam(tree), step.lParam};
      const auto actions = step.when == When::kBefore ? router.BeforeDelivery(record, context)
                                                      : router.AfterDelivery(record, context);
      EXPECT_EQ(actions, step.expected(tree));
    }
  }
}

}  // namespace
}  // namespace tolmeric::testing
