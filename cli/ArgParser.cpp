#include "cli/ArgParser.h"

namespace tolmeric::cli {

namespace {
const std::vector<std::string> kNoValues;
}

void CArgParser::AddFlag(const std::string& name, char letter) {
  flags_.insert(name);
  if (letter != 0) letters_[letter] = name;
}

void CArgParser::AddOption(const std::string& name, bool repeatable, char letter) {
  options_[name] = repeatable;
  if (letter != 0) letters_[letter] = name;
}

void CArgParser::AddValue(const std::string& name, std::string value) {
  if (!options_.at(name) && seen_.count(name) != 0) {
    throw UsageError("option --" + name + " given twice");
  }
  seen_.insert(name);
  values_[name].push_back(std::move(value));
}

void CArgParser::Parse(const std::vector<std::string>& args) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
        auto letter = letters_.find(arg[1]);
        if (letter == letters_.end()) throw UsageError("unknown option " + arg);
        if (options_.count(letter->second) != 0) {
          if (arg.size() == 2 && i + 1 >= args.size()) {
            throw UsageError("option " + arg + " needs a value");
          }
          AddValue(letter->second, arg.size() > 2 ? arg.substr(2) : args[++i]);
          continue;
        }
        if (arg.size() != 2) throw UsageError("unknown option " + arg);
        seen_.insert(letter->second);
        continue;
      }
      operands_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = arg.substr(2);
    std::string value;
    bool hasInlineValue = false;
    if (size_t eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasInlineValue = true;
    }
    if (flags_.count(name) != 0) {
      if (hasInlineValue) throw UsageError("option --" + name + " takes no value");
      seen_.insert(name);
      continue;
    }
    auto option = options_.find(name);
    if (option == options_.end()) throw UsageError("unknown option --" + name);
    if (!hasInlineValue) {
      if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
      value = args[++i];
    }
    AddValue(name, std::move(value));
  }
}

bool CArgParser::Has(const std::string& name) const { return seen_.count(name) != 0; }

std::string CArgParser::Value(const std::string& name, const std::string& fallback) const {
  auto found = values_.find(name);
  return found == values_.end() ? fallback : found->second.back();
}

const std::vector<std::string>& CArgParser::Values(const std::string& name) const {
  auto found = values_.find(name);
  return found == values_.end() ? kNoValues : found->second;
}

}  // namespace tolmeric::cli
