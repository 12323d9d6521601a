// tolmeric-cli new, add, remove and build: the tool's project commands.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/LanguageOptions.h"
#include "cli/Commands.h"
#include "cli/ProgressBar.h"
#include "cli/ScanSummary.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/Project.h"
#include "translation/ProjectPaths.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

namespace fs = std::filesystem;

const char* const kNewUsage =
    "usage: tolmeric-cli new PROJECT.lxp [--script RC]... [--auto-install]\n"
    "                        [--test-version] [--begin TEXT] [--end TEXT]\n"
    "                        [--program NAME] [--version VER] [--language NAME]\n"
    "                        [--flag CODE] [--code-page N]\n";
const std::string kNewHelp = std::string(
    "Creates a project file, as the tool's new-project command does; it does\n"
    "not scan. Script paths are stored relative to the project's folder where\n"
    "the tool's rule allows (same folder or a sibling folder).\n"
    "\n"
    "  --script RC       a resource script (repeatable, in order)\n"
    "  --auto-install    install the standard language switch dialog\n"
    "  --test-version    also write a test language file on every build\n"
    "  --begin TEXT      test version: marker for the beginning (default X)\n"
    "  --end TEXT        test version: marker for the end (default Y)\n"
    "  --program NAME    program name (default: the project's name)\n"
    "  --version VER     program version (default: 1.0)\n"
    "  --language NAME   language name (default: the tool's language)\n") +
    FlagOptionHelp(20) + CodePageOptionHelp(20);
const char* const kAddUsage = "usage: tolmeric-cli add PROJECT.lxp RC...\n";
const char* const kRemoveUsage = "usage: tolmeric-cli remove PROJECT.lxp RC...\n";
const char* const kListHelp =
    "Changes the project's list of resource scripts; paths are stored relative\n"
    "to the project's folder where the tool's rule allows. It does not scan:\n"
    "the next build does.\n";
const char* const kBuildUsage =
    "usage: tolmeric-cli build PROJECT.lxp [--log LOG] [--code-page N]\n";
const std::string kBuildHelp = std::string(
    "Opens the project, rescans its scripts, saves the project file and then\n"
    "the language file (with the test language file first when the project\n"
    "asks for one). The problem log goes to standard error, or to LOG.\n"
    "\n"
    "  --log LOG         write the problem log there (UTF-8)\n") +
    CodePageOptionHelp(20) + "                    (kept by the project for later builds)\n";

// The full path of a file named on the command line, as the tool's file
// dialogs give it.
std::u16string FullPath(const std::string& argument) {
  return fs::absolute(ArgPath(argument)).lexically_normal().u16string();
}

// Opens a project as the tool does: the path of the file actually opened
// replaces the stored one.
// A project whose embedded language file has a wrong magic cannot be
// changed or built without losing its scripts, so it is refused.
std::unique_ptr<CProject> OpenProject(const std::string& argument, CCliSession& session) {
  CRecordingSink sink(&session);
  std::unique_ptr<CProject> project = LoadProjectFile(ArgPath(argument), &sink);
  if (sink.shown) {
    throw CFileError(FileErrorKind::kBadData, ArgPath(argument), "its language file is damaged");
  }
  project->projectPath = FullPath(argument);
  return project;
}

void AddScripts(CProject& project, const std::vector<std::string>& scripts) {
  for (const std::string& script : scripts) {
    project.AddScript(MakeRelativePath(project.projectPath, FullPath(script)));
  }
}

}  // namespace

int RunNew(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("script", true);
  parser.AddOption("begin");
  parser.AddOption("end");
  parser.AddOption("program");
  parser.AddOption("version");
  parser.AddOption("language");
  parser.AddFlag("auto-install");
  parser.AddFlag("test-version");
  parser.AddOption("flag");
  parser.AddOption("code-page");
  if (int status = ParseCommand(parser, args, kNewUsage, kNewHelp.c_str(), 1, 1); status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kNewUsage, options); status >= 0) return status;

  CCliSession session;
  const std::string& target = parser.Operands().front();
  CProject project;
  project.projectPath = FullPath(target);
  project.InitLanguageFileName();
  project.InitLanguageHeader();
  if (parser.Has("program")) project.languageData->programName = ArgText(parser.Value("program"));
  if (parser.Has("version")) project.languageData->programVersion = ArgText(parser.Value("version"));
  if (parser.Has("language")) project.languageData->languageName = ArgText(parser.Value("language"));
  project.autoInstall = parser.Has("auto-install");
  project.testVersion = parser.Has("test-version");
  if (parser.Has("begin")) project.beginText = ArgText(parser.Value("begin"));
  if (parser.Has("end")) project.endText = ArgText(parser.Value("end"));
  if (options.flag != nullptr) project.languageData->flagImage = DrawFlag(*options.flag);
  project.defaultCodePage = options.codePage;
  AddScripts(project, parser.Values("script"));
  try {
    SaveProjectFile(project, ArgPath(target));
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

int RunAdd(const Arguments& args) {
  CArgParser parser;
  if (int status = ParseCommand(parser, args, kAddUsage, kListHelp, 2, SIZE_MAX); status >= 0) {
    return status;
  }
  CCliSession session;
  const std::string& target = parser.Operands().front();
  try {
    std::unique_ptr<CProject> project = OpenProject(target, session);
    AddScripts(*project, {parser.Operands().begin() + 1, parser.Operands().end()});
    SaveProjectFile(*project, ArgPath(target));
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

// A script is named as the project stores it, or by any path to the file.
int RunRemove(const Arguments& args) {
  CArgParser parser;
  if (int status = ParseCommand(parser, args, kRemoveUsage, kListHelp, 2, SIZE_MAX); status >= 0) {
    return status;
  }
  CCliSession session;
  const std::string& target = parser.Operands().front();
  try {
    std::unique_ptr<CProject> project = OpenProject(target, session);
    for (auto it = parser.Operands().begin() + 1; it != parser.Operands().end(); ++it) {
      const std::u16string asGiven = ArgText(*it);
      const std::u16string relative = MakeRelativePath(project->projectPath, FullPath(*it));
      const auto& list = project->scriptPaths;
      if (std::find(list.begin(), list.end(), asGiven) != list.end()) {
        project->RemoveScript(asGiven);
      } else if (std::find(list.begin(), list.end(), relative) != list.end()) {
        project->RemoveScript(relative);
      } else {
        CCliSession::PrintError(*it + ": not a script of " + target + "; nothing changed");
        return kExitFailure;
      }
    }
    SaveProjectFile(*project, ArgPath(target));
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

int RunBuild(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("log");
  parser.AddOption("code-page");
  if (int status = ParseCommand(parser, args, kBuildUsage, kBuildHelp.c_str(), 1, 1); status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kBuildUsage, options); status >= 0) return status;
  CCliSession session;
  const std::string& target = parser.Operands().front();
  const fs::path projectFile = fs::absolute(ArgPath(target));
  const fs::path logFile = parser.Has("log") ? fs::absolute(ArgPath(parser.Value("log"))) : fs::path();
  const fs::path previousFolder = fs::current_path();
  int status = kExitOk;
  try {
    std::unique_ptr<CProject> project = OpenProject(target, session);
    const std::unique_ptr<CLanguageData> header = project->languageData->Copy();
    if (options.codePage != 0) project->defaultCodePage = options.codePage;

    // The tool's rescan reads the scripts relative to the project's folder.
    fs::current_path(projectFile.parent_path());
    CProgressBar progress(stderr);
    int32_t problems = 0;
    const std::u16string log = project->BuildLanguageData(&progress, &problems);
    progress.Finish();
    CLanguageData& data = *project->languageData;
    data.programName = header->programName;
    data.programVersion = header->programVersion;
    data.languageName = header->languageName;
    data.headerText4 = header->headerText4;
    data.headerText5 = header->headerText5;

    if (logFile.empty()) {
      const std::string text = ToUtf8(log);
      std::fwrite(text.data(), 1, text.size(), stderr);
    } else {
      SaveTextFile(logFile, ToUtf8(log));
    }
    SaveProjectFile(*project, projectFile);
    if (!project->SaveLanguageFiles(projectFile.parent_path())) {
      status = kExitFailure;
    } else {
      const std::string summary = ScanSummary(project->scriptCount(), data.root.get(), problems);
      std::printf("%s\n", summary.c_str());
      const fs::path written = ResolveStoredPath(projectFile.parent_path(), project->languageFileName);
      std::printf("wrote %s\n", PathText(written).c_str());
    }
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    status = kExitFailure;
  }
  std::error_code ignored;
  fs::current_path(previousFolder, ignored);
  return status;
}

}  // namespace tolmeric::cli
