// The project commands' windows under Wine: the test version settings
// dialog driven as a user would, the progress window, and the questions
// and reports as message boxes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/ProgressDialog.h"
#include "app/TestVersionDialog.h"
#include "app/ToolPromptsWin32.h"
#include "framework/MessageBox.h"
#include "runtime/WideTextWin32.h"
#include "translation/FileError.h"
#include "translation/Project.h"

namespace tolmeric {
namespace {

// What the user does in the settings dialog once it is open: read what it
// shows, change it, press Help, then press the closing button.
struct SettingsVisit {
  int closingButton = IDOK;
  bool shownBegin = false;
  bool shownEnd = false;
  std::wstring shownBeginText;
  std::wstring shownEndText;
};
SettingsVisit* visit = nullptr;

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[64] = {};
  ::GetDlgItemTextW(dialog, id, text, 64);
  return text;
}

void CALLBACK ActInSettings(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  const HWND dialog = ::FindWindowW(L"#32770", L"Einstellungen f\u00fcr eine Testversion");
  if (dialog == nullptr) {
    ADD_FAILURE() << "the settings dialog is not there";
    ::PostQuitMessage(0);
    return;
  }
  visit->shownBegin = ::IsDlgButtonChecked(dialog, CTestVersionDialog::kReplaceBegin) == BST_CHECKED;
  visit->shownEnd = ::IsDlgButtonChecked(dialog, CTestVersionDialog::kReplaceEnd) == BST_CHECKED;
  visit->shownBeginText = ItemText(dialog, CTestVersionDialog::kBeginText);
  visit->shownEndText = ItemText(dialog, CTestVersionDialog::kEndText);
  ::SendDlgItemMessageW(dialog, CTestVersionDialog::kReplaceBegin, BM_CLICK, 0, 0);
  ::SetDlgItemTextW(dialog, CTestVersionDialog::kBeginText, L"<<");
  ::SetDlgItemTextW(dialog, CTestVersionDialog::kEndText, L"");
  // Help does nothing: the dialog ends with the button pressed after it.
  ::SendMessageW(dialog, WM_COMMAND, CTestVersionDialog::kHelp, 0);
  ::PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(visit->closingButton), 0);
}

TEST(TestVersionDialog, ShowsTheSettingsAndWritesThemBackOnOkOnly) {
  const struct {
    int button;
    INT_PTR result;
    bool replaceBegin;
    const char16_t* beginText;
    const char16_t* endText;
  } kCases[] = {
      {IDOK, IDOK, false, u"<<", u""},
      {IDCANCEL, IDCANCEL, true, u"X", u"Y"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.button);
    CProject project;
    SettingsVisit seen;
    seen.closingButton = c.button;
    visit = &seen;
    ::SetTimer(nullptr, 0, 50, &ActInSettings);
    CTestVersionDialog dialog(project, nullptr);
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_TRUE(seen.shownBegin);
    EXPECT_TRUE(seen.shownEnd);
    EXPECT_EQ(seen.shownBeginText, L"X");
    EXPECT_EQ(seen.shownEndText, L"Y");
    EXPECT_EQ(project.replaceBegin, c.replaceBegin);
    EXPECT_TRUE(project.replaceEnd);
    EXPECT_EQ(project.beginText, c.beginText);
    EXPECT_EQ(project.endText, c.endText);
  }
  visit = nullptr;
}

TEST(ProgressDialog, ModelessWithoutParentFromZeroToHundred) {
  CToolPromptsWin32 prompts(nullptr, nullptr);
  std::unique_ptr<IProgress> progress = prompts.OpenProgress(u"Lese Resource-Dateien ein...");
  auto* dialog = dynamic_cast<CProgressDialog*>(progress.get());
  ASSERT_NE(dialog, nullptr);
  const HWND window = dialog->m_hWnd;
  const HWND bar = ::GetDlgItem(window, CProgressDialog::kBar);
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_EQ(::GetParent(window), nullptr);
  EXPECT_EQ(::GetWindow(window, GW_OWNER), nullptr);
  wchar_t title[64] = {};
  ::GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, L"Lese Resource-Dateien ein...");

  PBRANGE range{};
  ::SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
  EXPECT_EQ(::SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  progress->SetPosition(60);
  EXPECT_EQ(::SendMessageW(bar, PBM_GETPOS, 0, 0), 60);

  RECT expected{0, 0, 172, 19};
  ::MapDialogRect(window, &expected);
  RECT actual{};
  ::GetWindowRect(bar, &actual);
  EXPECT_EQ(actual.right - actual.left, expected.right);
  EXPECT_EQ(actual.bottom - actual.top, expected.bottom);

  progress.reset();
  EXPECT_FALSE(::IsWindow(window));
}

// The questions as message boxes: the buttons offered and the answer each
// button gives; a file error names the file and what went wrong.
TEST(ToolPromptsWin32, MessageBoxesAndTheirAnswers) {
  std::vector<std::wstring> texts;
  std::vector<UINT> types;
  int button = IDOK;
  AfxMessageBoxHandler previous =
      AfxSetMessageBoxHandler([&](LPCTSTR text, UINT type, UINT) {
        texts.emplace_back(text);
        types.push_back(type);
        return button;
      });
  CToolPromptsWin32 prompts(nullptr, [] { return 7; });
  const struct {
    int button;
    bool yesNo;
    Answer yesNoCancel;
  } kCases[] = {
      {IDYES, true, Answer::kYes},
      {IDNO, false, Answer::kNo},
      {IDCANCEL, false, Answer::kCancel},
  };
  for (const auto& c : kCases) {
    button = c.button;
    EXPECT_EQ(prompts.AskYesNo(u"Frage"), c.yesNo);
    EXPECT_EQ(prompts.AskYesNoCancel(u"Frage"), c.yesNoCancel);
  }
  prompts.ShowMessage(u"Hinweis");
  prompts.ReportFileError(CFileError(FileErrorKind::kCannotCreate, L"C:\\Work\\demo.lxp", "Zugriff verweigert"));
  AfxSetMessageBoxHandler(previous);

  ASSERT_EQ(texts.size(), 8u);
  EXPECT_EQ(types[0] & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(types[1] & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
  EXPECT_EQ(texts[6], L"Hinweis");
  EXPECT_EQ(types[6] & MB_TYPEMASK, static_cast<UINT>(MB_OK));
  EXPECT_EQ(texts[7], L"C:\\Work\\demo.lxp: cannot create file (Zugriff verweigert)");
  EXPECT_EQ(prompts.AskFlag(), 7);
}

}  // namespace
}  // namespace tolmeric
