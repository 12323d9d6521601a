// tolmeric-cli export: the texts of a language file or project for
// translators, as a PO catalogue or an XLIFF document.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "translation/ExchangeDocument.h"
#include "translation/FileError.h"
#include "translation/XliffFile.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage =
    "usage: tolmeric-cli export --format po|xliff --output OUT [--source-language CODE]\n"
    "                           [--target-language CODE] FILE.tra|PROJECT.lxp\n";
const char* const kHelp =
    "Writes one entry per text the application shows (dialog captions, control\n"
    "texts, popups, menu items, strings): its context (the path of base texts\n"
    "from the category down), the base text as source, the translation as\n"
    "target when the file is translated, and notes (kind, size in dialog units;\n"
    "for a project, which is scanned first, the script and line). Texts with\n"
    "printf conversions carry the c-format flag. Texts marked by an update are\n"
    "fuzzy in PO and carry their state in XLIFF.\n"
    "\n"
    "  --format po|xliff        PO (GNU gettext) or XLIFF 1.2\n"
    "  --output OUT             the file to write\n"
    "  --source-language CODE   e.g. en; default: from the file's language name\n"
    "                           when the file is untranslated\n"
    "  --target-language CODE   e.g. de; default: from the file's language name\n"
    "                           when the file is translated\n";

}  // namespace

int RunExport(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("format");
  parser.AddOption("output");
  parser.AddOption("source-language");
  parser.AddOption("target-language");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 1, 1, {"format", "output"});
      status >= 0) {
    return status;
  }
  const std::string format = parser.Value("format");
  if (format != "po" && format != "xliff") {
    CCliSession::PrintError("unknown format " + format + " (po or xliff)");
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }

  CCliSession session;
  return ReportingFileErrors([&] {
    SourcePlaces places;
    std::unique_ptr<CLanguageData> data =
        LoadLanguageOrProject(parser.Operands().front(), session, &places);
    CExchangeLanguages languages{parser.Value("source-language"), parser.Value("target-language")};
    CExchangeDocument document = MakeExchangeDocument(*data, languages, &places);
    const std::string text =
        format == "po" ? WritePoDocument(document) : WriteXliffDocument(document);
    SaveTextFile(ArgPath(parser.Value("output")), text);
    std::printf("exported %zu texts\n", document.entries.size());
    return kExitOk;
  });
}

}  // namespace tolmeric::cli
