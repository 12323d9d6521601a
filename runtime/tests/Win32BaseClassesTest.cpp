#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/ThreadState.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/BaseClassesWin32.h"
#include "runtime/tests/Win32TestSupport.h"

namespace tolmeric::testing {
namespace {

const std::vector<std::wstring> kMainGerman = {
    L"&Datei",   L"  Ö&ffnen", L"  -",         L"  &Zuletzt", L"    Erste",
    L"  &Beenden", L"&Bearbeiten", L"  &Kopieren"};
const std::vector<std::wstring> kDocumentGerman = {L"&Datei", L"  Ö&ffnen", L"  &Schließen",
                                                   L"&Fenster", L"  &Nebeneinander"};
const std::vector<std::wstring> kDocumentFrench = {L"&Fichier", L"  &Ouvrir", L"  &Fermer",
                                                   L"Fe&nêtre", L"  &Mosaïque"};

TEST(Win32BaseClassesTest, EachClassHasItsOwnRecordAndIsAKindOfItsFrameworkClass) {
  const struct {
    const CRuntimeClass* record;
    const char* name;
    int size;
    const CRuntimeClass* base;
  } classes[] = {
      {RUNTIME_CLASS(__X_CWinApp), "__X_CWinApp", sizeof(__X_CWinApp), RUNTIME_CLASS(CWinApp)},
      {RUNTIME_CLASS(__X_CFrameWnd), "__X_CFrameWnd", sizeof(__X_CFrameWnd),
       RUNTIME_CLASS(CFrameWnd)},
      {RUNTIME_CLASS(__X_CMDIFrameWnd), "__X_CMDIFrameWnd", sizeof(__X_CMDIFrameWnd),
       RUNTIME_CLASS(CMDIFrameWnd)},
      {RUNTIME_CLASS(__X_CMDIChildWnd), "__X_CMDIChildWnd", sizeof(__X_CMDIChildWnd),
       RUNTIME_CLASS(CMDIChildWnd)},
      {RUNTIME_CLASS(__X_COleIPFrameWnd), "__X_COleIPFrameWnd", sizeof(__X_COleIPFrameWnd),
       RUNTIME_CLASS(COleIPFrameWnd)},
  };
  for (const auto& c : classes) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.record->m_lpszClassName, c.name);
    EXPECT_EQ(c.record->m_nObjectSize, c.size);
    EXPECT_EQ(c.record->m_wSchema, 0xFFFFu);
    EXPECT_EQ(c.record->m_pBaseClass, c.base);
    // Made from its record alone, as a document template makes a frame.
    std::unique_ptr<CObject> object(c.record->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), c.record);
    EXPECT_TRUE(object->IsKindOf(c.base));
  }
  __X_CMDIChildWnd child;
  EXPECT_TRUE(child.IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));
  EXPECT_TRUE(child.IsKindOf(RUNTIME_CLASS(CFrameWnd)));
  EXPECT_FALSE(child.IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
}

TEST(Win32BaseClassesTest, TheModulesLookupTakesTheTranslatingChildFrameForTheFrameworks) {
  EXPECT_EQ(TRANSLATED_RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(__X_CMDIChildWnd));
  EXPECT_EQ(TRANSLATED_RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CFrameWnd));
  CFrameWnd frame;
  CMDIChildWnd child;
  __X_CMDIChildWnd translatingChild;
  __X_CFrameWnd translatingFrame;
  const struct {
    const char* name;
    const CObject* object;
    const CRuntimeClass* asked;
    bool kind;
  } cases[] = {
      {"framework child as child", &child, RUNTIME_CLASS(CMDIChildWnd), true},
      {"framework child as translating child", &child, RUNTIME_CLASS(__X_CMDIChildWnd), true},
      {"framework child as frame", &child, RUNTIME_CLASS(CFrameWnd), true},
      {"translating child as child", &translatingChild, RUNTIME_CLASS(CMDIChildWnd), true},
      {"translating child as frame", &translatingChild, RUNTIME_CLASS(CFrameWnd), true},
      {"translating child as window", &translatingChild, RUNTIME_CLASS(CWnd), true},
      {"frame as child", &frame, RUNTIME_CLASS(CMDIChildWnd), false},
      {"translating frame as child", &translatingFrame, RUNTIME_CLASS(CMDIChildWnd), false},
      {"translating frame as frame", &translatingFrame, RUNTIME_CLASS(CFrameWnd), true},
      {"translating child as document frame", &translatingChild, RUNTIME_CLASS(CMDIFrameWnd),
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsTranslatedKindOf(c.object, c.asked), c.kind);
  }
}

// A frame of each translating class, and a tool-tip window that asks them.
class Win32BaseClassesModuleTest : public CWin32ModuleTest {
 protected:
  Win32BaseClassesModuleTest() {
    tip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
  }
  ~Win32BaseClassesModuleTest() override { ::DestroyWindow(tip_); }

  // What the tip window asks the frame, in the wide or the multi-byte form;
  // the tip text as the record holds it then, in wide characters.
  std::wstring AskTip(CWnd& frame, UINT_PTR idFrom, bool wide) {
    TOOLTIPTEXTW wideRecord{};
    TOOLTIPTEXTA narrowRecord{};
    NMHDR& header = wide ? wideRecord.hdr : narrowRecord.hdr;
    header.hwndFrom = tip_;
    header.idFrom = idFrom;
    header.code = wide ? TTN_NEEDTEXTW : TTN_NEEDTEXTA;
    wcscpy(wideRecord.szText, L"unanswered");
    strcpy(narrowRecord.szText, "unanswered");
    frame.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    if (wide) return wideRecord.szText;
    wchar_t text[80] = {};
    ::MultiByteToWideChar(CP_ACP, 0, narrowRecord.szText, -1, text, 80);
    return text;
  }

  // Registrations of window with menu in the menu registry.
  size_t Registrations(HWND window, HMENU menu) const {
    const auto& entries = module_->State().menuRegistry->Entries();
    return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [&](const auto& e) {
      return e.window == reinterpret_cast<WindowId>(window) &&
             e.menu == reinterpret_cast<MenuId>(menu);
    }));
  }

  HWND tip_ = nullptr;
};

// Exposes the tip handler, to ask it while command routing has a routing frame.
class CTipFrame : public __X_CFrameWnd {
 public:
  using __X_CFrameWnd::OnToolTipText;
};

TEST_F(Win32BaseClassesModuleTest, ToolTipsTakeTheTranslatedTipPartOfTheCommandString) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  auto* frame = new CTipFrame;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  // The frame, made later, lies above the tip window until a tip is asked.
  const auto tipIsAboveFrame = [&] {
    for (HWND above = ::GetWindow(frame->m_hWnd, GW_HWNDPREV); above;
         above = ::GetWindow(above, GW_HWNDPREV)) {
      if (above == tip_) return true;
    }
    return false;
  };
  EXPECT_FALSE(tipIsAboveFrame());
  // The multi-byte form holds as many whole characters as fit 79 bytes.
  const int bytesPerSharpS = ::WideCharToMultiByte(CP_ACP, 0, L"ß", 1, nullptr, 0, nullptr, nullptr);
  ASSERT_GT(bytesPerSharpS, 0);
  const struct {
    const char* name;
    UINT_PTR idFrom;
    std::wstring tip;
    std::wstring narrowTip;
  } cases[] = {
      {"translated tip", kOpenCommand, L"Öffnen", L"Öffnen"},
      {"untranslated tip", kPrintCommand, L"Print", L"Print"},
      {"separator", 0, L"", L""},
      {"cut to the record's buffer", kLongTipCommand, std::wstring(79, L'ß'),
       std::wstring(79 / bytesPerSharpS, L'ß')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AskTip(*frame, c.idFrom, true), c.tip);
    EXPECT_EQ(AskTip(*frame, c.idFrom, false), c.narrowTip);
  }
  EXPECT_TRUE(tipIsAboveFrame());

  // While a routing frame routes, the frame declines and leaves the record.
  {
    CPushRoutingFrame push(frame);
    TOOLTIPTEXTW record{};
    record.hdr = {tip_, kOpenCommand, TTN_NEEDTEXTW};
    LRESULT result = 7;
    EXPECT_FALSE(frame->OnToolTipText(0, &record.hdr, &result));
    EXPECT_STREQ(record.szText, L"");
    EXPECT_EQ(result, 7);
  }
  frame->DestroyWindow();
}

TEST_F(Win32BaseClassesModuleTest, StatusPromptIsThePromptPartWithOrWithoutALanguageFile) {
  auto* frame = new __X_CFrameWnd;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  const std::wstring german = Write("german.tra", *GermanLanguage());
  const struct {
    const char* name;
    bool loaded;
    UINT id;
    std::wstring prompt;
  } cases[] = {
      {"no language file", false, kOpenCommand, L"Open a document"},
      {"translated", true, kOpenCommand, L"Dokument öffnen"},
      {"untranslated", true, kPrintCommand, L"Print the document"},
      {"no such string", true, 999, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.loaded) {
      ASSERT_TRUE(LoadTranslationFile(german.c_str()));
    }
    CString prompt(L"before");
    frame->GetMessageString(c.id, prompt);
    EXPECT_EQ(prompt.str(), c.prompt);
  }
  frame->DestroyWindow();
}

TEST_F(Win32BaseClassesModuleTest, EveryFrameClassAnswersTipsAndPromptsAndLoadFrameTranslates) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  auto* frame = new __X_CFrameWnd;
  auto* mdiFrame = new __X_CMDIFrameWnd;
  auto* inPlace = new __X_COleIPFrameWnd;
  auto* child = new __X_CMDIChildWnd;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  ASSERT_TRUE(mdiFrame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  ASSERT_TRUE(inPlace->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  ASSERT_TRUE(child->LoadFrame(kDocumentMenu, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               mdiFrame, nullptr));
  const std::vector<CFrameWnd*> frames = {frame, mdiFrame, inPlace, child};
  for (CFrameWnd* each : frames) {
    SCOPED_TRACE(each->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(AskTip(*each, kOpenCommand, true), L"Öffnen");
    CString prompt;
    each->GetMessageString(kOpenCommand, prompt);
    EXPECT_EQ(prompt.str(), L"Dokument öffnen");
  }
  // The two frames that translate at LoadFrame, registered once each.
  EXPECT_TEXTS(MenuTexts(frame->m_hMenuDefault), kMainGerman);
  EXPECT_EQ(Registrations(frame->m_hWnd, ::GetMenu(frame->m_hWnd)), 1u);
  EXPECT_TEXTS(MenuTexts(mdiFrame->m_hMenuDefault), kMainGerman);
  // The child goes with its frame.
  for (CFrameWnd* each : std::vector<CFrameWnd*>{frame, mdiFrame, inPlace}) each->DestroyWindow();
}

TEST_F(Win32BaseClassesModuleTest, ChildActivationBringsItsMenuTranslatedAndRegisteredOnce) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  auto* frame = new __X_CMDIFrameWnd;
  ASSERT_TRUE(frame->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  auto* first = new __X_CMDIChildWnd;
  auto* second = new __X_CMDIChildWnd;
  ASSERT_TRUE(first->LoadFrame(kDocumentMenu, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, frame,
                               nullptr));
  ASSERT_TRUE(second->LoadFrame(kDocumentMenu, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                frame, nullptr));
  const HMENU firstMenu = first->m_hMenuShared;
  const HMENU secondMenu = second->m_hMenuShared;
  EXPECT_EQ(frame->MDIGetActive(), second);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), secondMenu);
  frame->MDIActivate(first);
  frame->MDIActivate(second);
  frame->MDIActivate(first);
  EXPECT_EQ(frame->MDIGetActive(), first);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), firstMenu);
  EXPECT_TEXTS(MenuTexts(firstMenu), kDocumentGerman);
  EXPECT_TEXTS(MenuTexts(secondMenu), kDocumentGerman);
  EXPECT_EQ(Registrations(frame->m_hWnd, firstMenu), 1u);
  EXPECT_EQ(Registrations(frame->m_hWnd, secondMenu), 1u);

  // A switch translates a child's menu that is not shown as well.
  ASSERT_TRUE(SwitchTranslationFile(Write("french.tra", *FrenchLanguage()).c_str()));
  EXPECT_TEXTS(MenuTexts(secondMenu), kDocumentFrench);

  // When the last child goes, the frame shows its default menu again.
  first->MDIDestroy();
  EXPECT_EQ(::GetMenu(frame->m_hWnd), secondMenu);
  second->MDIDestroy();
  EXPECT_EQ(frame->MDIGetActive(), nullptr);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), frame->m_hMenuDefault);
  EXPECT_EQ(Registrations(frame->m_hWnd, frame->m_hMenuDefault), 1u);
  frame->DestroyWindow();
}

TEST_F(Win32BaseClassesModuleTest, InPlaceControlBarsTranslateTheContainersMenus) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", *GermanLanguage()).c_str()));
  auto* container = new CFrameWnd;
  ASSERT_TRUE(container->LoadFrame(kFrame, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  __X_COleIPFrameWnd inPlace;
  EXPECT_TRUE(inPlace.ActivateInPlace(container, nullptr));
  EXPECT_EQ(inPlace.m_pMainFrame, container);
  EXPECT_TEXTS(MenuTexts(::GetMenu(container->m_hWnd)), kMainGerman);
  EXPECT_EQ(Registrations(container->m_hWnd, ::GetMenu(container->m_hWnd)), 1u);
  container->DestroyWindow();
}

TEST_F(Win32BaseClassesModuleTest, ExitInstanceShutsTheModuleDown) {
  __X_CWinApp app(L"Demo");
  app.m_pszProfileName = profile_.c_str();
  const std::wstring german = Write("german.tra", *GermanLanguage());
  ASSERT_TRUE(StartAutomaticTranslation(german.c_str(), L"Demo", TRUE, TRUE, TRUE));
  app.ExitInstance();
  EXPECT_EQ(app.GetProfileString(L"Language", L"LastTraFile").str(), german);
  EXPECT_EQ(module_->State().currentData, nullptr);
  CString text;
  EXPECT_FALSE(LoadTranslatedString(text, kOpenCommand));
  EXPECT_EQ(text.str(), L"Open a document\nOpen");
}

}  // namespace
}  // namespace tolmeric::testing
