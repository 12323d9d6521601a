// What the run-time module's Wine tests share: language files with dialogs
// and menus written as small tables, the texts of real windows and menus
// read as lists, a comparison that names file, line and index, and a
// fixture with a whole module on the Win32 platform.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "runtime/RuntimeModule.h"
#include "runtime/Win32Platform.h"
#include "runtime/tests/LanguageFiles.h"

namespace tolmeric::testing {

// The test executable's resources (TestResources.rc).
inline constexpr UINT kFindDialog = 100;
inline constexpr UINT kPrintDialog = 110;
inline constexpr UINT kGeneralPage = 120;
inline constexpr UINT kAdvancedPage = 130;
inline constexpr UINT kExtraPage = 140;
inline constexpr UINT kFrame = 300;           // title string and menu
inline constexpr UINT kDocumentMenu = 310;
inline constexpr UINT kContextMenu = 320;
inline constexpr UINT kLongItem = 323;        // added by the test, not in the resources
inline constexpr UINT kOpenCommand = 400;     // command strings: prompt, line feed, tip
inline constexpr UINT kPrintCommand = 401;    // not in the language files
inline constexpr UINT kLongTipCommand = 402;  // a tip of 100 characters

// A node of a language file's tree: the application's text, the translation
// and the nodes below.
struct TextRecipe {
  TextRecipe(std::u16string baseText, std::u16string translation, std::vector<TextRecipe> below = {})
      : base(std::move(baseText)), text(std::move(translation)), children(std::move(below)) {}

  std::u16string base;
  std::u16string text;
  std::vector<TextRecipe> children;
};

// A language file with the recipe's string tables and these dialogs (below
// "Dialoge": dialog, then its controls) and menus (below "Menus": menu, then
// popups and items at any depth).
std::unique_ptr<CLanguageData> MakeLanguage(const LanguageRecipe& recipe,
                                            const std::vector<TextRecipe>& dialogs,
                                            const std::vector<TextRecipe>& menus);

// The test application's texts in German and in French: its dialogs
// ("Find", "Print", "Replace", the page "General"), its menus
// (IDR_MAINFRAME, IDR_DOCUMENT, IDR_CONTEXT) and a few strings ("Settings",
// "Advanced", 1500 times "E", the command strings 400 and 402), with the
// standard switch dialog (the language item's text is "Steuerelement 9").
std::unique_ptr<CLanguageData> GermanLanguage();
std::unique_ptr<CLanguageData> FrenchLanguage();

// A dialog's caption, then the text of each direct child in order.
std::vector<std::wstring> DialogTexts(HWND dialog);
// A menu's items in order, one line each: two blanks of indentation per
// submenu level, "-" for a separator.
std::vector<std::wstring> MenuTexts(HMENU menu);
// The labels of a tab control's tabs in order.
std::vector<std::wstring> TabLabels(HWND tabs);
// A property sheet's caption, then its tab labels.
std::vector<std::wstring> SheetTexts(HWND sheet);

// Delivers the thread's pending messages (a modeless property sheet makes
// its first page only then).
void PumpMessages();

// Takes one step on an open modal dialog per tick of a thread timer; a
// dialog the steps leave open is cancelled ten ticks later, so a fault never
// hangs the test.
class CModalDialogDriver {
 public:
  using Step = std::function<void(HWND dialog)>;

  // findDialog gives the open dialog, or null while there is none.
  CModalDialogDriver(std::function<HWND()> findDialog, std::vector<Step> steps);
  ~CModalDialogDriver();
  CModalDialogDriver(const CModalDialogDriver&) = delete;
  CModalDialogDriver& operator=(const CModalDialogDriver&) = delete;

  // Ticks on which the dialog was open, and whether it was cancelled
  // because the steps left it open.
  int ticksSeen = 0;
  bool leftOpen = false;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Tick();

  static inline CModalDialogDriver* current_ = nullptr;
  std::function<HWND()> findDialog_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

// A click (or double click) with the mouse on the image of a list view's
// item, scrolled into view first.
void ClickListItem(HWND list, int index, bool twice = false);

// Compares two lists of texts; a failure names the caller's file and line,
// and the first index that differs.
void ExpectTexts(const char* file, int line, const std::vector<std::wstring>& actual,
                 const std::vector<std::wstring>& expected);
#define EXPECT_TEXTS(actual, expected) \
  ::tolmeric::testing::ExpectTexts(__FILE__, __LINE__, (actual), (expected))

// Calls step with the active window every 20 ms while a modal loop runs,
// until step reports that it is done. After 10 s the test fails and the
// modal window is closed, so a missing window never hangs the run.
class CModalDriver {
 public:
  explicit CModalDriver(std::function<bool(HWND active)> step) {
    Current() = this;
    step_ = std::move(step);
    timer_ = ::SetTimer(nullptr, 0, 20, &CModalDriver::Tick);
  }
  ~CModalDriver() {
    if (timer_) ::KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  bool Done() const { return done_; }

 private:
  static CModalDriver*& Current() {
    static CModalDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    CModalDriver* self = Current();
    if (!self || self->done_) return;
    HWND active = ::GetActiveWindow();
    if (++self->ticks_ > 500) {
      ADD_FAILURE() << "the expected window did not appear";
      self->done_ = true;
      ::PostMessageW(active, WM_CLOSE, 0, 0);
      return;
    }
    if (active && self->step_(active)) self->done_ = true;
  }

  std::function<bool(HWND)> step_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;
  bool done_ = false;
};

// Posts a command to window, then delivers messages while the modal loop it
// opens runs and the driver is not done (5 s at most).
inline void PostCommandAndDrive(HWND window, UINT command, const CModalDriver& driver) {
  ::PostMessageW(window, WM_COMMAND, command, 0);
  for (int i = 0; i < 500 && !driver.Done(); ++i) {
    PumpMessages();
    ::Sleep(10);
  }
  PumpMessages();
}

// A whole module on the real Win32 platform, active for one test, with an
// application object whose profile is a file in the test's folder, message
// boxes answered by the test, and the switch dialog replaced by a counter.
class CWin32ModuleTest : public ::testing::Test {
 protected:
  CWin32ModuleTest();
  ~CWin32ModuleTest() override;

  // Writes a language file into the test's folder; returns its path.
  std::wstring Write(const std::string& name, CLanguageData& data);

  CTempFolder folder_;
  std::filesystem::path profilePath_ = folder_.Path() / "Demo.INI";
  std::wstring profile_ = profilePath_.wstring();
  CWinApp app_{L"Demo"};
  CWin32Platform platform_;
  std::unique_ptr<CRuntimeModule> module_;
  int switchDialogs_ = 0;
  // The message boxes shown: text and style.
  std::vector<std::wstring> messages_;
  std::vector<UINT> types_;
};

}  // namespace tolmeric::testing
