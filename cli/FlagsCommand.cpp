// tolmeric-cli flags: the flag table, as a list or as the tool's flag strip.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/AtomicFile.h"
#include "translation/BitmapFile.h"
#include "translation/FileError.h"
#include "translation/FlagTable.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "flags",
    "list the flags a language file can carry",
    "tolmeric-cli flags [--strip FILE.bmp]\n",
    "    Lists the flags a language file can carry, one a line: the code that\n"
    "    --flag takes and the language's name, in the order of the tool's flag\n"
    "    strip.\n",
    "    --strip FILE.bmp\n"
    "        Write the flags side by side as a 24-bit bitmap, 32 by 32 pixels\n"
    "        each, light grey around every flag.\n",
};

}  // namespace

int RunFlags(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("strip");
  if (int status = ParseCommand(parser, args, kHelp, 0, 0); status >= 0) return status;

  if (parser.Has("strip")) {
    try {
      SaveFileAtomically(ArgPath(parser.Value("strip")), BitmapFile24(DrawFlagStrip()));
    } catch (const CFileError& error) {
      CCliSession::PrintError(error.what());
      return kExitFailure;
    }
    return kExitOk;
  }
  std::string out;
  for (const CFlagEntry& entry : FlagTable()) {
    std::string code(entry.code);
    code.resize(std::max<size_t>(code.size() + 1, 8), ' ');
    out += code + std::string(entry.name) + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return kExitOk;
}

}  // namespace tolmeric::cli
