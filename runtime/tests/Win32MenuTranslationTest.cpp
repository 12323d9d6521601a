#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/MenuHandle.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/Win32TestSupport.h"

namespace tolmeric::testing {
namespace {


const std::vector<std::wstring> kMainGerman = {
    L"&Datei",   L"  Ö&ffnen", L"  -",         L"  &Zuletzt", L"    Erste",
    L"  &Beenden", L"&Bearbeiten", L"  &Kopieren"};
const std::vector<std::wstring> kMainGermanWithLanguageItem = {
    L"&Datei",   L"  Ö&ffnen",   L"  -",         L"  &Zuletzt",   L"    Erste",
    L"  &Beenden", L"  -",       L"  Steuerelement 9", L"&Bearbeiten", L"  &Kopieren"};
const std::vector<std::wstring> kDocumentGerman = {L"&Datei", L"  Ö&ffnen", L"  &Schließen",
                                                   L"&Fenster", L"  &Nebeneinander"};

// A frame that translates its menus when it is loaded, as the module's
// frame classes do; or, when told not to, leaves that to the test.
class CTestFrame : public CFrameWnd {
 public:
  explicit CTestFrame(bool translateAtLoad) : translateAtLoad_(translateAtLoad) {}
  BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) override {
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    if (translateAtLoad_) TranslateWindowMenus(this);
    return TRUE;
  }

 private:
  bool translateAtLoad_;
};

using Win32MenuTranslationTest = CWin32ModuleTest;

TEST_F(Win32MenuTranslationTest, FrameMenusAreTranslatedAtLoadFrame) {
  const std::wstring german = Write("german.tra", *GermanLanguage());
  const struct {
    const char* name;
    bool automatic;
    bool documentShown;
    std::vector<std::wstring> bar;
    std::vector<std::wstring> defaultMenu;
  } cases[] = {
      {"menu bar and default menu", false, false, kMainGerman, kMainGerman},
      {"default menu behind a document's menu", false, true, kDocumentGerman, kMainGerman},
      // Last: the automatic start stays set for the module.
      {"automatic start adds the language item", true, false, kMainGermanWithLanguageItem,
       kMainGermanWithLanguageItem},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.automatic) {
      ASSERT_TRUE(StartAutomaticTranslation(german.c_str(), L"Demo", FALSE, TRUE, TRUE));
    } else {
      ASSERT_TRUE(LoadTranslationFile(german.c_str()));
    }
    auto* frame = new CTestFrame(!c.documentShown);
    ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
    CMenu document;
    if (c.documentShown) {
      ASSERT_TRUE(document.LoadMenu(kDocumentMenu));
      frame->SetMenu(&document);
      TranslateWindowMenus(frame);
    }
    EXPECT_TEXTS(MenuTexts(::GetMenu(frame->m_hWnd)), c.bar);
    EXPECT_TEXTS(MenuTexts(frame->m_hMenuDefault), c.defaultMenu);
    // Translating again rewrites texts; it adds nothing.
    TranslateWindowMenus(frame);
    EXPECT_TEXTS(MenuTexts(frame->m_hMenuDefault), c.defaultMenu);
    frame->DestroyWindow();
    ExitTranslation();
  }
}

// Owns a context menu: opens it and reads it while it is open, at a timer
// that the menu loop delivers while it waits for the user; then presses the
// keys given, or closes it.
class CMenuOwner : public CFrameWnd {
 public:
  std::vector<std::wstring> Open(HMENU popup, std::vector<WPARAM> keys = {}) {
    popup_ = popup;
    keys_ = std::move(keys);
    seen_.clear();
    ::SetTimer(m_hWnd, kTimer, 20, nullptr);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN, 10, 10, 0, m_hWnd, nullptr);
    ::KillTimer(m_hWnd, kTimer);
    return seen_;
  }

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message == WM_TIMER && wParam == kTimer && popup_) {
      seen_ = MenuTexts(popup_);
      popup_ = nullptr;
      if (keys_.empty()) ::EndMenu();
      for (WPARAM key : keys_) ::PostMessageW(m_hWnd, WM_KEYDOWN, key, 0);
    }
    return CFrameWnd::OnWndMsg(message, wParam, lParam, result);
  }

 private:
  static constexpr UINT_PTR kTimer = 7;
  HMENU popup_ = nullptr;
  std::vector<WPARAM> keys_;
  std::vector<std::wstring> seen_;
};

TEST_F(Win32MenuTranslationTest, ContextMenuIsTranslatedWhenItOpensAndAfterASwitch) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  const std::wstring french = Write("french.tra", *FrenchLanguage());
  auto* owner = new CMenuOwner;
  ASSERT_TRUE(owner->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  owner->ShowWindow(SW_SHOW);

  CMenu resource;
  ASSERT_TRUE(resource.LoadMenu(kContextMenu));
  CMenuHandle popup = resource.GetSubMenu(0)->m_hMenu;
  // An item longer than 255 characters is read whole, so it matches.
  popup.AppendMenu(MF_STRING, kLongItem, std::wstring(300, L'L').c_str());

  EXPECT_TEXTS(owner->Open(popup), (std::vector<std::wstring>{
                                                L"&Ausschneiden", L"&Einfügen",
                                                std::wstring(300, L'D')}));
  // Kept by the application, it shows the new language after a switch.
  ASSERT_TRUE(SwitchTranslationFile(french.c_str()));
  const std::vector<std::wstring> frenchTexts = {L"Co&uper", L"C&oller",
                                                 std::wstring(300, L'F')};
  EXPECT_TEXTS(MenuTexts(popup), frenchTexts);
  EXPECT_TEXTS(owner->Open(popup), frenchTexts);

  // A popup the application translates itself, through its menu object.
  CMenu other;
  ASSERT_TRUE(other.LoadMenu(kContextMenu));
  TranslatePopupMenu(other.GetSubMenu(0));
  EXPECT_TEXTS(MenuTexts(other.GetSubMenu(0)->m_hMenu),
               (std::vector<std::wstring>{L"Co&uper", L"C&oller"}));
  owner->DestroyWindow();
}

TEST_F(Win32MenuTranslationTest, LanguageItemChosenFromARealMenuOpensTheSwitchDialogOnce) {
  const std::wstring german = Write("german.tra", *GermanLanguage());
  ASSERT_TRUE(StartAutomaticTranslation(german.c_str(), L"Demo", FALSE, TRUE, TRUE));
  auto* frame = new CMenuOwner;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  TranslateWindowMenus(frame);
  frame->ShowWindow(SW_SHOW);
  const HMENU file = ::GetSubMenu(::GetMenu(frame->m_hWnd), 0);
  // The language item is the last of the first popup.
  const struct {
    const char* name;
    std::vector<WPARAM> keys;
    int opened;
  } cases[] = {
      {"language item chosen", {VK_UP, VK_RETURN}, 1},
      {"another item highlighted before choosing", {VK_UP, VK_UP, VK_RETURN}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    switchDialogs_ = 0;
    frame->Open(file, c.keys);
    // The command a chosen item posts reaches the frame, not the hooks.
    PumpMessages();
    EXPECT_EQ(switchDialogs_, c.opened);
  }
  frame->DestroyWindow();
}

}  // namespace
}  // namespace tolmeric::testing
