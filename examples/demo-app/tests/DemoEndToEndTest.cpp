// The demo's windows in German, English and French, driven as a user drives
// them: its main frame with a document (their titles and the idle prompt),
// the find dialog, the About box and
// the options sheet opened and read, the view's context menu, a toolbar tip
// and a menu item's status-bar prompt, the language item of the menu bar,
// the switch dialog with its flags and lists, the warning for an older
// version, and the profile that brings the last language back at the next
// start. The demo's own classes, resources and language files are used, the
// files made by the build exactly as demo.exe gets them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "examples/demo-app/DemoDialogs.h"
#include "examples/demo-app/DemoResource.h"
#include "examples/demo-app/DemoView.h"
#include "examples/demo-app/MainFrame.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/Win32TestSupport.h"

namespace tolmeric::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::wstring>;

constexpr UINT kLanguageCommand = 19987;
constexpr int kThisVersionList = 1234;
constexpr int kOlderVersionList = 1223;

// What the demo shows in one language.
struct LanguageView {
  Texts frame;  // the main frame's title, the document's, the idle prompt
  Texts find;
  Texts about;
  Texts fileMenu;  // the first popup, with the language item at its end
  Texts contextMenu;
  Texts sheet;  // caption and tab labels
  std::wstring cutTip;
  std::wstring cutPrompt;
};

const LanguageView kGerman = {
    {L"Demo-Notizblock", L"Unbenannt 1", L"Bereit"},
    {L"Suchen", L"&Suchen nach:", L"", L"&Groß-/Kleinschreibung", L"Richtung", L"Nach &oben",
     L"Nach &unten", L"&Weitersuchen", L"Abbrechen"},
    {L"Info über Demo", L"Demo-Notizblock, Version 1.0",
     L"Zeigt, wie eine Anwendung ihre Sprache während der Laufzeit wechselt.",
     L"Copyright (C) 2026 Tolmeric-Projekt", L"OK"},
    {L"&Neu\tStrg+N", L"Ö&ffnen...\tStrg+O", L"S&chließen", L"&Speichern\tStrg+S", L"-",
     L"&Zuletzt geöffnet", L"  Keine Dateien", L"-", L"&Beenden", L"-", L"&Sprache wählen..."},
    {L"&Ausschneiden", L"&Kopieren", L"&Einfügen", L"-", L"Alles &markieren", L"-",
     L"&Suchen..."},
    {L"Optionen", L"Editor", L"Darstellung", L"Dateien"},
    L"Ausschneiden",
    L"Schneidet die Markierung aus und legt sie in die Zwischenablage"};

const LanguageView kEnglish = {
    {L"Demo Notepad", L"Untitled 1", L"Ready"},
    {L"Find", L"Fi&nd what:", L"", L"Match &case", L"Direction", L"&Up", L"&Down",
     L"&Find Next", L"Cancel"},
    {L"About Demo", L"Demo Notepad, version 1.0",
     L"Shows how an application changes its language while it runs.",
     L"Copyright (C) 2026 the Tolmeric project", L"OK"},
    {L"&New\tCtrl+N", L"&Open...\tCtrl+O", L"&Close", L"&Save\tCtrl+S", L"-", L"Recent &Files",
     L"  No Files", L"-", L"E&xit", L"-", L"Choose &Language..."},
    {L"Cu&t", L"&Copy", L"&Paste", L"-", L"Select &All", L"-", L"&Find..."},
    {L"Options", L"Editor", L"Appearance", L"Files"},
    L"Cut",
    L"Cut the selection and put it on the Clipboard"};

const LanguageView kFrench = {
    {L"Bloc-notes Demo", L"Sans titre 1", L"Prêt"},
    {L"Rechercher", L"&Rechercher :", L"", L"Respecter la &casse", L"Direction",
     L"Vers le &haut", L"Vers le &bas", L"&Suivant", L"Annuler"},
    {L"À propos de Demo", L"Bloc-notes Demo, version 1.0",
     L"Montre comment une application change de langue pendant son exécution.",
     L"Copyright (C) 2026 projet Tolmeric", L"OK"},
    {L"&Nouveau\tCtrl+N", L"&Ouvrir...\tCtrl+O", L"&Fermer", L"&Enregistrer\tCtrl+S", L"-",
     L"Fichiers &récents", L"  Aucun fichier", L"-", L"&Quitter", L"-", L"&Langue..."},
    {L"&Couper", L"Co&pier", L"C&oller", L"-", L"&Tout sélectionner", L"-", L"&Rechercher..."},
    {L"Options", L"Éditeur", L"Affichage", L"Fichiers"},
    L"Couper",
    L"Coupe la sélection et la place dans le Presse-papiers"};

Texts ListTexts(HWND list) {
  Texts texts;
  const int count = ListView_GetItemCount(list);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    ListView_GetItemText(list, i, 0, text, 256);
    texts.push_back(text);
  }
  return texts;
}

// How many different pictures the list's images show: each flag of the
// list is its own picture, and none is a single colour.
size_t DistinctFlags(HWND list) {
  HIMAGELIST images = ListView_GetImageList(list, LVSIL_NORMAL);
  const int count = images ? ImageList_GetImageCount(images) : 0;
  std::set<std::vector<COLORREF>> pictures;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  for (int i = 0; i < count; ++i) {
    RECT all{0, 0, 32, 32};
    ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(images, i, memory, 0, 0, ILD_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; y += 2)
      for (int x = 0; x < 32; x += 2) pixels.push_back(::GetPixel(memory, x, y));
    const bool oneColour =
        std::all_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c == pixels[0]; });
    if (!oneColour) pictures.insert(pixels);
  }
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pictures.size();
}

// Selects the entry text of the list and clicks it, then clicks OK.
bool ChooseLanguage(HWND dialog, int listId, const std::wstring& text) {
  HWND list = ::GetDlgItem(dialog, listId);
  const Texts entries = ListTexts(list);
  const auto found = std::find(entries.begin(), entries.end(), text);
  if (found == entries.end()) {
    ADD_FAILURE() << "no entry " << ::testing::PrintToString(text) << " among "
                  << ::testing::PrintToString(entries);
    ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return false;
  }
  const int index = static_cast<int>(found - entries.begin());
  ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
  NMITEMACTIVATE click{};
  click.hdr = {list, static_cast<UINT_PTR>(listId), static_cast<UINT>(NM_CLICK)};
  click.iItem = index;
  ::SendMessageW(dialog, WM_NOTIFY, listId, reinterpret_cast<LPARAM>(&click));
  HWND ok = ::GetDlgItem(dialog, IDOK);
  EXPECT_TRUE(::IsWindowEnabled(ok)) << "a selection enables OK";
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  return true;
}

// What the switch dialog listed when it was opened.
struct SwitchDialogView {
  Texts thisVersion;
  Texts older;
  size_t thisVersionFlags = 0;
};

class DemoEndToEndTest : public ::testing::Test {
 protected:
  DemoEndToEndTest() {
    for (const char* name : {"demo.tra", "demo_English.tra", "demo_Francais.tra"}) {
      fs::copy_file(fs::path(DEMO_LANGUAGE_FOLDER) / name, folder_.Path() / name);
    }
    for (const char* name : {"demo_Deutsch_0.9.tra", "other_program.tra"}) {
      fs::copy_file(fs::path(DEMO_TEST_FILES) / name, folder_.Path() / name);
    }
    ::SetCurrentDirectoryW(folder_.Path().c_str());
    app_.m_pszProfileName = profile_.c_str();
    AfxSetMessageBoxHandler([this](LPCTSTR text, UINT, UINT) {
      messages_.push_back(text);
      return IDOK;
    });
  }
  ~DemoEndToEndTest() override {
    ExitTranslation();
    AfxSetMessageBoxHandler(nullptr);
    ::SetCurrentDirectoryW(fs::temp_directory_path().c_str());
  }

  void Start() {
    const std::wstring german = (folder_.Path() / "demo.tra").wstring();
    EXPECT_TRUE(StartAutomaticTranslation(german.c_str(), L"Demo", TRUE, TRUE, TRUE));
  }

  // The windows that stay open across switches: the main frame with a
  // document, the find dialog and the About box (modeless here).
  void OpenWindows() {
    frame_ = new demo::CMainFrame;  // deletes itself with its window
    ASSERT_TRUE(frame_->LoadFrame(IDR_MAINFRAME));
    app_.m_pMainWnd = frame_;
    frame_->OpenDocument(L"Text");
    frame_->ShowWindow(SW_SHOW);
    demo::CFindDialog::Show(frame_);
    ASSERT_NE(demo::CFindDialog::Current(), nullptr);
    find_ = demo::CFindDialog::Current()->m_hWnd;
    ASSERT_TRUE(about_.Create(IDD_ABOUTBOX, frame_));
    PumpMessages();
  }
  void CloseWindows() {
    ::DestroyWindow(find_);
    about_.DestroyWindow();
    frame_->DestroyWindow();
    app_.m_pMainWnd = nullptr;
  }

  demo::CDemoView* View() {
    CMDIChildWnd* child = frame_->MDIGetActive();
    return child ? static_cast<demo::CDemoView*>(child->GetActiveView()) : nullptr;
  }

  // The options sheet's caption and tabs, read while the sheet runs after
  // each page has been shown once; Cancel ends it.
  Texts OptionsSheetTexts() {
    Texts texts;
    CModalDriver driver([&](HWND active) {
      if (!::SendMessageW(active, PSM_GETTABCONTROL, 0, 0)) return false;
      for (int page : {1, 2, 0}) ::SendMessageW(active, PSM_SETCURSEL, page, 0);
      texts = SheetTexts(active);
      ::PostMessageW(active, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      return true;
    });
    demo::CDemoSettings settings;
    demo::ShowOptionsSheet(frame_, settings);
    return texts;
  }

  // The view's context menu as it opens on a right click in the editor;
  // Escape closes it.
  Texts ContextMenuTexts() {
    Texts texts;
    CModalDriver driver([&](HWND) {
      HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
      if (!menuWindow) return false;
      texts = MenuTexts(reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0)));
      ::EndMenu();
      return true;
    });
    HWND edit = View()->m_hWndEdit;
    ::SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(100, 100));
    return texts;
  }

  // The tip the toolbar's tip window gets for a button, as when the mouse
  // rests on it.
  std::wstring TipText(UINT command) {
    NMTTDISPINFOW request{};
    request.hdr = {frame_->m_wndToolBar.GetToolTips(), command,
                   static_cast<UINT>(TTN_NEEDTEXTW)};
    ::SendMessageW(frame_->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.szText;
  }

  // The frame's and the active document's titles, and what the status bar
  // shows while no menu item is selected.
  Texts FrameTexts() {
    Texts texts;
    for (CWnd* window : {static_cast<CWnd*>(frame_), static_cast<CWnd*>(frame_->MDIGetActive())}) {
      std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window->m_hWnd)), L'\0');
      ::GetWindowTextW(window->m_hWnd, text.data(), static_cast<int>(text.size() + 1));
      texts.push_back(text);
    }
    texts.push_back(static_cast<LPCTSTR>(frame_->m_wndStatusBar.GetPaneText(0)));
    return texts;
  }

  // The status bar's prompt while a menu item is selected.
  std::wstring PromptText(UINT command) {
    ::SendMessageW(frame_->m_hWnd, WM_MENUSELECT, MAKEWPARAM(command, MF_HILITE),
                   reinterpret_cast<LPARAM>(::GetMenu(frame_->m_hWnd)));
    return static_cast<LPCTSTR>(frame_->m_wndStatusBar.GetPaneText(0));
  }

  void ExpectView(const LanguageView& view, const char* language) {
    SCOPED_TRACE(language);
    EXPECT_TEXTS(FrameTexts(), view.frame);
    EXPECT_TEXTS(DialogTexts(find_), view.find);
    EXPECT_TEXTS(DialogTexts(about_.m_hWnd), view.about);
    EXPECT_TEXTS(MenuTexts(::GetSubMenu(::GetMenu(frame_->m_hWnd), 0)), view.fileMenu);
    EXPECT_TEXTS(ContextMenuTexts(), view.contextMenu);
    EXPECT_TEXTS(OptionsSheetTexts(), view.sheet);
    EXPECT_EQ(TipText(IDM_EDIT_CUT), view.cutTip);
    EXPECT_EQ(PromptText(IDM_EDIT_CUT), view.cutPrompt);
  }

  // Chooses the language item of the frame's menu and, in the switch
  // dialog, the entry text of list listId.
  SwitchDialogView SwitchWithMenu(int listId, const std::wstring& text) {
    SwitchDialogView seen;
    CModalDriver driver([&](HWND active) {
      HWND list = ::GetDlgItem(active, kThisVersionList);
      if (!list) return false;
      seen.thisVersion = ListTexts(list);
      seen.older = ListTexts(::GetDlgItem(active, kOlderVersionList));
      seen.thisVersionFlags = DistinctFlags(list);
      ChooseLanguage(active, listId, text);
      return true;
    });
    ::PostMessageW(frame_->m_hWnd, WM_COMMAND, kLanguageCommand, 0);
    for (int i = 0; i < 500 && !driver.Done(); ++i) {
      PumpMessages();
      ::Sleep(10);
    }
    PumpMessages();
    std::sort(seen.thisVersion.begin(), seen.thisVersion.end());
    return seen;
  }

  CTempFolder folder_;
  std::wstring profile_ = (folder_.Path() / "demo.ini").wstring();
  CWinApp app_{L"Demo"};
  demo::CMainFrame* frame_ = nullptr;
  HWND find_ = nullptr;
  CDialog about_;
  std::vector<std::wstring> messages_;
};

TEST_F(DemoEndToEndTest, SwitchesEveryOpenWindowAndComesBackInTheLastLanguage) {
  Start();
  OpenWindows();
  ExpectView(kGerman, "German at the start");

  // The three languages of this version with their flags; the older
  // version's file in the second list; another program's file nowhere.
  const SwitchDialogView seen = SwitchWithMenu(kThisVersionList, L"English");
  EXPECT_TEXTS(seen.thisVersion, (Texts{L"Deutsch", L"English", L"Français"}));
  EXPECT_TEXTS(seen.older, (Texts{L"Deutsch (Ver.0.9)"}));
  EXPECT_EQ(seen.thisVersionFlags, 3u);
  ExpectView(kEnglish, "English after the switch");

  // An older version's language: the warning first, in English, then the
  // switch. Its texts take the place of the held ones; the program stays
  // version 1.0, so the lists stay as they were.
  SwitchWithMenu(kOlderVersionList, L"Deutsch (Ver.0.9)");
  EXPECT_TEXTS(messages_,
               (Texts{L"Warning! You have chosen a language of an older program version.\n"
                      L"Some of the program's texts may not be shown in the right language."}));
  EXPECT_TEXTS(DialogTexts(find_), kGerman.find);

  SwitchWithMenu(kThisVersionList, L"Français");
  ExpectView(kFrench, "French after the switch");
  CloseWindows();
  ExitTranslation();

  // The next start reads French from the profile.
  Start();
  OpenWindows();
  ExpectView(kFrench, "French after the restart");
  CloseWindows();
  EXPECT_EQ(messages_.size(), 1u) << "no message besides the warning";
}

}  // namespace
}  // namespace tolmeric::testing
