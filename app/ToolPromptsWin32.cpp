#include "app/ToolPromptsWin32.h"

#include <windows.h>

#include "app/ProgressDialog.h"
#include "app/TestVersionDialog.h"
#include "framework/FileDialog.h"
#include "runtime/StringFunctions.h"
#include "runtime/WideTextWin32.h"
#include "translation/FileError.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

const wchar_t kProjectFilter[] = L"Verbatrix (*.lxp)|*.lxp||";
const wchar_t kScriptFilter[] = L"Ressourcen (*.rc)|*.rc||";
const wchar_t kLanguageFilter[] = L"Verbatrix (*.tra)|*.tra||";

std::optional<std::u16string> ChosenPath(CFileDialog& dialog) {
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return FromWide(dialog.GetPathName());
}

}  // namespace

CToolPromptsWin32::CToolPromptsWin32(CWnd* owner, std::function<int32_t()> askFlag)
    : owner_(owner), askFlag_(std::move(askFlag)) {}

// An open dialog in which a name that does not exist yet may be typed.
std::optional<std::u16string> CToolPromptsWin32::AskProjectToOpen(uint32_t titleId) {
  CFileDialog dialog(TRUE, L"lxp", L"*.lxp", OFN_HIDEREADONLY, kProjectFilter, owner_);
  std::u16string title;
  LoadTranslatedString(title, titleId);
  dialog.m_ofn.lpstrTitle = Wide(title);
  return ChosenPath(dialog);
}

std::optional<std::u16string> CToolPromptsWin32::AskNewProjectPath() {
  return AskProjectToOpen(kStrNewProjectTitle);
}

std::optional<std::u16string> CToolPromptsWin32::AskOpenProjectPath() {
  return AskProjectToOpen(kStrOpenProjectTitle);
}

std::optional<std::u16string> CToolPromptsWin32::AskSaveProjectPath() {
  CFileDialog dialog(FALSE, L"lxp", L"*.lxp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     kProjectFilter, owner_);
  return ChosenPath(dialog);
}

std::vector<std::u16string> CToolPromptsWin32::AskScriptPaths() {
  CFileDialog dialog(TRUE, L"rc", nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, kScriptFilter,
                     owner_);
  std::vector<std::u16string> paths;
  if (dialog.DoModal() != IDOK) return paths;
  for (POSITION position = dialog.GetStartPosition(); position != nullptr;) {
    paths.push_back(FromWide(dialog.GetNextPathName(position)));
  }
  return paths;
}

std::optional<std::u16string> CToolPromptsWin32::AskSaveLanguageFilePath() {
  CFileDialog dialog(FALSE, L"tra", L"*.tra", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     kLanguageFilter, owner_);
  return ChosenPath(dialog);
}

int32_t CToolPromptsWin32::AskFlag() { return askFlag_ ? askFlag_() : -1; }

void CToolPromptsWin32::ShowMessage(const std::u16string& text) { TextMessageBox(text, MB_OK); }

bool CToolPromptsWin32::AskYesNo(const std::u16string& text) {
  return TextMessageBox(text, MB_YESNO) == IDYES;
}

Answer CToolPromptsWin32::AskYesNoCancel(const std::u16string& text) {
  switch (TextMessageBox(text, MB_YESNOCANCEL)) {
    case IDYES:
      return Answer::kYes;
    case IDNO:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

void CToolPromptsWin32::ShowTestVersionSettings(CProject& project) {
  CTestVersionDialog dialog(project, owner_);
  dialog.DoModal();
}

std::unique_ptr<IProgress> CToolPromptsWin32::OpenProgress(const std::u16string& title) {
  auto dialog = std::make_unique<CProgressDialog>();
  if (!dialog->Create()) return nullptr;
  dialog->SetWindowText(Wide(title));
  return dialog;
}

// The file's name and what went wrong, as an OK box with a stop sign.
void CToolPromptsWin32::ReportFileError(const CFileError& error) {
  TextMessageBox(FromUtf8(error.what()), MB_OK | MB_ICONSTOP);
}

}  // namespace tolmeric
