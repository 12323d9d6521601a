// tolmeric-cli import: a translators' PO or XLIFF file back onto its base
// language file.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "cli/LanguageOptions.h"
#include "translation/ExchangeDocument.h"
#include "translation/FileError.h"
#include "translation/PoFile.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli import --base BASE.tra --output OUT.tra [--language NAME]\n"
    "                           [--flag CODE] [--take-fuzzy]\n"
    "                           TRANSLATION.po|TRANSLATION.xlf\n";
const char* const kHelp =
    "Writes the base language file with each text taken from the entry with\n"
    "its context. Untranslated entries keep the base text; entries that need\n"
    "review (fuzzy, or an XLIFF state asking for review) leave the text as the\n"
    "base file has it unless --take-fuzzy. The file's kind is told by its\n"
    "content. A malformed file is refused with file, line and reason, and\n"
    "nothing is written.\n"
    "\n"
    "  --base BASE.tra    the language file the translation belongs to\n"
    "  --output OUT.tra   the language file to write\n"
    "  --language NAME    the language name of the new file (default: the base's)\n"
    "  --take-fuzzy       take entries that need review as well\n";

std::string Help() { return std::string(kHelp) + FlagOptionHelp(21); }

}  // namespace

int RunImport(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("base");
  parser.AddOption("output");
  parser.AddOption("language");
  parser.AddOption("flag");
  parser.AddFlag("take-fuzzy");
  static const std::string help = Help();
  if (int status = ParseCommand(parser, args, kUsage, help.c_str(), 1, 1, {"base", "output"});
      status >= 0) {
    return status;
  }
  CLanguageOptions options;
  if (int status = ReadLanguageOptions(parser, kUsage, options); status >= 0) return status;

  CCliSession session;
  const std::string& input = parser.Operands().front();
  return ReportingFileErrors([&] {
    std::unique_ptr<CLanguageData> data = LoadLanguageArgument(parser.Value("base"), session);
    const CExchangeDocument document = ReadExchangeDocument(ReadTextArgument(input), input);
    const CImportCounts counts =
        ApplyEntries(*data->root, document.entries, parser.Has("take-fuzzy"));
    if (parser.Has("language")) data->languageName = ArgText(parser.Value("language"));
    if (options.flag != nullptr) data->flagImage = DrawFlag(*options.flag);
    SaveLanguageFile(*data, ArgPath(parser.Value("output")));
    std::printf("%d translated, %d untranslated, %d fuzzy not taken, %d fuzzy taken, "
                "%d with a context the base file lacks\n",
                counts.translated, counts.untranslated, counts.fuzzySkipped, counts.fuzzyTaken,
                counts.unknown);
    return kExitOk;
  });
}

}  // namespace tolmeric::cli
