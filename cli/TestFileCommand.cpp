// tolmeric-cli testfile: a test language file from any language file.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/PseudoLocalizer.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "testfile",
    "write a test language file from a language file",
    "tolmeric-cli testfile --input IN.tra --output OUT.tra [--begin TEXT]\n"
    "                             [--end TEXT] [--no-begin] [--no-end] [--force]\n"
    "                             [--pseudo [--lengthen PERCENT] [--no-accents]]\n",
    "    Writes a test language file: the beginning and the end of every text are\n"
    "    overwritten with markers (texts keep their length), and \" (test)\" is\n"
    "    added to the language name. The input must be a language file, known by\n"
    "    its content; the output may not be the input.\n",
    "    --input IN.tra\n"
    "        The language file to read.\n"
    "    --output OUT.tra\n"
    "        The test language file to write; - for standard output. An existing\n"
    "        file is replaced only when it is a language file.\n"
    "    --begin TEXT\n"
    "        Marker for the beginning (default X).\n"
    "    --end TEXT\n"
    "        Marker for the end (default Y).\n"
    "    --no-begin\n"
    "        Leave the beginnings alone.\n"
    "    --no-end\n"
    "        Leave the ends alone.\n"
    "    --force\n"
    "        Replace an existing output whatever it holds.\n"
    "    --pseudo\n"
    "        Pseudo-localise instead: accented look-alike letters, each text\n"
    "        lengthened and framed by the markers (default [ and ]); printf\n"
    "        conversions, &hotkeys, escapes, line ends and the accelerator after\n"
    "        a tab stay as they are.\n"
    "    --lengthen PERCENT\n"
    "        With --pseudo: padding in percent of each text's length (default 35).\n"
    "    --no-accents\n"
    "        With --pseudo: keep the letters.\n",
};

// --pseudo and its options. Returns -1 to go on, or
// 2 after printing a usage error.
int ReadPseudoSettings(const CArgParser& parser, std::optional<CPseudoSettings>& pseudo) {
  try {
    if (!parser.Has("pseudo")) {
      if (parser.Has("lengthen") || parser.Has("no-accents")) {
        throw UsageError("--lengthen and --no-accents need --pseudo");
      }
      return -1;
    }
    CPseudoSettings settings;
    settings.accents = !parser.Has("no-accents");
    if (parser.Has("lengthen")) {
      const std::string value = parser.Value("lengthen");
      const bool digits = !value.empty() && value.size() <= 4 &&
                          value.find_first_not_of("0123456789") == std::string::npos;
      if (!digits || std::stoi(value) > kMaxLengthenPercent) {
        throw UsageError("--lengthen " + value + ": a percentage from 0 to " +
                         std::to_string(kMaxLengthenPercent));
      }
      settings.lengthenPercent = std::stoi(value);
    }
    settings.addBegin = !parser.Has("no-begin");
    settings.beginText = ArgText(parser.Value("begin", "["));
    settings.addEnd = !parser.Has("no-end");
    settings.endText = ArgText(parser.Value("end", "]"));
    pseudo = settings;
  } catch (const UsageError& error) {
    CCliSession::PrintError(error.what());
    std::fprintf(stderr, "usage: %s", kHelp.synopsis);
    return kExitUsage;
  }
  return -1;
}

}  // namespace

int RunTestFile(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("input");
  parser.AddOption("output");
  parser.AddOption("begin");
  parser.AddOption("end");
  parser.AddFlag("no-begin");
  parser.AddFlag("no-end");
  parser.AddFlag("force");
  parser.AddFlag("pseudo");
  parser.AddOption("lengthen");
  parser.AddFlag("no-accents");
  if (int status = ParseCommand(parser, args, kHelp, 0, 0, {"input", "output"}); status >= 0) {
    return status;
  }
  std::optional<CPseudoSettings> pseudo;
  if (int status = ReadPseudoSettings(parser, pseudo); status >= 0) return status;

  CCliSession session;
  const NamedFile input{"--input", ArgPath(parser.Value("input"))};
  const NamedFile output{"--output", ArgPath(parser.Value("output"))};
  CheckOutputsAreNotInputs({input}, {output});
  CheckReplaceable(output.path, FileKind::kLanguageFile, parser.Has("force"));
  const DataFile file = ReadDataFile(input.path, FileKind::kLanguageFile);
  std::unique_ptr<CLanguageData> test =
      pseudo ? MakePseudoLanguageData(file.Language(), *pseudo)
             : MakeTestLanguageData(file.Language(), !parser.Has("no-begin"),
                                    ArgText(parser.Value("begin", "X")), !parser.Has("no-end"),
                                    ArgText(parser.Value("end", "Y")));
  SaveLanguageFile(*test, output.path);
  if (VerbosityOf(parser) == Verbosity::kVerbose) {
    std::fprintf(ReportStream({output}), "wrote %s\n", PathText(output.path).c_str());
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
