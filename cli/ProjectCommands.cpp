// tolmeric-cli new, add, remove and build: the tool's project commands.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/LanguageOptions.h"
#include "cli/Commands.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "cli/ProgressBar.h"
#include "cli/ScanSummary.h"
#include "translation/AtomicFile.h"
#include "translation/Project.h"
#include "translation/ProjectPaths.h"
#include "translation/TextTreeDump.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

namespace fs = std::filesystem;

const char* const kListDescription =
    "    Changes the project's list of resource scripts; paths are stored\n"
    "    relative to the project's folder where the tool's rule allows (same\n"
    "    folder or a sibling folder). It does not scan: the next build does.\n";

const CommandHelp kNewHelp = {
    "new",
    "create a project",
    "tolmeric-cli new PROJECT.lxp [--script RC]... [--auto-install]\n"
    "                        [--test-version] [--begin TEXT] [--end TEXT]\n"
    "                        [--program NAME] [--version VER] [--language NAME]\n"
    "                        [--force] [--grammar classic|compiler]\n",
    "    Creates a project file, as the tool's new-project command does; it does\n"
    "    not scan. Script paths are stored relative to the project's folder where\n"
    "    the tool's rule allows (same folder or a sibling folder). Every script\n"
    "    must exist, and none may be named twice. An existing file is not\n"
    "    replaced unless --force is given.\n",
    "    --script RC\n"
    "        A resource script (repeatable, in order).\n"
    "    --auto-install\n"
    "        Install the standard language switch dialog.\n"
    "    --test-version\n"
    "        Also write a test language file on every build.\n"
    "    --begin TEXT\n"
    "        Test version: marker for the beginning (default X).\n"
    "    --end TEXT\n"
    "        Test version: marker for the end (default Y).\n"
    "    --program NAME\n"
    "        Program name (default: the project's name).\n"
    "    --version VER\n"
    "        Program version (default: 1.0).\n"
    "    --language NAME\n"
    "        Language name (default: the tool's language).\n"
    "    --force\n"
    "        Replace an existing file.\n"
    TOLMERIC_FLAG_OPTION_HELP TOLMERIC_CODE_PAGE_OPTION_HELP TOLMERIC_GRAMMAR_OPTION_HELP,
};
const CommandHelp kAddHelp = {
    "add", "add scripts to a project", "tolmeric-cli add PROJECT.lxp RC...\n",
    "    Adds resource scripts to the end of the project's list. A script that\n"
    "    does not exist, or is in the list already under any name, is refused\n"
    "    and nothing is changed.\n\n",
    ""};
const CommandHelp kRemoveHelp = {
    "remove", "remove scripts from a project", "tolmeric-cli remove PROJECT.lxp RC...\n",
    "    Removes resource scripts, each named as the project stores it or by any\n"
    "    path to the file; the first entry that matches goes. A script not in\n"
    "    the list is refused and nothing is changed.\n\n",
    ""};
const CommandHelp kBuildHelp = {
    "build",
    "rescan a project and write its project and language files",
    "tolmeric-cli build PROJECT.lxp [--log LOG] [--strict] [--force]\n"
    "                          [--code-page N] [--grammar classic|compiler]\n"
    "                          [--diagnostics-format msvc|gcc|json]\n",
    "    Opens the project, rescans its scripts, saves the project file and then\n"
    "    the language file (with the test language file first when the project\n"
    "    asks for one), and prints the summary and the language file's name.\n"
    "    The problem log goes to standard error, or to LOG; the diagnostics go\n"
    "    to standard error after it. A language file or log that is one of the\n"
    "    project's scripts or the project itself is refused before anything is\n"
    "    written.\n",
    "    --log LOG\n"
    "        Write the problem log there (UTF-8; - for standard output). An\n"
    "        existing file is replaced only when it is a problem log.\n"
    "    --strict\n"
    "        Exit with 1 when the scan had problems or warnings (for CI).\n"
    "    --force\n"
    "        Replace existing language files and logs whatever they hold.\n"
    TOLMERIC_CODE_PAGE_OPTION_HELP
    "        The project keeps it for later builds.\n"
    TOLMERIC_GRAMMAR_OPTION_HELP
    "        The project keeps it for later builds; a project that never chose\n"
    "        one is read in the classic grammar.\n"
    TOLMERIC_DIAGNOSTICS_OPTION_HELP,
};

// The full path of a file named on the command line, as the tool's file
// dialogs give it.
std::u16string FullPath(const std::string& argument) {
  return fs::absolute(ArgPath(argument)).lexically_normal().u16string();
}

// The folder of a project whose projectPath is a full path.
fs::path FolderOf(const CProject& project) { return fs::path(project.projectPath).parent_path(); }

// Opens a project as the tool does: the path of the file actually opened
// replaces the stored one. Only a project, known by its content, opens.
std::unique_ptr<CProject> OpenProject(const std::string& argument) {
  std::unique_ptr<CProject> project = ReadDataFile(ArgPath(argument), FileKind::kProjectFile).project;
  project->projectPath = FullPath(argument);
  return project;
}

// Adds scripts named on the command line. Each must be an existing file
// that the list does not hold yet under any name.
void AddScripts(CProject& project, const fs::path& projectFile,
                const std::vector<std::string>& scripts) {
  for (const std::string& script : scripts) {
    const fs::path path = ArgPath(script);
    std::error_code error;
    if (!fs::exists(path, error)) throw CommandError(script + ": no such script; nothing changed");
    if (fs::is_directory(path, error)) throw CommandError(script + ": is a folder; nothing changed");
    for (const std::u16string& stored : project.scriptPaths) {
      if (SameFile(StoredPath(FolderOf(project), stored, projectFile), path)) {
        throw CommandError(script + ": the project has this script already, as " +
                           QuoteText(stored) + "; nothing changed");
      }
    }
    project.AddScript(MakeRelativePath(project.projectPath, FullPath(script)));
  }
}

void PrintWrote(const CArgParser& parser, const fs::path& path) {
  if (VerbosityOf(parser) == Verbosity::kVerbose) std::printf("wrote %s\n", PathText(path).c_str());
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
  parser.AddFlag("force");
  parser.AddOption("flag");
  parser.AddOption("code-page");
  parser.AddOption("grammar");
  if (int status = ParseCommand(parser, args, kNewHelp, 1, 1); status >= 0) return status;
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kNewHelp, options); status >= 0) return status;

  CCliSession session;
  const std::string& target = parser.Operands().front();
  std::vector<NamedFile> scripts;
  for (const std::string& script : parser.Values("script")) scripts.push_back({"--script", ArgPath(script)});
  CheckOutputsAreNotInputs(scripts, {{"project", ArgPath(target)}});
  std::error_code error;
  if (!parser.Has("force") && fs::exists(ArgPath(target), error) &&
      !WritesThrough(FollowLinks(ArgPath(target)))) {
    throw CommandError(target + ": exists (" + DescribeFileKind(KindOfFile(ArgPath(target))) +
                       "); it is left as it is (--force replaces it)");
  }

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
  project.grammar = options.grammar.value_or(RcGrammar::kCompiler);
  AddScripts(project, ArgPath(target), parser.Values("script"));
  SaveProjectFile(project, ArgPath(target));
  PrintWrote(parser, ArgPath(target));
  return kExitOk;
}

int RunAdd(const Arguments& args) {
  CArgParser parser;
  if (int status = ParseCommand(parser, args, kAddHelp, 2, SIZE_MAX); status >= 0) return status;
  CCliSession session;
  const std::string& target = parser.Operands().front();
  const std::vector<std::string> scripts(parser.Operands().begin() + 1, parser.Operands().end());
  std::vector<NamedFile> inputs;
  for (const std::string& script : scripts) inputs.push_back({"script", ArgPath(script)});
  CheckOutputsAreNotInputs(inputs, {{"project", ArgPath(target)}});
  std::unique_ptr<CProject> project = OpenProject(target);
  AddScripts(*project, ArgPath(target), scripts);
  SaveProjectFile(*project, ArgPath(target));
  PrintWrote(parser, ArgPath(target));
  return kExitOk;
}

// A script is named as the project stores it, or by any path to the file.
int RunRemove(const Arguments& args) {
  CArgParser parser;
  if (int status = ParseCommand(parser, args, kRemoveHelp, 2, SIZE_MAX); status >= 0) return status;
  CCliSession session;
  const std::string& target = parser.Operands().front();
  std::unique_ptr<CProject> project = OpenProject(target);
  for (auto it = parser.Operands().begin() + 1; it != parser.Operands().end(); ++it) {
    const std::u16string asGiven = ArgText(*it);
    const std::u16string relative = MakeRelativePath(project->projectPath, FullPath(*it));
    const auto& list = project->scriptPaths;
    if (std::find(list.begin(), list.end(), asGiven) != list.end()) {
      project->RemoveScript(asGiven);
    } else if (std::find(list.begin(), list.end(), relative) != list.end()) {
      project->RemoveScript(relative);
    } else {
      throw CommandError(*it + ": not a script of " + target + "; nothing changed");
    }
  }
  SaveProjectFile(*project, ArgPath(target));
  PrintWrote(parser, ArgPath(target));
  return kExitOk;
}

namespace {

// Returns to the folder it was made in.
class CFolderGuard {
 public:
  CFolderGuard() : folder_(fs::current_path()) {}
  ~CFolderGuard() {
    std::error_code ignored;
    fs::current_path(folder_, ignored);
  }
  CFolderGuard(const CFolderGuard&) = delete;
  CFolderGuard& operator=(const CFolderGuard&) = delete;

 private:
  fs::path folder_;
};

// The files a build reads and writes, checked before anything is read.
struct BuildFiles {
  std::vector<NamedFile> inputs;   // the project and its scripts
  std::vector<NamedFile> outputs;  // language file, test language file, log
};

BuildFiles FilesOfBuild(const CProject& project, const fs::path& projectFile, const fs::path& log) {
  const fs::path folder = projectFile.parent_path();
  BuildFiles files;
  files.inputs.push_back({"project", projectFile});
  for (const std::u16string& script : project.scriptPaths) {
    files.inputs.push_back({"script", StoredPath(folder, script, projectFile)});
  }
  files.outputs.push_back(
      {"language file", StoredPath(folder, project.languageFileName, projectFile)});
  if (project.testVersion) {
    files.outputs.push_back(
        {"test language file", StoredPath(folder, project.TestLanguageFileName(), projectFile)});
  }
  if (!log.empty()) files.outputs.push_back({"--log", log});
  return files;
}

}  // namespace

int RunBuild(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("log");
  parser.AddFlag("strict");
  parser.AddFlag("force");
  parser.AddOption("code-page");
  parser.AddOption("grammar");
  parser.AddOption("diagnostics-format");
  if (int status = ParseCommand(parser, args, kBuildHelp, 1, 1); status >= 0) return status;
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kBuildHelp, options); status >= 0) return status;
  CCliSession session;
  const std::string& target = parser.Operands().front();
  const fs::path projectFile = fs::absolute(ArgPath(target));
  const fs::path logFile = !parser.Has("log") ? fs::path()
                           : IsStandardOutputName(ArgPath(parser.Value("log")))
                               ? ArgPath(parser.Value("log"))
                               : fs::absolute(ArgPath(parser.Value("log")));

  std::unique_ptr<CProject> project = OpenProject(target);
  const BuildFiles files = FilesOfBuild(*project, projectFile, logFile);
  CheckOutputsAreNotInputs(files.inputs, files.outputs);
  const bool force = parser.Has("force");
  for (const NamedFile& output : files.outputs) {
    CheckReplaceable(output.path, output.role == "--log" ? FileKind::kLog : FileKind::kLanguageFile,
                     force);
  }
  const std::unique_ptr<CLanguageData> header = project->languageData->Copy();
  if (options.codePage != 0) project->defaultCodePage = options.codePage;
  if (options.grammar) project->grammar = *options.grammar;

  // The tool's rescan reads the scripts relative to the project's folder.
  CFolderGuard folderGuard;
  fs::current_path(projectFile.parent_path());
  CProgressBar progress(stderr);
  int32_t problems = 0;
  std::vector<CRcDiagnostic> diagnostics;
  const std::u16string log = project->BuildLanguageData(&progress, &problems, nullptr, &diagnostics);
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
  PrintDiagnostics(diagnostics, options.diagnosticsFormat);
  SaveProjectFile(*project, projectFile);
  if (!project->SaveLanguageFiles(projectFile.parent_path())) return kExitFailure;

  std::FILE* out = ReportStream(files.outputs);
  ScanReport report{project->scriptCount(), data.root.get(), problems,
                    ScanWarnings(project->scriptPaths, data.root.get())};
  const Verbosity verbosity = VerbosityOf(parser);
  const int status = FinishScan(report, parser.Has("strict"), verbosity, out);
  // Written in this order: the log, the project, the test language file,
  // the language file; the last is always named, the others with -v.
  std::vector<fs::path> written;
  if (!logFile.empty() && !IsStandardOutputName(logFile)) written.push_back(logFile);
  written.push_back(projectFile);
  for (size_t i = files.outputs.size(); i-- > 0;) {
    if (files.outputs[i].role != "--log") written.push_back(files.outputs[i].path);
  }
  for (size_t i = 0; i < written.size() && verbosity != Verbosity::kQuiet; ++i) {
    if (verbosity == Verbosity::kVerbose || i + 1 == written.size()) {
      std::fprintf(out, "wrote %s\n", PathText(written[i]).c_str());
    }
  }
  return status;
}

}  // namespace tolmeric::cli
