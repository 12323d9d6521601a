// tolmeric-cli update: an older translation carried onto a new scan.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "translation/FileError.h"
#include "translation/TranslationUpdate.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage = "usage: tolmeric-cli update --old OLD.tra --output OUT.tra NEW.tra\n";
const char* const kHelp =
    "Carries the translations of OLD.tra (a translated language file of an\n"
    "older version) onto NEW.tra (a new scan), matching texts as the run-time\n"
    "module does when it switches to a language file of an older version.\n"
    "New texts stay untranslated and are marked new; a translation carried\n"
    "over from a changed base text is marked for review. On the next export\n"
    "the marks show as fuzzy (PO) and as the target's state (XLIFF). The\n"
    "language name and flag come from OLD.tra.\n";

}  // namespace

int RunUpdate(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("old");
  parser.AddOption("output");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 1, 1, {"old", "output"});
      status >= 0) {
    return status;
  }
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
