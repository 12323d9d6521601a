// tolmeric-cli scan: one scan of the given scripts into a language file.
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/LanguageOptions.h"
#include "cli/Commands.h"
#include "cli/OutputGuard.h"
#include "cli/ProgressBar.h"
#include "cli/ScanSummary.h"
#include "runtime/StringFunctions.h"
#include "translation/AtomicFile.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "scan",
    "scan resource scripts into a language file",
    "tolmeric-cli scan --output OUT.tra [--log LOG] [--auto-install] [--strict]\n"
    "                         [--force] [--program NAME] [--version VER]\n"
    "                         [--language NAME] [--flag CODE] [--code-page N]\n"
    "                         [--grammar classic|compiler]\n"
    "                         [--diagnostics-format msvc|gcc|json]\n"
    "                         [-D NAME[=VALUE]]... [-I DIR]... [--language-section L,S]\n"
    "                         SCRIPT.rc...\n",
    "    Reads the resource scripts, in the order given, and writes their dialogs,\n"
    "    menus and string tables as one language file. Statements the scan cannot\n"
    "    read are problems: they go to the log, and their number to the summary\n"
    "    line on standard output; each statement that could not be read gives\n"
    "    one diagnostic on standard error. An empty script, and scripts without\n"
    "    any dialog, menu or string table, give a warning. A script holding NUL\n"
    "    bytes (other than a UTF-16 script with its byte order mark) is refused.\n"
    "\n"
    "    In the compiler grammar, preprocessor lines are read as the resource\n"
    "    compiler reads them: #if and its kin choose the lines, #define and -D\n"
    "    give the macros, an included .rc, .rc2 or .dlg script is read in place\n"
    "    and an included header gives its macros. Scripts with resources in\n"
    "    several languages give a warning unless --language-section keeps one.\n"
    "    The classic grammar reads preprocessor lines as tokens.\n"
    "\n"
    "    The language file and the log are written as one: when either cannot be\n"
    "    written, neither is touched. An output that is one of the scripts, or\n"
    "    the other output, is refused before anything is read.\n",
    "    --output OUT.tra\n"
    "        The language file to write; - writes it to standard output (the\n"
    "        summary then goes to standard error). An existing file is replaced\n"
    "        only when it is a language file.\n"
    "    --log LOG\n"
    "        Write the problem log there (UTF-8; - for standard output). An\n"
    "        existing file is replaced only when it is a problem log.\n"
    "    --force\n"
    "        Replace existing outputs whatever they hold.\n"
    "    --strict\n"
    "        Exit with 1 when the scan had problems or warnings (for CI).\n"
    "    --auto-install\n"
    "        Add the standard language switch dialog and mark the file as\n"
    "        supporting the automatic switch.\n"
    "    --program NAME\n"
    "        Program name (default: the first script's name).\n"
    "    --version VER\n"
    "        Program version (default: 1.0); tolmeric-cli --version prints the\n"
    "        tool's own.\n"
    "    --language NAME\n"
    "        Language name (default: the tool's language).\n"
    TOLMERIC_FLAG_OPTION_HELP TOLMERIC_CODE_PAGE_OPTION_HELP TOLMERIC_GRAMMAR_OPTION_HELP
        TOLMERIC_DIAGNOSTICS_OPTION_HELP TOLMERIC_READING_OPTIONS_HELP,
};

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
  parser.AddOption("grammar");
  parser.AddOption("diagnostics-format");
  parser.AddFlag("auto-install");
  parser.AddFlag("force");
  parser.AddFlag("strict");
  AddReadingOptions(parser);
  if (int status = ParseCommand(parser, args, kHelp, 1, SIZE_MAX, {"output"}); status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kHelp, options); status >= 0) return status;
  if (int status = CheckReadingOptions(options, options.grammar.value_or(RcGrammar::kCompiler), kHelp);
      status >= 0) {
    return status;
  }

  CCliSession session;
  std::vector<std::u16string> scripts;
  std::vector<NamedFile> inputs;
  for (const std::string& operand : parser.Operands()) {
    scripts.push_back(ArgText(operand));
    inputs.push_back({"script", ArgPath(operand)});
  }
  std::vector<NamedFile> outputs = {{"--output", ArgPath(parser.Value("output"))}};
  if (parser.Has("log")) outputs.push_back({"--log", ArgPath(parser.Value("log"))});
  CheckOutputsAreNotInputs(inputs, outputs);
  const bool force = parser.Has("force");
  CheckReplaceable(outputs[0].path, FileKind::kLanguageFile, force);
  if (outputs.size() > 1) CheckReplaceable(outputs[1].path, FileKind::kLog, force);
  const bool autoInstall = parser.Has("auto-install");

  // The scan of a project over the scripts as given.
  CProject scan;
  scan.scriptPaths = scripts;
  scan.autoInstall = autoInstall;
  scan.defaultCodePage = options.codePage;
  scan.grammar = options.grammar.value_or(RcGrammar::kCompiler);
  ApplyReadingOptions(options, scan, ArgText);
  CProgressBar progress(stderr);
  int32_t problems = 0;
  std::vector<CRcDiagnostic> diagnostics;
  std::vector<std::u16string> readerWarnings;
  const std::u16string log =
      scan.BuildLanguageData(&progress, &problems, nullptr, &diagnostics, &readerWarnings);
  progress.Finish();
  PrintDiagnostics(diagnostics, options.diagnosticsFormat);

  CLanguageData& data = *scan.languageData;
  data.SetAutoSwitch(autoInstall);
  if (options.flag != nullptr) data.flagImage = DrawFlag(*options.flag);
  data.programName =
      parser.Has("program") ? ArgText(parser.Value("program")) : ProgramNameOf(scripts.front());
  data.programVersion = ArgText(parser.Value("version", "1.0"));
  if (parser.Has("language")) {
    data.languageName = ArgText(parser.Value("language"));
  } else {
    LoadTranslatedString(data.languageName, kStrDefaultLanguage);
  }

  // The language file is made in pieces as it is saved: a large scan never
  // holds the whole file beside its tree.
  std::vector<PendingFile> files = {
      {outputs[0].path, {}, [&](const ByteSink& write) {
         WriteLanguageFile(data, outputs[0].path, write);
       }}};
  if (outputs.size() > 1) {
    const std::string text = ToUtf8(log);
    files.push_back({outputs[1].path, std::vector<uint8_t>(text.begin(), text.end())});
  }
  SaveFilesAtomically(files);

  std::FILE* out = ReportStream(outputs);
  const Verbosity verbosity = VerbosityOf(parser);
  if (verbosity == Verbosity::kVerbose) {
    for (const NamedFile& output : outputs) std::fprintf(out, "wrote %s\n", PathText(output.path).c_str());
  }
  ScanReport report{static_cast<int32_t>(scripts.size()), data.root.get(), problems,
                    ScanWarnings(scripts, data.root.get(), readerWarnings)};
  return FinishScan(report, parser.Has("strict"), verbosity, out);
}

}  // namespace tolmeric::cli
