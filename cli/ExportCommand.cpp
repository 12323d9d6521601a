// tolmeric-cli export: the texts of a language file or project for
// translators, as a PO catalogue or an XLIFF document.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ExchangeSupport.h"
#include "cli/FileKind.h"
#include "cli/OutputGuard.h"
#include "translation/ExchangeDocument.h"
#include "translation/FileError.h"
#include "translation/XliffFile.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "export",
    "write the texts for translators (PO or XLIFF)",
    "tolmeric-cli export --format po|xliff --output OUT [--source-language CODE]\n"
    "                           [--target-language CODE] [--force] FILE.tra|PROJECT.lxp\n",
    "    Writes one entry per text the application shows (dialog captions,\n"
    "    control texts, popups, menu items, strings): its context (the path of\n"
    "    base texts from the category down), the base text as source, the\n"
    "    translation as target when the file is translated, and notes (kind,\n"
    "    size in dialog units; for a project, which is scanned first, the script\n"
    "    and line). Texts with printf conversions carry the c-format flag. Texts\n"
    "    marked by an update are fuzzy in PO and carry their state in XLIFF.\n",
    "    --format po|xliff\n"
    "        PO (GNU gettext) or XLIFF 1.2.\n"
    "    --output OUT\n"
    "        The file to write; - for standard output. An existing file is\n"
    "        replaced only when it is a PO or XLIFF file.\n"
    "    --source-language CODE\n"
    "        E.g. en; default: from the file's language name when the file is\n"
    "        untranslated.\n"
    "    --target-language CODE\n"
    "        E.g. de; default: from the file's language name when the file is\n"
    "        translated.\n"
    "    --force\n"
    "        Replace an existing output whatever it holds.\n",
};

}  // namespace

int RunExport(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("format");
  parser.AddOption("output");
  parser.AddOption("source-language");
  parser.AddOption("target-language");
  parser.AddFlag("force");
  if (int status = ParseCommand(parser, args, kHelp, 1, 1, {"format", "output"}); status >= 0) {
    return status;
  }
  const std::string format = parser.Value("format");
  if (format != "po" && format != "xliff") {
    CCliSession::PrintError("unknown format " + format + " (po or xliff)");
    std::fprintf(stderr, "usage: %s", kHelp.synopsis);
    return kExitUsage;
  }

  const NamedFile input{"input", ArgPath(parser.Operands().front())};
  const NamedFile output{"--output", ArgPath(parser.Value("output"))};
  CheckOutputsAreNotInputs({input}, {output});
  CheckReplaceable(output.path, FileKind::kTranslatorsFile, parser.Has("force"));

  CCliSession session;
  return ReportingFileErrors([&] {
    SourcePlaces places;
    std::unique_ptr<CLanguageData> data =
        LoadLanguageOrProject(parser.Operands().front(), session, &places);
    CExchangeLanguages languages{parser.Value("source-language"), parser.Value("target-language")};
    CExchangeDocument document = MakeExchangeDocument(*data, languages, &places);
    const std::string text =
        format == "po" ? WritePoDocument(document) : WriteXliffDocument(document);
    SaveTextFile(output.path, text);
    std::fprintf(ReportStream({output}), "exported %zu texts\n", document.entries.size());
    return kExitOk;
  });
}

}  // namespace tolmeric::cli
