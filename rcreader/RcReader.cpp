#include "rcreader/RcReader.h"

#include <filesystem>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcLanguage.h"
#include "translation/Progress.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

CRcWarning SeveralLanguages(const std::vector<uint16_t>& languages) {
  std::u16string names;
  for (uint16_t language : languages) {
    if (!names.empty()) names += u"; ";
    names += LanguageName(language);
  }
  return {nullptr, 0,
          u"resources in " + FromAscii(std::to_string(languages.size())) + u" languages (" + names +
              u") are read into one language file; keep one with --language-section"};
}

}  // namespace

CRcReader::CRcReader(const std::vector<std::u16string>& scriptNames, IProgress* progress,
                     int32_t start, int32_t end, int defaultCodePage, RcGrammar grammar,
                     const CPreprocessorOptions& options) {
  const auto n = static_cast<int32_t>(scriptNames.size());
  for (int32_t k = 0; k < n; ++k) {
    const std::u16string& name = scriptNames[static_cast<size_t>(k)];
    if (k > 0 && progress) progress->SetPosition(start + k * ((end - start) / n));
    if (!tokenList_) tokenList_ = std::make_unique<CRcTokenList>(grammar);
    tokenList_->ReadScriptFile(name, std::filesystem::path(name), defaultCodePage, options,
                               &warnings_);
  }
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch,
                                          const IStringSource& strings) {
  auto file = std::make_unique<CRcFile>();
  file->languageSection = language_;
  if (tokenList_) file->Parse(*tokenList_, 0, log);
  // Only the compiler's grammar can keep one language.
  if (!language_ && file->languages.size() > 1 && tokenList_->grammar() == RcGrammar::kCompiler) {
    warnings_.Add(SeveralLanguages(file->languages));
  }
  if (withStandardSwitch) file->AddStandardSwitchDialog(strings);
  return file;
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch) {
  return Parse(log, withStandardSwitch, log.strings());
}

}  // namespace tolmeric
