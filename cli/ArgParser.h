// Options and operands of one command of the command line. Every option is
// declared before parsing; anything undeclared is a usage error.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolmeric::cli {

// A usage error: the command prints it with a short usage and exits with 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArgParser {
 public:
  // A flag: "--name" without a value; with a letter also "-l".
  void AddFlag(const std::string& name, char letter = 0);
  // An option with a value: "--name VALUE" or "--name=VALUE", and with a
  // letter also "-L VALUE" or "-LVALUE" (as compilers take -D and -I).
  // Repeatable options collect every value; others keep the last and
  // refuse a second.
  void AddOption(const std::string& name, bool repeatable = false, char letter = 0);

  // Parses the arguments after the command name. "--" ends the options;
  // "-" alone is an operand (standard output or input).
  // Throws UsageError for an unknown option, a missing value or a flag
  // given a value.
  void Parse(const std::vector<std::string>& args);

  bool Has(const std::string& name) const;
  std::string Value(const std::string& name, const std::string& fallback = {}) const;
  const std::vector<std::string>& Values(const std::string& name) const;
  const std::vector<std::string>& Operands() const { return operands_; }

 private:
  std::set<std::string> flags_;
  void AddValue(const std::string& name, std::string value);

  std::map<char, std::string> letters_;  // short flag or option -> name
  std::map<std::string, bool> options_;  // name -> repeatable
  std::map<std::string, std::vector<std::string>> values_;
  std::set<std::string> seen_;
  std::vector<std::string> operands_;
};

}  // namespace tolmeric::cli
