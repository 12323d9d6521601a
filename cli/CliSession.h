// What every command of the command line shares: the run-time module set up
// with the tool's own string table (so messages and defaults come through
// the same string functions as in the tool), messages printed on standard
// error, and the conversion of arguments and paths.
#pragma once

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/ToolStringTable.h"
#include "cli/ArgParser.h"
#include "runtime/HostPlatform.h"
#include "runtime/RuntimeModule.h"
#include "translation/MessageSink.h"

namespace tolmeric::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CCliSession : public IMessageSink {
 public:
  CCliSession();
  ~CCliSession() override;

  CCliSession(const CCliSession&) = delete;
  CCliSession& operator=(const CCliSession&) = delete;

  // Prints a message of the system (a message box in the tool) on stderr.
  void ShowMessage(const std::u16string& message) override;

  // Prints "tolmeric-cli: " and the message on stderr.
  static void PrintError(const std::string& message);

 private:
  CToolStringTable strings_;
  CHostPlatform platform_;
  // The module the commands' string functions use, on that platform.
  CRuntimeModule module_{platform_};
};

// Parses a command's arguments, declaring --help. Prints the usage and help
// for --help (status 0), or the error and the usage for a usage error
// (status 2); returns -1 when the command should go on. SIZE_MAX as
// maxOperands allows any number; a required option missing is a usage error.
int ParseCommand(CArgParser& parser, const std::vector<std::string>& args, const char* usage,
                 const char* help, size_t minOperands, size_t maxOperands,
                 std::initializer_list<const char*> requiredOptions = {});

// Command-line arguments are UTF-8; texts of the system are UTF-16.
std::u16string ArgText(const std::string& argument);
// A path given on the command line.
std::filesystem::path ArgPath(const std::string& argument);
// A path for messages, in UTF-8.
std::string PathText(const std::filesystem::path& path);

// Writes UTF-8 text to a file, replacing it only once it is complete.
void SaveTextFile(const std::filesystem::path& path, const std::string& text);

}  // namespace tolmeric::cli
