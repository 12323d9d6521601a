// tolmeric-cli: the tool's work from the command line, for scripts and CI.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/CliSession.h"
#include "cli/Commands.h"

#ifdef _WIN32
#include "translation/Utf.h"
#endif

namespace {

using tolmeric::cli::Arguments;

const char* const kUsage =
    "usage: tolmeric-cli COMMAND [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  scan      scan resource scripts into a language file\n"
    "  dump      print a language file or a project file\n"
    "  new       create a project\n"
    "  add       add scripts to a project\n"
    "  remove    remove scripts from a project\n"
    "  build     rescan a project and write its project and language files\n"
    "  testfile  write a test language file from a language file\n"
    "  flags     list the flags a language file can carry\n"
    "\n"
    "tolmeric-cli COMMAND --help tells more.\n";

struct Command {
  const char* name;
  int (*run)(const Arguments&);
};

const Command kCommands[] = {
    {"scan", tolmeric::cli::RunScan},       {"dump", tolmeric::cli::RunDump},
    {"new", tolmeric::cli::RunNew},         {"add", tolmeric::cli::RunAdd},
    {"remove", tolmeric::cli::RunRemove},   {"build", tolmeric::cli::RunBuild},
    {"testfile", tolmeric::cli::RunTestFile}, {"flags", tolmeric::cli::RunFlags},
};

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return tolmeric::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::fputs(kUsage, stdout);
    return tolmeric::cli::kExitOk;
  }
  for (const Command& command : kCommands) {
    if (args[0] == command.name) return command.run(Arguments(args.begin() + 1, args.end()));
  }
  tolmeric::cli::CCliSession::PrintError("unknown command " + args[0]);
  std::fputs(kUsage, stderr);
  return tolmeric::cli::kExitUsage;
}

}  // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16 and are handed on as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(tolmeric::ToUtf8(std::u16string(argv[i], argv[i] + std::wcslen(argv[i]))));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
