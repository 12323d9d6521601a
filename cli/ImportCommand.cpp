// tolmeric-cli import: a translators' PO or XLIFF file back onto its base
// language file.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "cli/LanguageOptions.h"
#include "translation/ExchangeDocument.h"
#include "translation/FileError.h"
#include "translation/PoFile.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "import",
    "take a translated PO or XLIFF file onto its base language file",
    "tolmeric-cli import --base BASE.tra --output OUT.tra [--language NAME]\n"
    "                           [--flag CODE] [--take-fuzzy] [--force]\n"
    "                           TRANSLATION.po|TRANSLATION.xlf\n",
    "    Writes the base language file with each text taken from the entry with\n"
    "    its context. Untranslated entries keep the base text; entries that need\n"
    "    review (fuzzy, or an XLIFF state asking for review) leave the text as\n"
    "    the base file has it unless --take-fuzzy. The file's kind is told by\n"
    "    its content. A malformed file is refused with file, line and reason,\n"
    "    and nothing is written.\n",
    "    --base BASE.tra\n"
    "        The language file the translation belongs to.\n"
    "    --output OUT.tra\n"
    "        The language file to write. An existing file is replaced only when\n"
    "        it is a language file.\n"
    "    --language NAME\n"
    "        The language name of the new file (default: the base's).\n"
    "    --take-fuzzy\n"
    "        Take entries that need review as well.\n"
    "    --force\n"
    "        Replace an existing output whatever it holds.\n"
    TOLMERIC_FLAG_OPTION_HELP,
};

}  // namespace

int RunImport(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("base");
  parser.AddOption("output");
  parser.AddOption("language");
  parser.AddOption("flag");
  parser.AddFlag("take-fuzzy");
  parser.AddFlag("force");
  if (int status = ParseCommand(parser, args, kHelp, 1, 1, {"base", "output"}); status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kHelp, options); status >= 0) return status;
  const NamedFile output{"--output", ArgPath(parser.Value("output"))};
  CheckOutputsAreNotInputs({{"--base", ArgPath(parser.Value("base"))},
                            {"translation", ArgPath(parser.Operands().front())}},
                           {output});
  CheckReplaceable(output.path, FileKind::kLanguageFile, parser.Has("force"));

  CCliSession session;
  const std::string& input = parser.Operands().front();
  return ReportingFileErrors([&] {
    std::unique_ptr<CLanguageData> data = LoadLanguageArgument(parser.Value("base"), session);
    const CExchangeDocument document = ReadExchangeDocument(ReadTextArgument(input), input);
    const CImportCounts counts =
        ApplyEntries(*data->root, document.entries, parser.Has("take-fuzzy"));
    if (parser.Has("language")) data->languageName = ArgText(parser.Value("language"));
    if (options.flag != nullptr) data->flagImage = DrawFlag(*options.flag);
    SaveLanguageFile(*data, output.path);
    std::fprintf(ReportStream({output}), "%d translated, %d untranslated, %d fuzzy not taken, %d fuzzy taken, "
                "%d with a context the base file lacks\n",
                counts.translated, counts.untranslated, counts.fuzzySkipped, counts.fuzzyTaken,
                counts.unknown);
    return kExitOk;
  });
}

}  // namespace tolmeric::cli
