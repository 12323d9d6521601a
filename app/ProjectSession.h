// The tool's open project and the work behind every project command: new,
// open and save, the script list and its rescan, automatic installation,
// the flag, the language file, the close checks and the command line. The
// session decides and sequences; the main window only shows (through
// IMainWindowView), the user answers through IToolPrompts, and the process's
// folders come through IToolFiles, so every decision runs without windows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "translation/Project.h"

namespace tolmeric {

class CFileError;
class IProgress;

// Strings of the project commands, by string-table number.
enum SessionString : uint32_t {
  kStrOpenProjectTitle = 120,
  kStrNewProjectTitle = 121,
  kStrSaveChangedProject = 122,
  kStrCreateFromScript = 128,
  kStrCreateProject = 129,
  kStrSaveProjectAndLanguage = 130,
  kStrSaveProjectOnly = 131,
  kStrSaveLanguageOnly = 132,
  kStrHeaderIncomplete = 134,
  kStrLeaveProjectAndLanguage = 135,
  kStrLeaveProject = 136,
  kStrLeaveLanguage = 137,
  kStrBadCommandLine = 61215,
};

// What the commands need from the main window; the window implements it.
class IMainWindowView {
 public:
  virtual ~IMainWindowView() = default;
  // Shows the three header strings of the language data in their fields.
  virtual void FillHeaderFields() = 0;
  // Takes the header fields into the language data, then sets the title,
  // the menu and the controls' states.
  virtual void UpdateControls() = 0;
  // Refills the tree and the lists from the project, then UpdateControls.
  virtual void RefreshAll() = 0;
  // Shows the flag of the language data in the flag area.
  virtual void ShowFlag() = 0;
  // Shows the log of the last scan on the messages page.
  virtual void ShowLog(const std::u16string& log) = 0;
  // The texts of the selected rows of the script list, in row order.
  virtual std::vector<std::u16string> SelectedScripts() = 0;
  // Gives the project's language data flag index of the flag strip (the
  // flag at x = 32 * index).
  virtual void TakeFlag(int32_t index) = 0;
  // Ends the main window with OK.
  virtual void EndWithOk() = 0;
};

// A question's answer.
enum class Answer { kYes, kNo, kCancel };

// What the commands ask of the user and show to them; tests answer it.
class IToolPrompts {
 public:
  virtual ~IToolPrompts() = default;
  // The file dialogs: the chosen full path(s), or nothing on Cancel.
  virtual std::optional<std::u16string> AskNewProjectPath() = 0;
  virtual std::optional<std::u16string> AskOpenProjectPath() = 0;
  virtual std::optional<std::u16string> AskSaveProjectPath() = 0;
  virtual std::vector<std::u16string> AskScriptPaths() = 0;
  virtual std::optional<std::u16string> AskSaveLanguageFilePath() = 0;
  // The flag dialog: the chosen flag's index, or -1 (Cancel, or OK
  // without a chosen flag).
  virtual int32_t AskFlag() = 0;
  // An OK box, a Yes/No and a Yes/No/Cancel question with that text.
  virtual void ShowMessage(const std::u16string& text) = 0;
  virtual bool AskYesNo(const std::u16string& text) = 0;
  virtual Answer AskYesNoCancel(const std::u16string& text) = 0;
  // The test version settings dialog on the project, modal: OK writes the
  // values back, Cancel changes nothing.
  virtual void ShowTestVersionSettings(CProject& project) = 0;
  // Opens the progress window with that title and its bar at 0; it closes
  // when the returned object is destroyed.
  virtual std::unique_ptr<IProgress> OpenProgress(const std::u16string& title) = 0;
  // The file error report: names the file and what went wrong.
  virtual void ReportFileError(const CFileError& error) = 0;
};

// The process's current folder and its files; tests may fake them.
class IToolFiles {
 public:
  virtual ~IToolFiles() = default;
  // The current folder, or an empty string when it cannot be read.
  virtual std::u16string CurrentFolder() = 0;
  // Makes folder the current folder; a failure is not reported.
  virtual void SetCurrentFolder(const std::u16string& folder) = 0;
  // True when a file is found for name as given (relative to the current
  // folder when relative).
  virtual bool FileExists(const std::u16string& name) = 0;
};

class CProjectSession {
 public:
  // None of the three is owned; all must outlive the session.
  CProjectSession(IMainWindowView& view, IToolPrompts& prompts, IToolFiles& files);
  ~CProjectSession();

  CProjectSession(const CProjectSession&) = delete;
  CProjectSession& operator=(const CProjectSession&) = delete;

  // The open project: null until the first project is created or opened.
  CProject* project() const { return project_.get(); }
  // The project has changes that are not in its project file.
  bool projectChanged() const { return projectChanged_; }
  // A project has been created or opened.
  bool languageFileKnown() const { return languageFileKnown_; }
  // The language file has not been written since the last change.
  bool languageChanged() const { return languageChanged_; }
  // The header is complete: a project exists, and its program name,
  // version and language name are all non-empty.
  bool HeaderComplete() const;

  // Asks to save a changed project (string 122), then puts a new project
  // with the defaults in its place. The marks stay as they are. False when
  // the changed project could not be saved (the error has been reported):
  // then it stays.
  bool ResetProject();

  // The file dialog, then NewProject with the chosen path.
  void NewProjectCommand();
  // A new project for path (the file is not read): language file name and
  // header from the file title, then the flag dialog until a flag is chosen.
  // False when the open project's changes could not be saved: it stays.
  bool NewProject(const std::u16string& path);
  // The file dialog, then OpenProject with the chosen path.
  void OpenProjectCommand();
  // Loads the project file at path and rescans its scripts. When the file
  // cannot be read the error is reported and the previous project stays.
  void OpenProject(const std::u16string& path);
  // Writes the project file; false when a file error stopped it (the
  // error has been reported).
  bool SaveProject();
  // Writes the project file under a path the user chooses.
  void SaveProjectAs();

  // The file dialog, then every chosen script relative to the project.
  void AddScripts();
  // Removes the scripts of the selected rows of the script list.
  void RemoveScripts();
  // After every change of the script list: enter the project folder,
  // rescan, mark project and language file as changed, refresh.
  void ScriptsChanged();
  // Rebuilds the language data from the scripts (with the progress window
  // when there are scripts) and shows the scan's log.
  void Rescan();

  // Inverts the automatic installation of the switch dialog and rescans.
  void ToggleAutoInstall();
  // The test version settings dialog; the marks stay as they are.
  void TestVersionSettings();
  // The flag dialog; true when a flag was chosen and taken.
  bool ChooseFlag();

  // Writes the language file and, with the test version on, the test
  // language file before it. Without a text tree shows string 61214 and
  // writes nothing. False only when a file error stopped it (reported).
  bool SaveLanguageFile();
  // The language file under a name the user chooses, kept relative to the
  // project where possible.
  void SaveLanguageFileAs();

  // The close check: asks about unsaved changes, saves on request; true
  // when the window may close. A save that fails keeps the window open.
  bool CanClose();
  // Saves what has changed and ends the window with OK; with an incomplete
  // header shows string 134 and the window stays.
  void SaveAndClose();

  // Makes the project's folder the current folder.
  void EnterProjectFolder();
  // path relative to the project's folder where the simple rule allows.
  std::u16string MakeRelativePath(const std::u16string& path) const;

  // Evaluates the tool's command line: "-p NAME" or "-P NAME" opens
  // NAME.lxp of the current folder, or offers to create it (with NAME.rc
  // when that exists).
  void ProcessCommandLine(const std::u16string& commandLine);

  // Notifications of the main window.
  // One of the three header fields was edited by the user.
  void HeaderFieldEdited();
  // The test version check box was clicked; checked is its new state.
  void TestVersionClicked(bool checked);
  // A click on the flag area: ChooseFlag, or nothing without a project.
  void FlagAreaClicked();

 private:
  // The steps of the commands; file errors pass through them.
  void OfferToSaveChanges();
  void WriteProjectFile();
  void SetChanged(bool project, bool language);
  // SaveProject when the project changed, then SaveLanguageFile when the
  // language file did; false when a file error stopped one.
  bool SaveChanges();
  // Runs a command's steps; a file error ends them with the report. True
  // when the steps ran to their end.
  template <typename Steps>
  bool RunReportingFileErrors(Steps steps);

  IMainWindowView& view_;
  IToolPrompts& prompts_;
  IToolFiles& files_;
  std::unique_ptr<CProject> project_;
  bool projectChanged_ = false;
  bool languageFileKnown_ = false;
  bool languageChanged_ = false;
};

// The tool's own language file for an executable in exeFolder (ending with
// a backslash): "Tolmeric.tra" in that folder, or in the folder above when
// the last folder's whole name is a build folder's (UniRelease, UniDebug,
// Debug, Release; exact case).
std::u16string ToolLanguageFilePath(const std::u16string& exeFolder);

}  // namespace tolmeric
