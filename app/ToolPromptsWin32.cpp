#include "app/ToolPromptsWin32.h"

#include <windows.h>

#include "app/FlagDialog.h"
#include "app/ProgressDialog.h"
#include "app/TestVersionDialog.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"
#include "runtime/StringFunctions.h"
#include "runtime/WideTextWin32.h"
#include "translation/FileError.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

const wchar_t kProjectFilter[] = L"Verbatrix (*.lxp)|*.lxp||";
const wchar_t kScriptFilter[] = L"Ressourcen (*.rc)|*.rc||";
const wchar_t kLanguageFilter[] = L"Verbatrix (*.tra)|*.tra||";

// The window the dialogs belong to: the application's main window.
CWnd* Owner() {
  const CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pMainWnd : nullptr;
}

std::optional<std::u16string> ChosenPath(CFileDialog& dialog) {
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return FromWide(dialog.GetPathName());
}

}  // namespace

// An open dialog in which a name that does not exist yet may be typed.
std::optional<std::u16string> CWin32ToolPrompts::AskProjectToOpen(uint32_t titleId) {
  CFileDialog dialog(TRUE, L"lxp", L"*.lxp", OFN_HIDEREADONLY, kProjectFilter, Owner());
  std::u16string title;
  LoadTranslatedString(title, titleId);
  dialog.m_ofn.lpstrTitle = Wide(title);
  return ChosenPath(dialog);
}

std::optional<std::u16string> CWin32ToolPrompts::AskNewProjectPath() {
  return AskProjectToOpen(kStrNewProjectTitle);
}

std::optional<std::u16string> CWin32ToolPrompts::AskOpenProjectPath() {
  return AskProjectToOpen(kStrOpenProjectTitle);
}

std::optional<std::u16string> CWin32ToolPrompts::AskSaveProjectPath() {
  CFileDialog dialog(FALSE, L"lxp", L"*.lxp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     kProjectFilter, Owner());
  return ChosenPath(dialog);
}

std::vector<std::u16string> CWin32ToolPrompts::AskScriptPaths() {
  CFileDialog dialog(TRUE, L"rc", nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, kScriptFilter,
                     Owner());
  std::vector<std::u16string> paths;
  if (dialog.DoModal() != IDOK) return paths;
  for (POSITION position = dialog.GetStartPosition(); position != nullptr;) {
    paths.push_back(FromWide(dialog.GetNextPathName(position)));
  }
  return paths;
}

std::optional<std::u16string> CWin32ToolPrompts::AskSaveLanguageFilePath() {
  CFileDialog dialog(FALSE, L"tra", L"*.tra", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     kLanguageFilter, Owner());
  return ChosenPath(dialog);
}

int32_t CWin32ToolPrompts::AskFlag() {
  CFlagDialog dialog(Owner());
  return dialog.DoModal() == IDOK ? dialog.selectedFlag : -1;
}

void CWin32ToolPrompts::ShowMessage(const std::u16string& text) { TextMessageBox(text, MB_OK); }

bool CWin32ToolPrompts::AskYesNo(const std::u16string& text) {
  return TextMessageBox(text, MB_YESNO) == IDYES;
}

Answer CWin32ToolPrompts::AskYesNoCancel(const std::u16string& text) {
  switch (TextMessageBox(text, MB_YESNOCANCEL)) {
    case IDYES:
      return Answer::kYes;
    case IDNO:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

void CWin32ToolPrompts::ShowTestVersionSettings(CProject& project) {
  CTestVersionDialog dialog(project, Owner());
  dialog.DoModal();
}

std::unique_ptr<IProgress> CWin32ToolPrompts::OpenProgress(const std::u16string& title) {
  auto dialog = std::make_unique<CProgressDialog>();
  if (!dialog->Create()) return nullptr;
  dialog->SetWindowText(Wide(title));
  return dialog;
}

// The file's name and what went wrong, as an OK box with a stop sign.
void CWin32ToolPrompts::ReportFileError(const CFileError& error) {
  TextMessageBox(FromUtf8(error.what()), MB_OK | MB_ICONSTOP);
}

}  // namespace tolmeric
