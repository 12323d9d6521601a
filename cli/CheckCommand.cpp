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
#ifdef _WIN32
#include "translation/TextMeasureWin32.h"
#endif

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "check",
    "check a translation for broken formats, hotkeys and widths",
    "tolmeric-cli check [--strict] [--base BASE.tra] FILE.tra|FILE.po|FILE.xlf\n",
    "    Checks a translated language file, or a PO or XLIFF file against its\n"
    "    base language file, and prints one line per finding (file and line or\n"
    "    node path, then the message) and a summary: printf conversions that\n"
    "    differ from the base text's; a hotkey (&X) used twice within one dialog\n"
    "    or popup level, or dropped where the base text has one; untranslated\n"
    "    texts; a translation much wider than its control (its width in dialog\n"
    "    units measured with the dialog font on Windows, elsewhere estimated\n"
    "    from the average character width);\n"
    "    leading or trailing blanks and line feeds that differ.\n",
    "    --base BASE.tra\n"
    "        The base language file (needed for PO and XLIFF).\n"
    "    --strict\n"
    "        Exit with status 1 when there are findings.\n",
};

}  // namespace

int RunCheck(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("base");
  parser.AddFlag("strict");
  if (int status = ParseCommand(parser, args, kHelp, 1, 1); status >= 0) return status;

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
        std::fprintf(stderr, "usage: %s", kHelp.synopsis);
        return kExitUsage;
      }
      std::unique_ptr<CLanguageData> base = LoadLanguageArgument(parser.Value("base"), session);
      const CExchangeDocument document = ReadExchangeDocument(bytes, input);
      items = CheckItemsOfDocument(document, *base->root, input, findings);
    }
#ifdef _WIN32
    std::vector<CFinding> textFindings = CheckTranslation(items, CTextMeasureWin32());
#else
    std::vector<CFinding> textFindings = CheckTranslation(items);
#endif
    findings.insert(findings.end(), textFindings.begin(), textFindings.end());
    for (const CFinding& finding : findings) {
      std::printf("%s: warning: %s\n", finding.where.c_str(), finding.message.c_str());
    }
    std::printf("%s: %s\n", input.c_str(), SummarizeFindings(findings, items.size()).c_str());
    return parser.Has("strict") && !findings.empty() ? kExitFailure : kExitOk;
  });
}

}  // namespace tolmeric::cli
