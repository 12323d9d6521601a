// The module translating windows and menus through the hooks, registering
// them, and translating them again at a language switch, on a fake window
// tree.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/MenuItemSnapshot.h"
#include "runtime/TranslationModule.h"
#include "runtime/tests/FakeWindowSystem.h"
#include "runtime/tests/RuntimeFixture.h"
#include "runtime/tests/TreeText.h"

namespace tolmeric::testing {
namespace {

using Strings = std::vector<std::string>;

// The program's own texts; a German and a French language file made from it
// differ only in their texts.
std::string Tree(const std::string& lang) {
  const bool fr = lang == "fr";
  auto t = [&](const char* de, const char* french) {
    return std::string("\"") + (fr ? french : de) + "\"";
  };
  return "menus\n"
         "  menu \"IDR_MAIN\"\n"
         "    popup \"&File\" " + t("&Datei", "&Fichier") + "\n"
         "      item \"&Open\" " + t("Ö&ffnen", "&Ouvrir") + "\n"
         "      popup \"&Recent\" " + t("&Zuletzt", "&Récents") + "\n"
         "        item \"None\" " + t("Keine", "Aucun") + "\n"
         "    popup \"&Help\" " + t("&Hilfe", "&Aide") + "\n"
         "      item \"&About\" " + t("&Info", "À &propos") + "\n"
         "  menu \"IDR_CONTEXT\"\n"
         "    popup \"Context\"\n"
         "      item \"&Copy\" " + t("&Kopieren", "&Copier") + "\n"
         "dialogs\n"
         "  dialog \"About\" " + t("Info", "À propos") + "\n"
         "    button \"OK\"\n"
         "    static \"Version\" " + t("Fassung", "Version") + "\n"
         "  dialog \"Find\" " + t("Suchen", "Chercher") + "\n"
         "    static \"Find what:\" " + t("Suchen nach:", "Chercher :") + "\n"
         "    button \"Cancel\" " + t("Abbrechen", "Annuler") + "\n"
         "  dialog \"Options\"\n"
         "    button \"Apply\" " + t("Übernehmen", "Appliquer") + "\n"
         "  switch \"Language\" " + t("Sprache", "Langue") + "\n"
         "    control \"1\"\n    control \"2\"\n    control \"3\"\n    control \"4\"\n"
         "    control \"5\"\n    control \"6\"\n    control \"7\"\n    control \"8\"\n"
         "    control \"9\"\n"
         "    control \"&Language...\" " + t("&Sprache...", "&Langue...") + "\n"
         "strings\n"
         "  table \"1\"\n"
         "    string \"Properties\" " + t("Eigenschaften", "Propriétés") + "\n"
         "    string \"General\" " + t("Allgemein", "Général") + "\n"
         "    string \"Find\" " + t("Finden", "Trouver") + "\n";
}

class WindowTranslationTest : public RuntimeFixture {
 protected:
  void SetUp() override {
    RuntimeFixture::SetUp();
    platform_.SetWindowSystem(&windows_);
    module_->SetSwitchDialogOpener([this] { ++switchDialogs_; });
  }

  // Holds the German file as if loaded from disk.
  void Hold(const std::string& lang = "de") {
    auto data = MakeLanguageFromText(Tree(lang));
    data->programName = u"Demo";
    module_->HoldLanguage(u"de.tra", std::move(data));
  }
  std::u16string WriteFile(const std::string& lang) {
    auto data = MakeLanguageFromText(Tree(lang));
    data->programName = u"Demo";
    const std::u16string path = folder_.File(lang + ".tra");
    WriteLanguageFile(path, *data);
    return path;
  }

  void Before(uint32_t message, WindowId window, uintptr_t wParam = 0, intptr_t lParam = 0) {
    module_->OnMessageBeforeDelivery({message, window, wParam, lParam});
  }
  void After(uint32_t message, WindowId window, uintptr_t wParam = 0, intptr_t lParam = 0) {
    module_->OnMessageAfterDelivery({message, window, wParam, lParam});
  }
  // A dialog as the application opens it: created, then initialised.
  WindowId OpenDialog(const std::string& text) {
    const WindowId dialog = windows_.AddDialog(text);
    Before(kMsgInitDialog, dialog);
    After(kMsgInitDialog, dialog);
    return dialog;
  }
  std::vector<CWindowRegistry::Entry> DialogEntries() const {
    return module_->State().dialogRegistry->Entries();
  }

  CFakeWindowSystem windows_;
  int switchDialogs_ = 0;
};

constexpr char kMainMenu[] =
    "popup \"&File\"\n"
    "  item 100 \"&Open\"\n"
    "  popup \"&Recent\"\n"
    "    item 101 \"None\"\n"
    "popup \"&Help\"\n"
    "  item 102 \"&About\"\n";

TEST_F(WindowTranslationTest, DialogsAreTranslatedAtInitialisationAndRegistered) {
  // Nothing held: nothing happens, nothing is registered.
  const WindowId early = OpenDialog("caption \"About\"\nchild \"OK\"\nchild \"Version\"\n");
  EXPECT_EQ(windows_.Texts(early), (Strings{"About", "OK", "Version"}));

  Hold();
  const WindowId about = OpenDialog("caption \"About\"\nchild \"OK\"\nchild \"Version\"\n");
  EXPECT_EQ(windows_.Texts(about), (Strings{"Info", "OK", "Fassung"}));
  // A dialog that fits nothing keeps its texts and is registered all the same.
  const WindowId unknown = OpenDialog("caption \"Print\"\nchild \"Pages\"\n");
  EXPECT_EQ(windows_.Texts(unknown), (Strings{"Print", "Pages"}));
  EXPECT_EQ(DialogEntries(), (std::vector<CWindowRegistry::Entry>{{about, 0, 0, false},
                                                                  {unknown, 0, 0, false}}));

  // A dialog's menu bar is translated and the dialog registered for it.
  const WindowId withMenu = windows_.AddDialog("caption \"Find\"\nchild \"Find what:\"\n");
  const MenuId bar = windows_.At(withMenu).menu = windows_.AddMenu(kMainMenu);
  Before(kMsgInitDialog, withMenu);
  EXPECT_EQ(windows_.Texts(withMenu), (Strings{"Suchen", "Suchen nach:"}));
  EXPECT_EQ(windows_.MenuItemText(bar, 1), u"&Hilfe");
  EXPECT_EQ(DialogEntries().back(), (CWindowRegistry::Entry{withMenu, 0, bar, false}));
  EXPECT_EQ(module_->State().menuRegistry->Entries().back(),
            (CWindowRegistry::Entry{withMenu, 0, bar, false}));

  // A new load starts with empty registries.
  Hold();
  EXPECT_TRUE(DialogEntries().empty());
  EXPECT_TRUE(module_->State().menuRegistry->Entries().empty());
}

TEST_F(WindowTranslationTest, PropertySheetTabsTakeDialogCaptionsThenStrings) {
  Hold();
  const WindowId sheet = windows_.AddWindow(0, u"Properties");
  const WindowId tabs = windows_.AddWindow(sheet, u"");
  windows_.At(sheet).tabControl = tabs;
  windows_.At(tabs).tabs = {u"Options", u"General", u"Unknown", u"Find"};

  // A page description without its own title: mode 3, which translates the
  // sheet too.
  const WindowId page = windows_.AddDialog("caption \"Options\"\nchild \"Apply\"\n", sheet);
  Before(kMsgInitDialog, page, 0, 2);
  EXPECT_EQ(windows_.Texts(page), (Strings{"Options", "Übernehmen"}));
  EXPECT_EQ(windows_.WindowText(sheet), u"Eigenschaften");
  // A caption found among the dialogs wins over the strings; a label found
  // nowhere stays.
  EXPECT_EQ(windows_.At(tabs).tabs,
            (std::vector<std::u16string>{u"Options", u"Allgemein", u"Unknown", u"Suchen"}));
  EXPECT_EQ(DialogEntries().back().mode, kModePage);
}

TEST_F(WindowTranslationTest, LanguageItemOpensTheSwitchDialogThroughTheSeam) {
  Hold();
  const WindowId frame = windows_.AddWindow(0, u"Demo");
  const CMessageRecord command{kMsgCommand, frame, kDefaultLanguageCommandId, 0};
  module_->OnMessageRetrieved(command, Retrieval::kPeeked);
  EXPECT_EQ(switchDialogs_, 0);
  module_->OnMessageRetrieved(command, Retrieval::kRemoved);
  EXPECT_EQ(switchDialogs_, 1);
  Before(kMsgCommand, frame, kDefaultLanguageCommandId);
  EXPECT_EQ(switchDialogs_, 2);
}

TEST_F(WindowTranslationTest, MenusOfAnAutomaticStartGetTheLanguageItemOnce) {
  ASSERT_TRUE(StartAutomaticTranslation(WriteFile("de"), u"", false, true, true));
  const WindowId frame = windows_.AddWindow(0, u"Demo");
  const MenuId bar = windows_.At(frame).menu = windows_.AddMenu(kMainMenu);
  const MenuId defaultMenu = windows_.At(frame).defaultMenu = windows_.AddMenu(kMainMenu);
  module_->TranslateWindowMenus(frame);
  module_->TranslateWindowMenus(frame);
  const std::string expected =
      "popup \"&Datei\"\n"
      "  item 100 \"Ö&ffnen\"\n"
      "  popup \"&Zuletzt\"\n"
      "    item 101 \"Keine\"\n"
      "  separator\n"
      "  item 19987 \"&Sprache...\"\n"
      "popup \"&Hilfe\"\n"
      "  item 102 \"&Info\"\n";
  EXPECT_EQ(windows_.DumpMenu(bar), expected);
  EXPECT_EQ(windows_.DumpMenu(defaultMenu), expected);
  EXPECT_EQ(windows_.menuBarRedraws, 2);
  // The default menu is held by a framework object only while translated.
  EXPECT_EQ(windows_.leasedMenus, (std::vector<MenuId>{defaultMenu, defaultMenu}));
  EXPECT_EQ(windows_.leasesOut, 0);

  // The framework disables the item during delivery; after it, it is enabled.
  const MenuId file = windows_.SubMenu(bar, 0);
  After(kMsgInitMenuPopup, frame, file);
  EXPECT_EQ(windows_.MenuItemText(file, 3), u"&Sprache...");
  EXPECT_NE(windows_.DumpMenu(file).find("\"&Sprache...\" enabled"), std::string::npos);

  // The switch rewrites the item in the new language.
  ASSERT_TRUE(SwitchTranslationFile(WriteFile("fr")));
  EXPECT_EQ(windows_.MenuItemText(file, 3), u"&Langue...");
  EXPECT_EQ(windows_.MenuItemCount(file), 4);
}

TEST_F(WindowTranslationTest, AnEmptyMenusCategoryLeavesMenusAlone) {
  auto data = MakeLanguageFromText("menus\ndialogs\n  switch \"Language\"\n");
  module_->HoldLanguage(u"empty.tra", std::move(data));
  module_->State().automaticStart = true;
  const WindowId frame = windows_.AddWindow(0, u"Demo");
  const MenuId bar = windows_.At(frame).menu = windows_.AddMenu(kMainMenu);
  const std::string before = windows_.DumpMenu(bar);
  module_->TranslateWindowMenus(frame);
  const MenuId context = windows_.AddMenu("item 1 \"&Copy\"\n");
  After(kMsgInitMenuPopup, frame, context);
  EXPECT_EQ(windows_.DumpMenu(bar), before);
  EXPECT_EQ(windows_.DumpMenu(context), "item 1 \"&Copy\"\n");
}

// A switch translates every open dialog, menu bar, default menu and kept
// context menu into the new language; closed ones are dropped.
TEST_F(WindowTranslationTest, SwitchTranslatesEveryOpenWindowAndMenuAgain) {
  ASSERT_TRUE(LoadTranslationFile(WriteFile("de")));
  const WindowId about = OpenDialog("caption \"About\"\nchild \"OK\"\nchild \"Version\"\n");
  const WindowId find = OpenDialog("caption \"Find\"\nchild \"Find what:\"\nchild \"Cancel\"\n");
  const WindowId closed = OpenDialog("caption \"Options\"\nchild \"Apply\"\n");
  const WindowId frame = windows_.AddWindow(0, u"Demo");
  const MenuId bar = windows_.At(frame).menu = windows_.AddMenu(kMainMenu);
  const MenuId defaultMenu = windows_.At(frame).defaultMenu = windows_.AddMenu(kMainMenu);
  module_->TranslateWindowMenus(frame);
  // A context menu the application keeps, translated as it opens; a popup
  // of the registered menu bar is not translated again.
  const MenuId context = windows_.AddMenu("item 7 \"&Copy\"\n");
  After(kMsgInitMenuPopup, frame, context);
  EXPECT_EQ(windows_.MenuItemText(context, 0), u"&Kopieren");
  windows_.ModifyMenuItem(windows_.SubMenu(bar, 1), 0, {false, 0, 102, u"set by the program"});
  After(kMsgInitMenuPopup, frame, windows_.SubMenu(bar, 1));
  EXPECT_EQ(windows_.MenuItemText(windows_.SubMenu(bar, 1), 0), u"set by the program");
  windows_.ModifyMenuItem(windows_.SubMenu(bar, 1), 0, {false, 0, 102, u"&Info"});

  windows_.DestroyWindow(closed);
  ASSERT_TRUE(SwitchTranslationFile(WriteFile("fr")));

  EXPECT_EQ(windows_.Texts(about), (Strings{"À propos", "OK", "Version"}));
  EXPECT_EQ(windows_.Texts(find), (Strings{"Chercher", "Chercher :", "Annuler"}));
  const std::string french =
      "popup \"&Fichier\"\n"
      "  item 100 \"&Ouvrir\"\n"
      "  popup \"&Récents\"\n"
      "    item 101 \"Aucun\"\n"
      "popup \"&Aide\"\n"
      "  item 102 \"À &propos\"\n";
  EXPECT_EQ(windows_.DumpMenu(bar), french);
  EXPECT_EQ(windows_.DumpMenu(defaultMenu), french);
  EXPECT_EQ(windows_.MenuItemText(context, 0), u"&Copier");
  // Each open window of the registry, not the closed one, is told of the
  // new language once, when its menus are translated already.
  EXPECT_EQ(windows_.languageNotices, (std::vector<std::pair<WindowId, std::string>>{
                                          {about, ""}, {find, ""}, {frame, french}}));
  // Windows without a framework object get one for the time of their
  // translation: dialogs a dialog object, menu windows a plain one.
  EXPECT_EQ(windows_.leasesOut, 0);
  EXPECT_EQ(windows_.leasedKinds,
            (std::vector<WindowObjectKind>{WindowObjectKind::kDialog, WindowObjectKind::kDialog,
                                           WindowObjectKind::kPlainWindow,
                                           WindowObjectKind::kPlainWindow,
                                           WindowObjectKind::kPlainWindow}));
  std::vector<WindowId> registered;
  for (const auto& entry : DialogEntries()) registered.push_back(entry.window);
  EXPECT_EQ(registered, (std::vector<WindowId>{about, find}));

  // A dialog being destroyed is forgotten at once.
  After(kMsgNcDestroy, find);
  registered.clear();
  for (const auto& entry : DialogEntries()) registered.push_back(entry.window);
  EXPECT_EQ(registered, (std::vector<WindowId>{about}));
}

TEST_F(WindowTranslationTest, PurgeDropsRepeatedAndDeadEntriesKeepingOrder) {
  Hold();
  CWindowRegistry& registry = *module_->State().menuRegistry;
  const WindowId a = windows_.AddWindow(0, u"a");
  const WindowId b = windows_.AddWindow(0, u"b");
  const WindowId child = windows_.AddWindow(a, u"child");
  windows_.At(b).menu = windows_.AddMenu("item 1 \"x\"\n");
  windows_.At(child).menu = windows_.AddMenu("item 2 \"y\"\n");
  registry.Add(a, 0);
  registry.Add(b, 0);
  registry.Add(child, 0);  // a child window's menu is not recorded
  registry.Add(a, 0);      // repeated
  registry.AddPopupMenu(windows_.At(child).menu);
  EXPECT_EQ(registry.Entries(),
            (std::vector<CWindowRegistry::Entry>{{a, 0, 0, false},
                                                 {b, 0, windows_.At(b).menu, false},
                                                 {child, 0, 0, false},
                                                 {0, 0, windows_.At(child).menu, true}}));
  // A window whose menu lives on stays; one with neither goes.
  windows_.DestroyWindow(b);
  windows_.DestroyWindow(a);
  registry.Purge();
  EXPECT_EQ(registry.Entries(),
            (std::vector<CWindowRegistry::Entry>{{b, 0, windows_.At(b).menu, false},
                                                 {child, 0, 0, false},
                                                 {0, 0, windows_.At(child).menu, true}}));
}

// A menu that (through a damaged or hostile program) contains itself is read
// to a bounded depth, and the registry's submenu search ends too.
TEST_F(WindowTranslationTest, AMenuContainingItselfEndsTheWalks) {
  Hold();
  const WindowId frame = windows_.AddWindow(0, u"Demo");
  const MenuId bar = windows_.At(frame).menu = windows_.AddMenu("popup \"&File\"\n  item 1 \"&Open\"\n");
  windows_.MenuAt(windows_.SubMenu(bar, 0)).items.push_back({u"Again", -1, bar, false});
  const auto snapshot = CMenuItemSnapshot::Take(windows_, bar);
  // Followed deep, but not without end.
  EXPECT_GT(snapshot->ItemCount(), kMaxMenuDepth);
  EXPECT_LT(snapshot->ItemCount(), 4 * kMaxMenuDepth);
  module_->TranslateWindowMenus(frame);
  EXPECT_TRUE(module_->State().menuRegistry->ContainsMenu(windows_.SubMenu(bar, 0)));
  EXPECT_FALSE(module_->State().menuRegistry->ContainsMenu(0x7777));
}

}  // namespace
}  // namespace tolmeric::testing
