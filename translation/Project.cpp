#include "translation/Project.h"

#include <algorithm>
#include <string>

#include "rcreader/CodePageDecoder.h"
#include "rcreader/ProblemLog.h"
#include "rcreader/RcPreprocessor.h"
#include "rcreader/RcReader.h"
#include "runtime/StringFunctions.h"
#include "runtime/TranslatedStringSource.h"
#include "translation/Archive.h"
#include "translation/AtomicFile.h"
#include "translation/MessageSink.h"
#include "translation/Progress.h"
#include "translation/ProjectPaths.h"

namespace tolmeric {

namespace {

const std::u16string kProjectExtension = u".lxp";
const std::u16string kLanguageExtension = u".tra";
const std::u16string kTestSuffix = u"_test.tra";
const std::u16string kTestLanguageSuffix = u" (test)";

constexpr int32_t kProgressRead = 60;
constexpr int32_t kProgressParsed = 90;
constexpr int32_t kProgressDone = 100;

std::u16string WithoutProjectExtension(const std::u16string& name) {
  if (name.size() >= kProjectExtension.size() &&
      name.compare(name.size() - kProjectExtension.size(), kProjectExtension.size(),
                   kProjectExtension) == 0) {
    return name.substr(0, name.size() - kProjectExtension.size());
  }
  return name;
}

void SetProgress(IProgress* progress, int32_t position) {
  if (progress != nullptr) progress->SetPosition(position);
}

// A boolean is stored as a u32; only 1 reads back as true.
void SerializeBool(CArchive& archive, bool& value) {
  if (archive.IsStoring()) {
    archive.WriteU32(value ? 1 : 0);
  } else {
    value = archive.ReadU32() == 1;
  }
}

void SerializeString(CArchive& archive, std::u16string& value) {
  if (archive.IsStoring()) {
    archive.WriteString(value);
  } else {
    value = archive.ReadString();
  }
}

// Records the messages an archive shows while it is in scope, passing them
// on to the archive's own sink.
class CArchiveWatch : public CRecordingSink {
 public:
  explicit CArchiveWatch(CArchive& archive) : CRecordingSink(archive.MessageSink()), archive_(archive) {
    archive_.SetMessageSink(this);
  }
  ~CArchiveWatch() override { archive_.SetMessageSink(next()); }

 private:
  CArchive& archive_;
};

// A new language data object without tree that keeps old's flag.
std::unique_ptr<CLanguageData> EmptyDataWithFlagOf(const CLanguageData& old) {
  auto data = std::make_unique<CLanguageData>();
  data->CopyFlag(old);
  return data;
}

}  // namespace

CProject::CProject() : languageData(std::make_unique<CLanguageData>()) {}

CProject::~CProject() = default;

std::u16string CProject::FileTitle() const {
  size_t slash = projectPath.find_last_of(u"\\/");
  return slash == std::u16string::npos ? projectPath : projectPath.substr(slash + 1);
}

void CProject::InitLanguageFileName() {
  languageFileName = WithoutProjectExtension(FileTitle()) + kLanguageExtension;
}

void CProject::InitLanguageHeader() {
  languageData->programName = WithoutProjectExtension(FileTitle());
  languageData->programVersion = u"1.0";
  std::u16string language;
  LoadTranslatedString(language, kStrDefaultLanguage);
  languageData->languageName = language;
}

std::u16string CProject::TestLanguageFileName() const {
  const size_t keep = languageFileName.size() >= 4 ? languageFileName.size() - 4 : 0;
  return languageFileName.substr(0, keep) + kTestSuffix;
}

std::u16string CProject::ScriptAt(int32_t index) const {
  if (index < 0 || index >= scriptCount()) return {};
  return scriptPaths[index];
}

void CProject::AddScript(const std::u16string& path) { scriptPaths.push_back(path); }

void CProject::RemoveScript(const std::u16string& path) {
  auto found = std::find(scriptPaths.begin(), scriptPaths.end(), path);
  if (found != scriptPaths.end()) scriptPaths.erase(found);
}

void CProject::SetFlagFromPixels(const uint32_t* image, int32_t imageWidth, int32_t imageHeight,
                                 int32_t x, int32_t y) {
  if (languageData) languageData->SetFlagFromPixels(image, imageWidth, imageHeight, x, y);
}

#ifdef _WIN32
void CProject::SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int32_t x, int32_t y) {
  if (languageData) languageData->SetFlagFromBitmap(dc, bitmap, x, y);
}
#endif

// The scan: read every script, parse the sections (with the standard switch
// dialog when automatic installation is on), build the tree and put it into
// new language data that keeps the flag. The header strings are not carried
// over; whoever shows them sets them again.
std::u16string CProject::BuildLanguageData(IProgress* progress, int32_t* problemCount,
                                           SourcePlaces* places,
                                           std::vector<CRcDiagnostic>* diagnostics,
                                           std::vector<std::u16string>* warnings) {
  if (problemCount != nullptr) *problemCount = 0;
  if (scriptPaths.empty()) {
    languageData = EmptyDataWithFlagOf(*languageData);
    return {};
  }
  SetProgress(progress, 0);
  CTranslatedStringSource strings;
  CPreprocessorOptions options;
  for (const std::u16string& define : defines) {
    std::pair<std::u16string, std::u16string> macro;
    if (ParseDefineOption(define, macro)) options.defines.push_back(std::move(macro));
  }
  for (const std::u16string& folder : includeFolders) options.includeFolders.emplace_back(folder);
  CRcReader reader(scriptPaths, progress, 0, kProgressRead, defaultCodePage, grammar, options);
  if (grammar == RcGrammar::kCompiler && languageSection != kAllLanguages) {
    reader.SelectLanguage(static_cast<uint16_t>(languageSection));
  }

  CProblemLog log(strings);
  log.Begin();
  // The scripts are read as the parse goes: the bar moves on as each
  // further one begins, and stands at the end of reading when all are.
  auto data = std::make_unique<CLanguageData>(reader.ParseTree(log, autoInstall, strings, places));
  SetProgress(progress, kProgressRead);
  SetProgress(progress, kProgressParsed);
  data->CopyFlag(*languageData);
  languageData = std::move(data);
  languageData->root->ResetStates();
  SetProgress(progress, kProgressDone);
  if (problemCount != nullptr) *problemCount = log.problemCount();
  if (diagnostics != nullptr) *diagnostics = std::move(log.diagnostics);
  if (warnings != nullptr) {
    for (const CRcWarning& warning : reader.TakeWarnings()) warnings->push_back(warning.Format());
  }
  return log.text;
}

bool CProject::HasReadingSettings() const {
  return !defines.empty() || !includeFolders.empty() || languageSection != kAllLanguages;
}

namespace {

void StoreStrings(CArchive& archive, const std::vector<std::u16string>& strings) {
  archive.WriteU32(static_cast<uint32_t>(strings.size()));
  for (const std::u16string& text : strings) archive.WriteString(text);
}

std::vector<std::u16string> LoadStrings(CArchive& archive) {
  const uint32_t count = archive.ReadU32();
  // Every stored string takes at least its length byte.
  if (count > archive.Remaining()) archive.ThrowEndOfFile();
  std::vector<std::u16string> strings;
  strings.reserve(count);
  for (uint32_t i = 0; i < count; ++i) strings.push_back(archive.ReadString());
  return strings;
}

}  // namespace

// The reading settings, after the grammar: the defines and the include
// folders (each a count and strings) and the language section (signed
// 32-bit, -1 for all).
void CProject::SerializeReadingSettings(CArchive& archive) {
  if (archive.IsStoring()) {
    StoreStrings(archive, defines);
    StoreStrings(archive, includeFolders);
    archive.WriteI32(languageSection);
    return;
  }
  defines = LoadStrings(archive);
  for (const std::u16string& define : defines) {
    std::pair<std::u16string, std::u16string> macro;
    if (!ParseDefineOption(define, macro)) archive.ThrowBadData("a define without a name");
  }
  includeFolders = LoadStrings(archive);
  languageSection = archive.ReadI32();
  if (languageSection < kAllLanguages || languageSection > 0xFFFF) {
    archive.ThrowBadData("bad language section " + std::to_string(languageSection));
  }
}

// Project file: projectPath, languageFileName, testVersion, autoInstall,
// replaceBegin, beginText, replaceEnd, endText, the whole language file,
// the script count and the scripts; then, only when one is set, the default
// code page (0 when only later items follow); after it, for the compiler's
// grammar or when reading settings follow, the grammar; and only when one of
// them is set, the reading settings. Files without them stay as they were,
// and readers that stop earlier still read everything they know.
void CProject::Serialize(CArchive& archive) {
  if (archive.IsLoading()) {
    // Never without language data, even when the load fails half-way.
    languageData = std::make_unique<CLanguageData>();
    scriptPaths.clear();
    defaultCodePage = 0;
    grammar = RcGrammar::kClassic;
    defines.clear();
    includeFolders.clear();
    languageSection = kAllLanguages;
  }
  SerializeString(archive, projectPath);
  SerializeString(archive, languageFileName);
  SerializeBool(archive, testVersion);
  SerializeBool(archive, autoInstall);
  SerializeBool(archive, replaceBegin);
  SerializeString(archive, beginText);
  SerializeBool(archive, replaceEnd);
  SerializeString(archive, endText);

  if (archive.IsStoring()) languageData->SetAutoSwitch(autoInstall);
  CArchiveWatch watch(archive);
  languageData->Serialize(archive);
  if (archive.IsLoading()) {
    languageData->SetAutoSwitch(autoInstall);
    // After a wrong magic the end of the embedded language file cannot be
    // found, so the script list cannot be either: the project opens
    // without scripts and without tree.
    if (watch.shown) return;
  }

  if (archive.IsStoring()) {
    StoreStrings(archive, scriptPaths);
    const bool reading = HasReadingSettings();
    const bool withGrammar = grammar != RcGrammar::kClassic || reading;
    if (defaultCodePage != 0 || withGrammar) archive.WriteI32(defaultCodePage);
    if (withGrammar) archive.WriteI32(static_cast<int32_t>(grammar));
    if (reading) SerializeReadingSettings(archive);
    return;
  }
  scriptPaths = LoadStrings(archive);
  if (archive.Remaining() > 0) {
    defaultCodePage = archive.ReadI32();
    if (defaultCodePage != 0 && !CCodePageDecoder::IsSupported(defaultCodePage)) {
      archive.ThrowBadData("unknown default code page " + std::to_string(defaultCodePage));
    }
  }
  if (archive.Remaining() > 0) {
    const int32_t stored = archive.ReadI32();
    if (stored != static_cast<int32_t>(RcGrammar::kClassic) &&
        stored != static_cast<int32_t>(RcGrammar::kCompiler)) {
      archive.ThrowBadData("unknown grammar " + std::to_string(stored));
    }
    grammar = static_cast<RcGrammar>(stored);
  }
  if (archive.Remaining() > 0) SerializeReadingSettings(archive);
}

bool CProject::SaveLanguageFiles(const std::filesystem::path& folder) {
  if (!languageData || !languageData->root) {
    TranslatedMessageBox(kStrNoResources);
    return false;
  }
  languageData->SetAutoSwitch(autoInstall);
  if (testVersion) {
    std::unique_ptr<CLanguageData> test =
        MakeTestLanguageData(*languageData, replaceBegin, beginText, replaceEnd, endText);
    SaveLanguageFile(*test, ResolveStoredPath(folder, TestLanguageFileName()));
  }
  SaveLanguageFile(*languageData, ResolveStoredPath(folder, languageFileName));
  return true;
}

std::unique_ptr<CLanguageData> MakeTestLanguageData(const CLanguageData& data, bool replaceBegin,
                                                    const std::u16string& beginText,
                                                    bool replaceEnd, const std::u16string& endText) {
  std::unique_ptr<CLanguageData> test = data.Copy();
  if (test->root) test->root->ApplyTestMarks(replaceBegin, beginText, replaceEnd, endText);
  test->languageName += kTestLanguageSuffix;
  return test;
}

std::unique_ptr<CLanguageData> MakePseudoLanguageData(const CLanguageData& data,
                                                      const CPseudoSettings& settings) {
  std::unique_ptr<CLanguageData> test = data.Copy();
  if (test->root) PseudoLocalizeTree(*test->root, settings);
  test->languageName += kTestLanguageSuffix;
  return test;
}

void SaveProjectFile(CProject& project, const std::filesystem::path& path) {
  CArchive archive = CArchive::ForStoring(path);
  project.Serialize(archive);
  SaveFileAtomically(path, archive.Bytes());
}

std::unique_ptr<CProject> LoadProjectFile(const std::filesystem::path& path, IMessageSink* sink) {
  CArchive archive = CArchive::OpenForLoading(path, kMaxProjectFileBytes);
  archive.SetMessageSink(sink);
  auto project = std::make_unique<CProject>();
  project->Serialize(archive);
  return project;
}

}  // namespace tolmeric
