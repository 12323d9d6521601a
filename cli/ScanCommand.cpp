// tolmeric-cli scan: one scan of the given scripts into a language file.
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/LanguageOptions.h"
#include "cli/Commands.h"
#include "cli/ProgressBar.h"
#include "cli/ScanSummary.h"
#include "runtime/StringFunctions.h"
#include "translation/Archive.h"
#include "translation/AtomicFile.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli scan --output OUT.tra [--log LOG] [--auto-install]\n"
    "                         [--program NAME] [--version VER] [--language NAME]\n"
    "                         [--flag CODE] [--code-page N] SCRIPT.rc...\n";

const std::string kHelp = std::string(
    "Scans resource scripts, in the order given, into one language file.\n"
    "\n"
    "  --output OUT.tra   the language file to write\n"
    "  --log LOG          write the problem log there (UTF-8)\n"
    "  --auto-install     add the standard language switch dialog and mark the\n"
    "                     file as supporting the automatic switch\n"
    "  --program NAME     program name (default: the first script's name)\n"
    "  --version VER      program version (default: 1.0)\n"
    "  --language NAME    language name (default: the tool's language)\n") +
    FlagOptionHelp(21) + CodePageOptionHelp(21);

// The first script's file name without folder and without its last
// extension; a dot that starts the name is no extension.
std::u16string ProgramNameOf(const std::u16string& script) {
  size_t slash = script.find_last_of(u"\\/");
  std::u16string name = slash == std::u16string::npos ? script : script.substr(slash + 1);
  size_t dot = name.find_last_of(u'.');
  if (dot != std::u16string::npos && dot != 0) name.resize(dot);
  return name;
}

}  // namespace

int RunScan(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("output");
  parser.AddOption("log");
  parser.AddOption("program");
  parser.AddOption("version");
  parser.AddOption("language");
  parser.AddOption("flag");
  parser.AddOption("code-page");
  parser.AddFlag("auto-install");
  if (int status = ParseCommand(parser, args, kUsage, kHelp.c_str(), 1, SIZE_MAX, {"output"});
      status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kUsage, options); status >= 0) return status;

  CCliSession session;
  std::vector<std::u16string> scripts;
  for (const std::string& operand : parser.Operands()) scripts.push_back(ArgText(operand));
  const bool autoInstall = parser.Has("auto-install");

  try {
    // The scan of a project over the scripts as given.
    CProject scan;
    scan.scriptPaths = scripts;
    scan.autoInstall = autoInstall;
    scan.defaultCodePage = options.codePage;
    CProgressBar progress(stderr);
    int32_t problems = 0;
    const std::u16string log = scan.BuildLanguageData(&progress, &problems);
    progress.Finish();

    CLanguageData& data = *scan.languageData;
    data.SetAutoSwitch(autoInstall);
    if (options.flag != nullptr) data.flagImage = DrawFlag(*options.flag);
    data.programName = parser.Has("program") ? ArgText(parser.Value("program"))
                                             : ProgramNameOf(scripts.front());
    data.programVersion = ArgText(parser.Value("version", "1.0"));
    if (parser.Has("language")) {
      data.languageName = ArgText(parser.Value("language"));
    } else {
      LoadTranslatedString(data.languageName, kStrDefaultLanguage);
    }

    // The language file and the log are saved as one: when either cannot
    // be written, neither target is touched.
    const std::filesystem::path output = ArgPath(parser.Value("output"));
    CArchive archive = CArchive::ForStoring(output);
    data.Serialize(archive);
    std::vector<PendingFile> files = {{output, archive.Bytes()}};
    if (parser.Has("log")) {
      const std::string text = ToUtf8(log);
      files.push_back({ArgPath(parser.Value("log")), std::vector<uint8_t>(text.begin(), text.end())});
    }
    SaveFilesAtomically(files);
    std::string summary =
        ScanSummary(static_cast<int32_t>(scripts.size()), data.root.get(), problems);
    std::printf("%s\n", summary.c_str());
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
