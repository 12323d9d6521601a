#include "rcreader/RcReader.h"

#include <filesystem>

#include "rcreader/ProblemLog.h"
#include "translation/Progress.h"

namespace tolmeric {

CRcReader::CRcReader(const std::vector<std::u16string>& scriptNames, IProgress* progress,
                     int32_t start, int32_t end, int defaultCodePage, RcGrammar grammar) {
  const auto n = static_cast<int32_t>(scriptNames.size());
  for (int32_t k = 0; k < n; ++k) {
    const std::u16string& name = scriptNames[static_cast<size_t>(k)];
    if (k > 0 && progress) progress->SetPosition(start + k * ((end - start) / n));
    if (!tokenList_) tokenList_ = std::make_unique<CRcTokenList>(grammar);
    tokenList_->ReadScriptFile(name, std::filesystem::path(name), defaultCodePage);
  }
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch,
                                          const IStringSource& strings) {
  auto file = std::make_unique<CRcFile>();
  if (tokenList_) file->Parse(*tokenList_, 0, log);
  if (withStandardSwitch) file->AddStandardSwitchDialog(strings);
  return file;
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch) {
  return Parse(log, withStandardSwitch, log.strings());
}

}  // namespace tolmeric
