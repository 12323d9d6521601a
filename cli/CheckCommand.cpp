// tolmeric-cli check: a translation checked for the faults that ship broken
// software.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "translation/ExchangeDocument.h"
#include "translation/FileError.h"
#include "translation/PoFile.h"
#include "translation/TranslationCheck.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli check [--strict] [--base BASE.tra] FILE.tra|FILE.po|FILE.xlf\n";
const char* const kHelp =
    "Checks a translated language file, or a PO or XLIFF file against its base\n"
    "language file, and prints one line per finding (file and line or node\n"
    "path, then the message) and a summary:\n"
    "  - printf conversions that differ from the base text's\n"
    "  - a hotkey (&X) used twice within one dialog or popup level, or dropped\n"
    "    where the base text has one\n"
    "  - untranslated texts\n"
    "  - a translation much wider than its control (estimated from the\n"
    "    control's width in dialog units and the average character width)\n"
    "  - leading or trailing blanks and line feeds that differ\n"
    "\n"
    "  --base BASE.tra   the base language file (needed for PO and XLIFF)\n"
    "  --strict          exit with status 1 when there are findings\n";

}  // namespace

int RunCheck(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("base");
  parser.AddFlag("strict");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 1, 1); status >= 0) return status;

  CCliSession session;
  const std::string& input = parser.Operands().front();
  return ReportingFileErrors([&] {
    std::vector<CFinding> findings;
    const std::string bytes = ReadTextArgument(input);
    std::vector<CCheckItem> items;
    if (IsLanguageFileContent(bytes)) {
      std::unique_ptr<CLanguageData> data = LoadLanguageArgument(input, session);
      items = CheckItemsOfTree(*data->root, input);
    } else {
      if (!parser.Has("base")) {
        CCliSession::PrintError("a PO or XLIFF file is checked against its base: --base is missing");
        std::fputs(kUsage, stderr);
        return kExitUsage;
      }
      std::unique_ptr<CLanguageData> base = LoadLanguageArgument(parser.Value("base"), session);
      const CExchangeDocument document = ReadExchangeDocument(bytes, input);
      items = CheckItemsOfDocument(document, *base->root, input, findings);
    }
    std::vector<CFinding> textFindings = CheckTranslation(items);
    findings.insert(findings.end(), textFindings.begin(), textFindings.end());
    for (const CFinding& finding : findings) {
      std::printf("%s: warning: %s\n", finding.where.c_str(), finding.message.c_str());
    }
    std::printf("%s: %s\n", input.c_str(), SummarizeFindings(findings, items.size()).c_str());
    return parser.Has("strict") && !findings.empty() ? kExitFailure : kExitOk;
  });
}

}  // namespace tolmeric::cli
