#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "framework/tests/InMemoryTemplate.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/Win32TestSupport.h"

namespace tolmeric::testing {
namespace {


const std::vector<std::wstring> kFindGerman = {L"Suchen",     L"Suchen nach:", L"",
                                               L"Groß/Klein", L"OK",           L"Abbrechen"};
const std::vector<std::wstring> kFindFrench = {
    L"Rechercher", L"Rechercher :", L"", L"Respecter la casse", L"OK", L"Annuler"};
const std::vector<std::wstring> kPrintGerman = {L"Drucken", L"Übernehmen 1", L"Übernehmen 2",
                                                L"OK"};
const std::vector<std::wstring> kReplaceGerman = {L"Ersetzen", L"Ersetzen durch:", L"OK"};
const std::vector<std::wstring> kReplaceFrench = {L"Remplacer", L"Remplacer par :", L"OK"};

CInMemoryTemplate ReplaceTemplate() {
  return CInMemoryTemplate(L"Replace")
      .Control(CInMemoryTemplate::kStatic, 10, L"Replace with:")
      .Control(CInMemoryTemplate::kButton, IDOK, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
}

CInMemoryTemplate UnknownTemplate() {
  return CInMemoryTemplate(L"Unknown")
      .Control(CInMemoryTemplate::kStatic, 10, L"Nobody translated me")
      .Control(CInMemoryTemplate::kButton, IDOK, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
}

// Records the texts it shows when its own initialisation runs, after the
// module's, then closes itself as a user would press OK.
class CRecordingDialog : public CDialog {
 public:
  using CDialog::CDialog;
  BOOL OnInitDialog() override {
    texts = DialogTexts(m_hWnd);
    PostMessage(WM_COMMAND, IDOK);
    return TRUE;
  }
  std::vector<std::wstring> texts;
};

class Win32DialogTranslationTest : public CWin32ModuleTest {
 protected:
  bool Registered(HWND dialog) const {
    const auto& entries = module_->State().dialogRegistry->Entries();
    return std::any_of(entries.begin(), entries.end(), [&](const auto& entry) {
      return entry.window == reinterpret_cast<WindowId>(dialog);
    });
  }
};

TEST_F(Win32DialogTranslationTest, DialogsAreTranslatedWhenTheyOpen) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  const CInMemoryTemplate replace = ReplaceTemplate();
  const CInMemoryTemplate unknown = UnknownTemplate();
  struct Case {
    const char* name;
    UINT resource;                  // 0: the template in memory
    const CInMemoryTemplate* memory;
    bool modal;
    std::vector<std::wstring> expected;
  };
  const Case cases[] = {
      {"modal from the resources", kFindDialog, nullptr, true, kFindGerman},
      {"modeless from the resources", kFindDialog, nullptr, false, kFindGerman},
      {"equal texts one to one in order", kPrintDialog, nullptr, false, kPrintGerman},
      {"modal from memory", 0, &replace, true, kReplaceGerman},
      {"modeless from memory", 0, &replace, false, kReplaceGerman},
      {"nothing fits", 0, &unknown, false, {L"Unknown", L"Nobody translated me", L"OK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CRecordingDialog dialog(c.resource);
    if (c.modal) {
      if (c.memory) dialog.InitModalIndirect(c.memory->Get());
      ASSERT_EQ(dialog.DoModal(), IDOK);
      EXPECT_TEXTS(dialog.texts, c.expected);
      continue;
    }
    ASSERT_TRUE(c.memory ? dialog.CreateIndirect(c.memory->Get()) : dialog.Create(c.resource));
    EXPECT_TEXTS(DialogTexts(dialog.m_hWnd), c.expected);
    // Registered even when nothing fits, so that a switch can try again.
    EXPECT_TRUE(Registered(dialog.m_hWnd));
    dialog.DestroyWindow();
  }
}

// A dialog procedure with nothing of its own to do.
INT_PTR CALLBACK PlainDialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// A tab label longer than any fixed buffer, and its translation.
const std::wstring kLongLabel(1500, L'E');

// A property sheet of four pages, modeless, so its texts can be read.
HWND OpenSheet() {
  PROPSHEETPAGEW pages[4] = {};
  const UINT templates[4] = {kGeneralPage, kAdvancedPage, kExtraPage, kExtraPage};
  for (int i = 0; i < 4; ++i) {
    pages[i].dwSize = sizeof(PROPSHEETPAGEW);
    pages[i].hInstance = ::GetModuleHandleW(nullptr);
    pages[i].pszTemplate = MAKEINTRESOURCEW(templates[i]);
    pages[i].pfnDlgProc = &PlainDialogProcedure;
  }
  // The first page's tab label comes from its description.
  pages[0].dwFlags = PSP_USETITLE;
  pages[0].pszTitle = L"General";
  pages[3].dwFlags = PSP_USETITLE;
  pages[3].pszTitle = kLongLabel.c_str();
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS;
  header.hInstance = ::GetModuleHandleW(nullptr);
  header.pszCaption = L"Settings";
  header.nPages = 4;
  header.ppsp = pages;
  return reinterpret_cast<HWND>(::PropertySheetW(&header));
}

TEST_F(Win32DialogTranslationTest, PropertySheetTabsTakeDialogCaptionsThenStrings) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  HWND sheet = OpenSheet();
  ASSERT_NE(sheet, nullptr);
  PumpMessages();
  // A dialog caption, a string-table string, a label found nowhere, and a
  // label read whole however long.
  EXPECT_TEXTS(SheetTexts(sheet),
               (std::vector<std::wstring>{L"Einstellungen", L"Allgemein", L"Erweitert", L"Extra",
                                          std::wstring(1500, L'e')}));
  HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  EXPECT_TEXTS(DialogTexts(page),
               (std::vector<std::wstring>{L"Allgemein", L"Benutzername:", L"Company:"}));
  // The page is registered with its mode (it has its own title); the sheet
  // itself is no dialog to translate.
  const auto& entries = module_->State().dialogRegistry->Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].window, reinterpret_cast<WindowId>(page));
  EXPECT_EQ(entries[0].mode, kModePageWithTitle);
  ::DestroyWindow(sheet);
}

// A frame whose menus are translated when it is loaded, as the module's
// frame classes do.
class CTranslatedFrame : public CFrameWnd {
 public:
  BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) override {
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    TranslateWindowMenus(this);
    return TRUE;
  }
};

TEST_F(Win32DialogTranslationTest, SwitchTranslatesEveryOpenWindowAgain) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  const std::wstring french = Write("french.tra", *FrenchLanguage());
  const CInMemoryTemplate replace = ReplaceTemplate();

  CDialog find, print, replaceDialog;
  ASSERT_TRUE(find.Create(kFindDialog));
  ASSERT_TRUE(print.Create(kPrintDialog));
  ASSERT_TRUE(replaceDialog.CreateIndirect(replace.Get()));
  auto* frame = new CTranslatedFrame;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  EXPECT_TEXTS(DialogTexts(find.m_hWnd), kFindGerman);
  // A dialog the framework knows nothing of gets a window object for the
  // time of the switch only.
  HWND bare = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kFindDialog),
                                   nullptr, &PlainDialogProcedure, 0);
  ASSERT_NE(bare, nullptr);

  // Closed before the switch: dropped from the registry, never touched.
  HWND closed = print.m_hWnd;
  print.DestroyWindow();
  ASSERT_TRUE(SwitchTranslationFile(french.c_str()));
  EXPECT_TEXTS(DialogTexts(find.m_hWnd), kFindFrench);
  EXPECT_TEXTS(DialogTexts(replaceDialog.m_hWnd), kReplaceFrench);
  EXPECT_TEXTS(DialogTexts(bare), kFindFrench);
  EXPECT_EQ(CWnd::FromHandlePermanent(bare), nullptr);
  ::DestroyWindow(bare);
  EXPECT_FALSE(Registered(closed));
  EXPECT_TRUE(Registered(find.m_hWnd));
  EXPECT_TEXTS(MenuTexts(frame->GetMenu()->m_hMenu),
               (std::vector<std::wstring>{L"&Fichier", L"  &Ouvrir", L"  -", L"  &Récents",
                                          L"    Premier", L"  &Quitter", L"&Edition",
                                          L"  &Copier"}));
  frame->DestroyWindow();
}

// Another library's hooks on the same thread, installed before the module's
// (so the module's are called first and must hand on).
std::vector<std::string>& ForeignLog() {
  static std::vector<std::string> log;
  return log;
}
constexpr UINT kProbe = WM_APP + 11;

LRESULT CALLBACK ForeignBefore(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code >= 0 && message->message == kProbe) {
    ForeignLog().push_back("before " + std::to_string(message->wParam));
  }
  if (code >= 0 && message->message == WM_INITDIALOG) ForeignLog().push_back("init dialog");
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ForeignAfter(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code >= 0 && message->message == kProbe) {
    ForeignLog().push_back("after " + std::to_string(message->wParam) + " -> " +
                           std::to_string(message->lResult));
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Win32DialogTranslationTest, AnotherLibrarysHooksStillSeeEveryMessage) {
  ForeignLog().clear();
  const DWORD thread = ::GetCurrentThreadId();
  HHOOK before = ::SetWindowsHookExW(WH_CALLWNDPROC, &ForeignBefore, nullptr, thread);
  HHOOK after = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &ForeignAfter, nullptr, thread);
  ASSERT_TRUE(before && after);
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  ASSERT_NE(module_->State().callWndProcHook, nullptr);

  HWND window = ::CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  for (WPARAM i = 1; i <= 3; ++i) ::SendMessageW(window, kProbe, i, 0);
  CDialog find;
  ASSERT_TRUE(find.Create(kFindDialog));
  EXPECT_TEXTS(DialogTexts(find.m_hWnd), kFindGerman);
  find.DestroyWindow();
  // After the shut-down the module's hooks are gone: nothing is translated.
  ExitTranslation();
  EXPECT_EQ(module_->State().callWndProcHook, nullptr);
  CDialog later;
  ASSERT_TRUE(later.Create(kFindDialog));
  EXPECT_TEXTS(DialogTexts(later.m_hWnd),
               (std::vector<std::wstring>{L"Find", L"Find what:", L"", L"Match case", L"OK",
                                          L"Cancel"}));
  later.DestroyWindow();
  ::DestroyWindow(window);
  ::UnhookWindowsHookEx(before);
  ::UnhookWindowsHookEx(after);

  EXPECT_EQ(ForeignLog(),
            (std::vector<std::string>{"before 1", "after 1 -> 0", "before 2", "after 2 -> 0",
                                      "before 3", "after 3 -> 0", "init dialog",
                                      "init dialog"}));
}

}  // namespace
}  // namespace tolmeric::testing
