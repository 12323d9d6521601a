// tolmeric-cli update: an older translation carried onto a new scan.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "translation/FileError.h"
#include "translation/TranslationUpdate.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "update",
    "carry an older translation onto a new scan",
    "tolmeric-cli update --old OLD.tra --output OUT.tra [--force] NEW.tra\n",
    "    Carries the translations of OLD.tra (a translated language file of an\n"
    "    older version) onto NEW.tra (a new scan), matching texts as the\n"
    "    run-time module does when it switches to a language file of an older\n"
    "    version. New texts stay untranslated and are marked new; a translation\n"
    "    carried over from a changed base text is marked for review. On the next\n"
    "    export the marks show as fuzzy (PO) and as the target's state (XLIFF).\n"
    "    The language name and flag come from OLD.tra.\n",
    "    --old OLD.tra\n"
    "        The translated language file of the older version.\n"
    "    --output OUT.tra\n"
    "        The language file to write. An existing file is replaced only when\n"
    "        it is a language file.\n"
    "    --force\n"
    "        Replace an existing output whatever it holds.\n",
};

}  // namespace

int RunUpdate(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("old");
  parser.AddOption("output");
  parser.AddFlag("force");
  if (int status = ParseCommand(parser, args, kHelp, 1, 1, {"old", "output"}); status >= 0) {
    return status;
  }
  const NamedFile output{"--output", ArgPath(parser.Value("output"))};
  CheckOutputsAreNotInputs({{"--old", ArgPath(parser.Value("old"))},
                            {"new", ArgPath(parser.Operands().front())}},
                           {output});
  CheckReplaceable(output.path, FileKind::kLanguageFile, parser.Has("force"));
  CCliSession session;
  return ReportingFileErrors([&] {
    std::unique_ptr<CLanguageData> older = LoadLanguageArgument(parser.Value("old"), session);
    std::unique_ptr<CLanguageData> fresh =
        LoadLanguageArgument(parser.Operands().front(), session);
    CUpdateCounts counts;
    std::unique_ptr<CLanguageData> result = UpdateTranslation(*older, *fresh, &counts);
    SaveLanguageFile(*result, ArgPath(parser.Value("output")));
    std::printf("%d carried over, %d to review, %d new, %d no longer used\n", counts.carried,
                counts.review, counts.added, counts.dropped);
    return kExitOk;
  });
}

}  // namespace tolmeric::cli
