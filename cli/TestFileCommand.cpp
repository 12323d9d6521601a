// tolmeric-cli testfile: a test language file from any language file.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/MessageSink.h"
#include "translation/Project.h"
#include "translation/PseudoLocalizer.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli testfile --input IN.tra --output OUT.tra [--begin TEXT]\n"
    "                             [--end TEXT] [--no-begin] [--no-end]\n"
    "                             [--pseudo [--lengthen PERCENT] [--no-accents]]\n";
const char* const kHelp =
    "Writes a test language file: the beginning and the end of every text are\n"
    "overwritten with markers (texts keep their length), and \" (test)\" is\n"
    "added to the language name.\n"
    "\n"
    "  --begin TEXT   marker for the beginning (default X)\n"
    "  --end TEXT     marker for the end (default Y)\n"
    "  --no-begin     leave the beginnings alone\n"
    "  --no-end       leave the ends alone\n"
    "  --pseudo       pseudo-localise instead: accented look-alike letters, each\n"
    "                 text lengthened and framed by the markers (default [ and ]);\n"
    "                 printf conversions, &hotkeys, escapes, line ends and the\n"
    "                 accelerator after a tab stay as they are\n"
    "  --lengthen PERCENT\n"
    "                 pseudo: padding in percent of each text's length (default 35)\n"
    "  --no-accents   pseudo: keep the letters\n";

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
    std::fputs(kUsage, stderr);
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
  parser.AddFlag("pseudo");
  parser.AddOption("lengthen");
  parser.AddFlag("no-accents");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 0, 0, {"input", "output"});
      status >= 0) {
    return status;
  }
  std::optional<CPseudoSettings> pseudo;
  if (int status = ReadPseudoSettings(parser, pseudo); status >= 0) return status;

  CCliSession session;
  const std::string input = parser.Value("input");
  try {
    CRecordingSink sink(&session);
    std::unique_ptr<CLanguageData> data = LoadLanguageFile(ArgPath(input), &sink);
    if (sink.shown) {
      CCliSession::PrintError(input + ": not a language file");
      return kExitFailure;
    }
    std::unique_ptr<CLanguageData> test =
        pseudo ? MakePseudoLanguageData(*data, *pseudo)
               : MakeTestLanguageData(*data, !parser.Has("no-begin"),
                                      ArgText(parser.Value("begin", "X")), !parser.Has("no-end"),
                                      ArgText(parser.Value("end", "Y")));
    SaveLanguageFile(*test, ArgPath(parser.Value("output")));
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
