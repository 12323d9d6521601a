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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const tolmeric::CRcTokenList tokens = tolmeric::CRcTokenList::FromBytes(u"fuzz.rc", bytes);
  const CFixedStrings strings;
  tolmeric::CProblemLog log(strings);
  log.Begin();
  tolmeric::CRcFile file;
  file.Parse(tokens, 0, log);
  file.AddStandardSwitchDialog(strings);
  file.BuildNode(nullptr)->ResetStates();
  return 0;
}
