#include "app/ProjectSession.h"

#include <array>
#include <filesystem>

#include "runtime/StringFunctions.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/Progress.h"
#include "translation/ProjectPaths.h"

namespace tolmeric {

namespace {

const std::u16string kProjectExtension = u".lxp";
const std::u16string kScriptExtension = u".rc";
const std::u16string kToolLanguageFile = u"Tolmeric.tra";
// White space trimmed from the command line and the project name.
const std::u16string kWhiteSpace = u" \t\r\n\v\f";
// Characters a project name on the command line may not hold: it is a bare
// name, without extension, drive or folder.
const std::u16string kForbiddenInName = u"^°!§$%&/()=?`´@+*~#'<>|µ;,:.-\"";

std::u16string ToolString(uint32_t id) {
  std::u16string text;
  LoadTranslatedString(text, id);
  return text;
}

// A path as the project stores it (Windows separators) as a path of this
// system.
std::filesystem::path FilePath(const std::u16string& stored) {
  return ResolveStoredPath({}, stored);
}

std::u16string Trim(const std::u16string& text) {
  const size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::u16string::npos) return {};
  const size_t last = text.find_last_not_of(kWhiteSpace);
  return text.substr(first, last - first + 1);
}

// The outcome of reading the command line.
struct CommandLineName {
  bool blank = false;                  // nothing but white space
  std::optional<std::u16string> name;  // the project's name when valid
};

// commandLine := blank* ("-p" | "-P") blank* name blank*
// where name is not empty and holds none of kForbiddenInName.
CommandLineName ParseCommandLine(const std::u16string& commandLine) {
  const std::u16string line = Trim(commandLine);
  if (line.empty()) return {true, std::nullopt};
  if (line.size() < 3 || (line.compare(0, 2, u"-p") != 0 && line.compare(0, 2, u"-P") != 0)) {
    return {};
  }
  std::u16string name = Trim(line.substr(2));
  if (name.empty() || name.find_first_of(kForbiddenInName) != std::u16string::npos) return {};
  return {false, std::move(name)};
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Shows what a project file's reading has to say (a damaged embedded
// language file) as a message box.
class CPromptSink : public IMessageSink {
 public:
  explicit CPromptSink(IToolPrompts& prompts) : prompts_(prompts) {}
  void ShowMessage(const std::u16string& message) override { prompts_.ShowMessage(message); }

 private:
  IToolPrompts& prompts_;
};

}  // namespace

CProjectSession::CProjectSession(IMainWindowView& view, IToolPrompts& prompts, IToolFiles& files)
    : view_(view), prompts_(prompts), files_(files) {}

CProjectSession::~CProjectSession() = default;

template <typename Steps>
bool CProjectSession::RunReportingFileErrors(Steps steps) {
  try {
    steps();
    return true;
  } catch (const CFileError& error) {
    prompts_.ReportFileError(error);
    return false;
  }
}

bool CProjectSession::HeaderComplete() const {
  if (!project_) return false;
  const CLanguageData& data = *project_->languageData;
  return !data.programName.empty() && !data.programVersion.empty() &&
         !data.languageName.empty();
}

void CProjectSession::SetChanged(bool project, bool language) {
  if (project) projectChanged_ = true;
  if (language) languageChanged_ = true;
}

void CProjectSession::OfferToSaveChanges() {
  if (!project_ || !projectChanged_) return;
  std::u16string question;
  FormatTranslated(question, kStrSaveChangedProject, project_->FileTitle());
  if (!prompts_.AskYesNo(question)) return;
  view_.UpdateControls();
  WriteProjectFile();
  view_.UpdateControls();
}

bool CProjectSession::ResetProject() {
  return RunReportingFileErrors([this] {
    OfferToSaveChanges();
    project_ = std::make_unique<CProject>();
  });
}

void CProjectSession::NewProjectCommand() {
  if (std::optional<std::u16string> path = prompts_.AskNewProjectPath()) NewProject(*path);
}

bool CProjectSession::NewProject(const std::u16string& path) {
  if (!ResetProject()) return false;
  project_->projectPath = path;
  // New projects read their scripts as the resource compiler does.
  project_->grammar = RcGrammar::kCompiler;
  project_->InitLanguageFileName();
  project_->InitLanguageHeader();
  view_.FillHeaderFields();
  projectChanged_ = true;
  EnterProjectFolder();
  languageFileKnown_ = true;
  languageChanged_ = true;
  // A new project always gets a flag: the dialog comes back until one is
  // chosen.
  while (!ChooseFlag()) {
  }
  view_.RefreshAll();
  return true;
}

void CProjectSession::OpenProjectCommand() {
  if (std::optional<std::u16string> path = prompts_.AskOpenProjectPath()) OpenProject(*path);
}

// The project is read before it replaces the open one, so that a file that
// cannot be read leaves the window with the project it showed.
void CProjectSession::OpenProject(const std::u16string& path) {
  const bool opened = RunReportingFileErrors([&] {
    OfferToSaveChanges();
    CPromptSink sink(prompts_);
    std::unique_ptr<CProject> project = LoadProjectFile(FilePath(path), &sink);
    project->projectPath = path;
    project_ = std::move(project);
  });
  if (!opened) return;
  view_.FillHeaderFields();
  projectChanged_ = false;
  languageFileKnown_ = true;
  // The language data is rebuilt from the scripts below, so the language
  // file is offered for saving.
  languageChanged_ = true;
  EnterProjectFolder();
  Rescan();
  view_.ShowFlag();
  view_.RefreshAll();
}

void CProjectSession::WriteProjectFile() {
  SaveProjectFile(*project_, FilePath(project_->projectPath));
  projectChanged_ = false;
}

bool CProjectSession::SaveProject() {
  if (!project_) return true;
  view_.UpdateControls();
  const bool saved = RunReportingFileErrors([this] { WriteProjectFile(); });
  view_.UpdateControls();
  return saved;
}

void CProjectSession::SaveProjectAs() {
  if (!project_) return;
  EnterProjectFolder();
  std::optional<std::u16string> path = prompts_.AskSaveProjectPath();
  if (!path) return;
  project_->projectPath = *path;
  view_.UpdateControls();
  // Whether or not the file could be written, the window shows the project
  // under its new name, marked as changed when it is not on disk there.
  if (!RunReportingFileErrors([this] { WriteProjectFile(); })) projectChanged_ = true;
  view_.RefreshAll();
}

void CProjectSession::AddScripts() {
  if (!project_) return;
  EnterProjectFolder();
  const std::vector<std::u16string> paths = prompts_.AskScriptPaths();
  if (paths.empty()) return;
  for (const std::u16string& path : paths) project_->AddScript(MakeRelativePath(path));
  ScriptsChanged();
}

void CProjectSession::RemoveScripts() {
  if (!project_) return;
  const std::vector<std::u16string> rows = view_.SelectedScripts();
  if (rows.empty()) return;
  for (const std::u16string& row : rows) project_->RemoveScript(row);
  Rescan();
  SetChanged(true, true);
  view_.RefreshAll();
}

void CProjectSession::ScriptsChanged() {
  if (!project_) return;
  EnterProjectFolder();
  Rescan();
  SetChanged(true, true);
  view_.RefreshAll();
}

// A script that cannot be read is reported and the language data stays as
// it was; the command that asked for the scan goes on, since the project's
// settings did change.
void CProjectSession::Rescan() {
  if (!project_) return;
  std::u16string log;
  const bool scanned = RunReportingFileErrors([&] {
    std::unique_ptr<IProgress> progress;
    if (project_->scriptCount() > 0) progress = prompts_.OpenProgress(ToolString(kStrReadingScripts));
    log = project_->BuildLanguageData(progress.get());
  });
  if (scanned) view_.ShowLog(log);
}

void CProjectSession::ToggleAutoInstall() {
  if (!project_) return;
  project_->autoInstall = !project_->autoInstall;
  Rescan();
  SetChanged(true, false);
  view_.RefreshAll();
}

void CProjectSession::TestVersionSettings() {
  if (!project_) return;
  prompts_.ShowTestVersionSettings(*project_);
  view_.RefreshAll();
}

bool CProjectSession::ChooseFlag() {
  if (!project_) return false;
  const int32_t index = prompts_.AskFlag();
  if (index < 0) return false;
  view_.TakeFlag(index);
  view_.ShowFlag();
  SetChanged(true, true);
  view_.RefreshAll();
  return true;
}

bool CProjectSession::SaveLanguageFile() {
  if (!project_) return true;
  if (!project_->languageData->root) {
    prompts_.ShowMessage(ToolString(kStrNoResources));
    return true;
  }
  EnterProjectFolder();
  view_.UpdateControls();
  const bool saved = RunReportingFileErrors([this] {
    project_->SaveLanguageFiles(FilePath(DirectoryOf(project_->projectPath)));
  });
  if (!saved) return false;
  languageChanged_ = false;
  view_.RefreshAll();
  return true;
}

void CProjectSession::SaveLanguageFileAs() {
  if (!project_) return;
  EnterProjectFolder();
  std::optional<std::u16string> path = prompts_.AskSaveLanguageFilePath();
  if (!path) return;
  view_.UpdateControls();
  // A project setting, stored with the project's next save. No language
  // file lies under the new name until the save below succeeds.
  project_->languageFileName = MakeRelativePath(*path);
  languageChanged_ = true;
  SaveLanguageFile();
}

bool CProjectSession::SaveChanges() {
  if (projectChanged_ && !SaveProject()) return false;
  if (languageChanged_ && !SaveLanguageFile()) return false;
  return true;
}

bool CProjectSession::CanClose() {
  if (!projectChanged_ && !languageChanged_) return true;
  if (!HeaderComplete()) {
    const uint32_t id = !projectChanged_  ? kStrLeaveLanguage
                        : languageChanged_ ? kStrLeaveProjectAndLanguage
                                           : kStrLeaveProject;
    return prompts_.AskYesNo(ToolString(id));
  }
  std::u16string question;
  if (projectChanged_ && languageChanged_) {
    FormatTranslated(question, kStrSaveProjectAndLanguage, project_->FileTitle(),
                     project_->languageFileName);
  } else if (projectChanged_) {
    FormatTranslated(question, kStrSaveProjectOnly, project_->FileTitle());
  } else {
    FormatTranslated(question, kStrSaveLanguageOnly, project_->languageFileName);
  }
  switch (prompts_.AskYesNoCancel(question)) {
    case Answer::kYes:
      // A save that fails keeps the window open: nothing is lost.
      return SaveChanges();
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      break;
  }
  return false;
}

void CProjectSession::SaveAndClose() {
  if (!HeaderComplete()) {
    prompts_.ShowMessage(ToolString(kStrHeaderIncomplete));
    return;
  }
  if (SaveChanges()) view_.EndWithOk();
}

void CProjectSession::EnterProjectFolder() {
  if (!project_) return;
  files_.SetCurrentFolder(DirectoryOf(project_->projectPath));
}

std::u16string CProjectSession::MakeRelativePath(const std::u16string& path) const {
  return ::tolmeric::MakeRelativePath(project_ ? project_->projectPath : std::u16string(), path);
}

void CProjectSession::ProcessCommandLine(const std::u16string& commandLine) {
  const CommandLineName parsed = ParseCommandLine(commandLine);
  if (parsed.blank) return;
  if (!parsed.name) {
    prompts_.ShowMessage(ToolString(kStrBadCommandLine));
    return;
  }
  const std::u16string& name = *parsed.name;
  const std::u16string inFolder = files_.CurrentFolder() + u"\\" + name;
  if (files_.FileExists(name + kProjectExtension)) {
    OpenProject(inFolder + kProjectExtension);
    return;
  }
  std::u16string question;
  if (files_.FileExists(name + kScriptExtension)) {
    FormatTranslated(question, kStrCreateFromScript, name, name + kScriptExtension);
    if (!prompts_.AskYesNo(question)) return;
    if (!NewProject(inFolder + kProjectExtension)) return;
    project_->AddScript(MakeRelativePath(inFolder + kScriptExtension));
    ScriptsChanged();
    return;
  }
  FormatTranslated(question, kStrCreateProject, name);
  if (prompts_.AskYesNo(question)) NewProject(inFolder + kProjectExtension);
}

void CProjectSession::HeaderFieldEdited() {
  if (!project_) return;
  SetChanged(true, true);
  view_.UpdateControls();
}

void CProjectSession::TestVersionClicked(bool checked) {
  if (!project_) return;
  project_->testVersion = checked;
  SetChanged(true, true);
  view_.RefreshAll();
}

void CProjectSession::FlagAreaClicked() {
  if (project_) ChooseFlag();
}

// The folder above a build folder of a Visual C++ project holds the
// language file. Only a whole folder name counts: an executable in
// "...\MyRelease\" keeps its folder.
std::u16string ToolLanguageFilePath(const std::u16string& exeFolder) {
  static const std::array<std::u16string, 4> kBuildFolders = {u"UniRelease\\", u"UniDebug\\",
                                                              u"Debug\\", u"Release\\"};
  for (const std::u16string& build : kBuildFolders) {
    if (exeFolder.size() < build.size() ||
        exeFolder.compare(exeFolder.size() - build.size(), build.size(), build) != 0) {
      continue;
    }
    const size_t cut = exeFolder.size() - build.size();
    if (cut == 0 || IsSeparator(exeFolder[cut - 1])) {
      return exeFolder.substr(0, cut) + kToolLanguageFile;
    }
    break;
  }
  return exeFolder + kToolLanguageFile;
}

}  // namespace tolmeric
