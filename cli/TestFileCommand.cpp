// tolmeric-cli testfile: a test language file from any language file.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "testfile",
    "write a test language file from a language file",
    "tolmeric-cli testfile --input IN.tra --output OUT.tra [--begin TEXT]\n"
    "                             [--end TEXT] [--no-begin] [--no-end] [--force]\n",
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
    "        Replace an existing output whatever it holds.\n",
};

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
  if (int status = ParseCommand(parser, args, kHelp, 0, 0, {"input", "output"}); status >= 0) {
    return status;
  }

  CCliSession session;
  const NamedFile input{"--input", ArgPath(parser.Value("input"))};
  const NamedFile output{"--output", ArgPath(parser.Value("output"))};
  CheckOutputsAreNotInputs({input}, {output});
  CheckReplaceable(output.path, FileKind::kLanguageFile, parser.Has("force"));
  const DataFile file = ReadDataFile(input.path, FileKind::kLanguageFile);
  std::unique_ptr<CLanguageData> test =
      MakeTestLanguageData(file.Language(), !parser.Has("no-begin"),
                           ArgText(parser.Value("begin", "X")), !parser.Has("no-end"),
                           ArgText(parser.Value("end", "Y")));
  SaveLanguageFile(*test, output.path);
  if (VerbosityOf(parser) == Verbosity::kVerbose) {
    std::fprintf(ReportStream({output}), "wrote %s\n", PathText(output.path).c_str());
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
