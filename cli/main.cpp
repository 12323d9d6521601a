// tolmeric-cli: the tool's work from the command line, for scripts and CI.
// Commands are listed in one table; each takes the arguments after its
// name and returns its exit status.
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/FileError.h"

#ifdef _WIN32
#include "translation/Utf.h"
#endif

namespace {

using tolmeric::cli::Arguments;

const char* const kUsage =
    "usage: tolmeric-cli COMMAND [OPTIONS]\n"
    "       tolmeric-cli --version\n"
    "\n"
    "commands:\n"
    "  scan      scan resource scripts into a language file\n"
    "  dump      print a language file or a project file\n"
    "  new       create a project\n"
    "  add       add scripts to a project\n"
    "  remove    remove scripts from a project\n"
    "  build     rescan a project and write its project and language files\n"
    "  testfile  write a test language file from a language file\n"
    "  export    write the texts for translators (PO or XLIFF)\n"
    "  import    take a translated PO or XLIFF file onto its base language file\n"
    "  update    carry an older translation onto a new scan\n"
    "  check     check a translation for broken formats, hotkeys and widths\n"
    "  flags     list the flags a language file can carry\n"
    "\n"
    "tolmeric-cli COMMAND --help tells more. Exit status: 0 done, 1 a file\n"
    "could not be read, written or replaced, 2 a usage error.\n";

struct Command {
  const char* name;
  int (*run)(const Arguments&);
};

const Command kCommands[] = {
    {"scan", tolmeric::cli::RunScan},       {"dump", tolmeric::cli::RunDump},
    {"new", tolmeric::cli::RunNew},         {"add", tolmeric::cli::RunAdd},
    {"remove", tolmeric::cli::RunRemove},   {"build", tolmeric::cli::RunBuild},
    {"testfile", tolmeric::cli::RunTestFile}, {"flags", tolmeric::cli::RunFlags},
    {"export", tolmeric::cli::RunExport},     {"import", tolmeric::cli::RunImport},
    {"update", tolmeric::cli::RunUpdate},     {"check", tolmeric::cli::RunCheck},
};

// Runs the command named first. Whatever a command throws ends it with a
// message and the status of its kind; nothing escapes as an abort.
int RunCommand(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return tolmeric::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::fputs(kUsage, stdout);
    return tolmeric::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::printf("tolmeric-cli %s\n", TOLMERIC_VERSION);
    return tolmeric::cli::kExitOk;
  }
  for (const Command& command : kCommands) {
    if (args[0] == command.name) return command.run(Arguments(args.begin() + 1, args.end()));
  }
  tolmeric::cli::CCliSession::PrintError("unknown command " + args[0]);
  std::fputs(kUsage, stderr);
  return tolmeric::cli::kExitUsage;
}

int Run(const std::vector<std::string>& args) {
  using tolmeric::cli::CCliSession;
  try {
    return RunCommand(args);
  } catch (const tolmeric::cli::UsageError& error) {
    CCliSession::PrintError(error.what());
    CCliSession::PrintError("nothing was written");
    return tolmeric::cli::kExitUsage;
  } catch (const tolmeric::cli::CommandError& error) {
    CCliSession::PrintError(error.what());
  } catch (const tolmeric::CFileError& error) {
    CCliSession::PrintError(error.what());
  } catch (const std::bad_alloc&) {
    CCliSession::PrintError("out of memory");
  } catch (const std::exception& error) {
    CCliSession::PrintError(std::string("unexpected error: ") + error.what());
  } catch (...) {
    CCliSession::PrintError("unexpected error");
  }
  return tolmeric::cli::kExitFailure;
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
