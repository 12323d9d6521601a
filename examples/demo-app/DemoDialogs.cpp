#include "examples/demo-app/DemoDialogs.h"

#include <string>

#include "examples/demo-app/DemoResource.h"
#include "examples/demo-app/DemoView.h"
#include "examples/demo-app/MainFrame.h"
#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace demo {

namespace {

// What the find dialog searched last; Find Next repeats it.
struct CLastSearch {
  CString what;
  BOOL matchCase = FALSE;
  BOOL down = TRUE;
};
CLastSearch lastSearch;
CFindDialog* openFindDialog = nullptr;

CDemoView* ActiveView() {
  auto* frame = static_cast<CMainFrame*>(AfxGetApp()->m_pMainWnd);
  CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
  return child ? static_cast<CDemoView*>(child->GetActiveView()) : nullptr;
}

void SetCheck(HWND dialog, int id, bool on) {
  ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}
bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetNumber(HWND dialog, int id, unsigned value) { ::SetDlgItemInt(dialog, id, value, FALSE); }
// The number in control id; fallback while it holds none.
unsigned Number(HWND dialog, int id, unsigned fallback) {
  BOOL read = FALSE;
  const UINT value = ::GetDlgItemInt(dialog, id, &read, FALSE);
  return read ? value : fallback;
}

}  // namespace

// The find dialog.

CFindDialog* CFindDialog::Current() { return openFindDialog; }

void CFindDialog::Show(CWnd* owner) {
  if (openFindDialog) {
    ::SetActiveWindow(openFindDialog->m_hWnd);
    return;
  }
  auto* dialog = new CFindDialog;
  openFindDialog = dialog;
  if (!dialog->Create(IDD_FIND, AfxGetApp()->m_pMainWnd)) {
    // A window that was made and failed has deleted its object already
    // (and forgotten it).
    if (openFindDialog == dialog) delete dialog;
    openFindDialog = nullptr;
    return;
  }
  dialog->ShowWindow(SW_SHOW);
}

BOOL CFindDialog::Repeat(CDemoView* view) {
  if (lastSearch.what.IsEmpty()) return FALSE;
  if (!view->FindNext(lastSearch.what, lastSearch.matchCase, lastSearch.down)) ::MessageBeep(0);
  return TRUE;
}

BOOL CFindDialog::OnInitDialog() {
  ::SetDlgItemTextW(m_hWnd, IDC_FIND_TEXT, lastSearch.what);
  SetCheck(m_hWnd, IDC_MATCH_CASE, lastSearch.matchCase);
  ::CheckRadioButton(m_hWnd, IDC_DIRECTION_UP, IDC_DIRECTION_DOWN,
                     lastSearch.down ? IDC_DIRECTION_DOWN : IDC_DIRECTION_UP);
  return TRUE;
}

void CFindDialog::OnOK() {
  GetDlgItem(IDC_FIND_TEXT)->GetWindowText(lastSearch.what);
  lastSearch.matchCase = IsChecked(m_hWnd, IDC_MATCH_CASE);
  lastSearch.down = IsChecked(m_hWnd, IDC_DIRECTION_DOWN);
  CDemoView* view = ActiveView();
  if (!view || lastSearch.what.IsEmpty()) return;
  if (!view->FindNext(lastSearch.what, lastSearch.matchCase, lastSearch.down)) {
    CString message;
    FormatTranslated(message, IDS_NOT_FOUND, static_cast<LPCTSTR>(lastSearch.what));
    TextMessageBox(message, MB_OK | MB_ICONINFORMATION);
  }
}

void CFindDialog::PostNcDestroy() {
  openFindDialog = nullptr;
  delete this;
}

// The options sheet's pages.

CEditorPage::CEditorPage(CDemoSettings& settings)
    : CPropertyPage(IDD_PAGE_EDITOR), settings_(settings) {}

BOOL CEditorPage::OnInitDialog() {
  SetCheck(m_hWnd, IDC_WORD_WRAP, settings_.wordWrap);
  SetCheck(m_hWnd, IDC_AUTO_INDENT, settings_.autoIndent);
  SetNumber(m_hWnd, IDC_TAB_WIDTH, settings_.tabWidth);
  return TRUE;
}

BOOL CEditorPage::OnApply() {
  settings_.wordWrap = IsChecked(m_hWnd, IDC_WORD_WRAP);
  settings_.autoIndent = IsChecked(m_hWnd, IDC_AUTO_INDENT);
  settings_.tabWidth = Number(m_hWnd, IDC_TAB_WIDTH, settings_.tabWidth);
  return TRUE;
}

CAppearancePage::CAppearancePage(CDemoSettings& settings)
    : CPropertyPage(IDD_PAGE_VIEW), settings_(settings) {}

BOOL CAppearancePage::OnInitDialog() {
  SetNumber(m_hWnd, IDC_FONT_SIZE, settings_.fontSize);
  SetCheck(m_hWnd, IDC_LINE_NUMBERS, settings_.lineNumbers);
  SetCheck(m_hWnd, IDC_RULER, settings_.ruler);
  ::CheckRadioButton(m_hWnd, IDC_LIGHT, IDC_DARK, settings_.dark ? IDC_DARK : IDC_LIGHT);
  return TRUE;
}

BOOL CAppearancePage::OnApply() {
  settings_.fontSize = Number(m_hWnd, IDC_FONT_SIZE, settings_.fontSize);
  settings_.lineNumbers = IsChecked(m_hWnd, IDC_LINE_NUMBERS);
  settings_.ruler = IsChecked(m_hWnd, IDC_RULER);
  settings_.dark = IsChecked(m_hWnd, IDC_DARK);
  return TRUE;
}

CFilesPage::CFilesPage(CDemoSettings& settings)
    : CPropertyPage(IDD_PAGE_FILES), settings_(settings) {}

BOOL CFilesPage::OnInitDialog() {
  SetCheck(m_hWnd, IDC_BACKUP, settings_.backup);
  SetCheck(m_hWnd, IDC_AUTOSAVE, settings_.autoSave);
  SetNumber(m_hWnd, IDC_AUTOSAVE_MINUTES, settings_.autoSaveMinutes);
  ::SetDlgItemTextW(m_hWnd, IDC_FOLDER, settings_.folder.c_str());
  return TRUE;
}

BOOL CFilesPage::OnApply() {
  settings_.backup = IsChecked(m_hWnd, IDC_BACKUP);
  settings_.autoSave = IsChecked(m_hWnd, IDC_AUTOSAVE);
  settings_.autoSaveMinutes = Number(m_hWnd, IDC_AUTOSAVE_MINUTES, settings_.autoSaveMinutes);
  CString folder;
  GetDlgItem(IDC_FOLDER)->GetWindowText(folder);
  settings_.folder = static_cast<LPCTSTR>(folder);
  return TRUE;
}

INT_PTR ShowOptionsSheet(CWnd* parent, CDemoSettings& settings) {
  // The sheet's frame is not a dialog of the language file: its title is a
  // string of the string table.
  CString title;
  LoadTranslatedString(title, IDS_OPTIONS);
  CPropertySheet sheet(title, parent);
  CEditorPage editor(settings);
  CAppearancePage appearance(settings);
  CFilesPage files(settings);
  sheet.AddPage(&editor);
  sheet.AddPage(&appearance);
  sheet.AddPage(&files);
  return sheet.DoModal();
}

}  // namespace demo
