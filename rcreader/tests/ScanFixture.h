// Helpers of the reader's tests: the reader's message strings, and a scan
// of scripts held in memory that yields the tree dump and the log.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "rcreader/RcDiagnostic.h"
#include "rcreader/RcFile.h"
#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"

namespace tolmeric::testing {

// The tool's German strings that the reader uses, by number.
class CReaderStrings : public IStringSource {
 public:
  CReaderStrings();
  std::u16string LoadString(uint32_t id) const override;

 private:
  std::map<uint32_t, std::u16string> strings_;
};

struct ScanResult {
  // The list stays: the parsed elements refer to its tokens.
  std::unique_ptr<CRcTokenList> list;
  std::unique_ptr<CRcFile> file;
  std::unique_ptr<CTextNode> root;
  std::u16string log;
  std::vector<CRcDiagnostic> diagnostics;
  std::string Tree() const;         // the dump of root
  std::string LogUtf8() const;      // the log in UTF-8
  std::string Diagnostics() const;  // the diagnostics, one msvc line each
};

// Scans scripts given as (name, bytes) pairs, in order, the way a project
// scan does: the log begins with string 133.
ScanResult ScanScripts(const std::vector<std::pair<std::u16string, std::string>>& scripts,
                       bool withStandardSwitch = false, RcGrammar grammar = RcGrammar::kClassic);
// One script named "test.rc".
ScanResult ScanText(const std::string& script, bool withStandardSwitch = false);

// The log line pair a section parser writes for one problem.
std::string Problem(const std::string& message, const std::string& location);

}  // namespace tolmeric::testing
