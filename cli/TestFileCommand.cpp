// tolmeric-cli testfile: a test language file from any language file.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/MessageSink.h"
#include "translation/Project.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli testfile --input IN.tra --output OUT.tra [--begin TEXT]\n"
    "                             [--end TEXT] [--no-begin] [--no-end]\n";
const char* const kHelp =
    "Writes a test language file: the beginning and the end of every text are\n"
    "overwritten with markers (texts keep their length), and \" (test)\" is\n"
    "added to the language name.\n"
    "\n"
    "  --begin TEXT   marker for the beginning (default X)\n"
    "  --end TEXT     marker for the end (default Y)\n"
    "  --no-begin     leave the beginnings alone\n"
    "  --no-end       leave the ends alone\n";

}  // namespace

int RunTestFile(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("input");
  parser.AddOption("output");
  parser.AddOption("begin");
  parser.AddOption("end");
  parser.AddFlag("no-begin");
  parser.AddFlag("no-end");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 0, 0, {"input", "output"});
      status >= 0) {
    return status;
  }

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
        MakeTestLanguageData(*data, !parser.Has("no-begin"), ArgText(parser.Value("begin", "X")),
                             !parser.Has("no-end"), ArgText(parser.Value("end", "Y")));
    SaveLanguageFile(*test, ArgPath(parser.Value("output")));
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
