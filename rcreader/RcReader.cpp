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
  if (scriptNames.empty()) return;
  tokenList_ = std::make_unique<CRcTokenList>(grammar);
  for (const std::u16string& name : scriptNames) {
    tokenList_->AddScriptFile(name, std::filesystem::path(name), defaultCodePage, options,
                              &warnings_);
  }
  const auto n = static_cast<int32_t>(scriptNames.size());
  tokenList_->OnScriptStart([progress, start, end, n](size_t k) {
    if (k > 0 && progress) progress->SetPosition(start + static_cast<int32_t>(k) * ((end - start) / n));
  });
}

void CRcReader::ParseInto(CRcFile& file, CProblemLog& log, bool withStandardSwitch,
                          const IStringSource& strings) {
  file.languageSection = language_;
  if (tokenList_) file.Parse(*tokenList_, 0, log);
  // Only the compiler's grammar can keep one language.
  if (!language_ && file.languages.size() > 1 && tokenList_->grammar() == RcGrammar::kCompiler) {
    warnings_.Add(SeveralLanguages(file.languages));
  }
  if (withStandardSwitch) file.AddStandardSwitchDialog(strings);
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch,
                                          const IStringSource& strings) {
  auto file = std::make_unique<CRcFile>();
  ParseInto(*file, log, withStandardSwitch, strings);
  return file;
}

std::unique_ptr<CRcFile> CRcReader::Parse(CProblemLog& log, bool withStandardSwitch) {
  return Parse(log, withStandardSwitch, log.strings());
}

std::unique_ptr<CTextNode> CRcReader::ParseTree(CProblemLog& log, bool withStandardSwitch,
                                                const IStringSource& strings,
                                                SourcePlaces* places) {
  CRcFile file;
  file.BuildNodesWhileParsing(places, tokenList_.get());
  ParseInto(file, log, withStandardSwitch, strings);
  return file.TakeNode(nullptr);
}

}  // namespace tolmeric
