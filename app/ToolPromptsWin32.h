// The project commands' questions and dialogs on Windows: the common file
// dialogs with the tool's filters and titles, message boxes through the
// run-time module, the flag dialog, the test version settings, the progress
// window and the file error report.
#pragma once

#include <functional>

#include "app/ProjectSession.h"

namespace tolmeric {

class CWnd;

class CToolPromptsWin32 : public IToolPrompts {
 public:
  // owner: the window the modal dialogs belong to (may be null).
  // askFlag: runs the flag dialog; the chosen index or -1.
  CToolPromptsWin32(CWnd* owner, std::function<int32_t()> askFlag);

  std::optional<std::u16string> AskNewProjectPath() override;
  std::optional<std::u16string> AskOpenProjectPath() override;
  std::optional<std::u16string> AskSaveProjectPath() override;
  std::vector<std::u16string> AskScriptPaths() override;
  std::optional<std::u16string> AskSaveLanguageFilePath() override;
  int32_t AskFlag() override;
  void ShowMessage(const std::u16string& text) override;
  bool AskYesNo(const std::u16string& text) override;
  Answer AskYesNoCancel(const std::u16string& text) override;
  void ShowTestVersionSettings(CProject& project) override;
  std::unique_ptr<IProgress> OpenProgress(const std::u16string& title) override;
  void ReportFileError(const CFileError& error) override;

 private:
  std::optional<std::u16string> AskProjectToOpen(uint32_t titleId);

  CWnd* owner_;
  std::function<int32_t()> askFlag_;
};

}  // namespace tolmeric
