// Resource scripts are whatever the application's developers wrote: any
// bytes must read and scan into a tree, with problems in the log.
#include <cstddef>
#include <cstdint>
#include <string>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcFile.h"
#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"

namespace {

class CFixedStrings : public tolmeric::IStringSource {
 public:
  std::u16string LoadString(uint32_t id) const override {
    return u"string %s (%i) " + std::u16string(1, static_cast<char16_t>(u'0' + id % 10));
  }
};

}  // namespace

// The first byte chooses the grammar, the rest is the script.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const tolmeric::RcGrammar grammar =
      data[0] & 1 ? tolmeric::RcGrammar::kCompiler : tolmeric::RcGrammar::kClassic;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const tolmeric::CRcTokenList tokens =
      tolmeric::CRcTokenList::FromBytes(u"fuzz.rc", bytes, 0, grammar);
  const CFixedStrings strings;
  tolmeric::CProblemLog log(strings);
  log.Begin();
  tolmeric::CRcFile file;
  file.Parse(tokens, 0, log);
  file.AddStandardSwitchDialog(strings);
  file.BuildNode(nullptr)->ResetStates();
  return 0;
}
