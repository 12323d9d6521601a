// The tool's working document for one application: its resource scripts,
// where its language file goes, the test-version settings, the automatic
// installation option and the language data built from the scripts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "rcreader/RcDiagnostic.h"
#include "rcreader/RcGrammar.h"
#include "translation/LanguageData.h"
#include "translation/PseudoLocalizer.h"
#include "translation/SourcePlaces.h"

namespace tolmeric {

class CArchive;
class IProgress;

// Strings of the project and its scan.
enum ProjectString : uint32_t {
  kStrReadingScripts = 112,
  kStrScanStart = 133,
  kStrDefaultLanguage = 139,
  kStrNoResources = 61214,
};

class CProject {
 public:
  CProject();
  virtual ~CProject();

  CProject(const CProject&) = delete;
  CProject& operator=(const CProject&) = delete;

  // projectPath after its last backslash or slash (all of it without one).
  std::u16string FileTitle() const;
  // The file title with ".lxp" replaced by ".tra".
  void InitLanguageFileName();
  // Program name from the file title, version "1.0", language string 139.
  void InitLanguageHeader();
  // languageFileName without its last four characters, then "_test.tra".
  std::u16string TestLanguageFileName() const;

  // The script at index, or an empty string past the end.
  std::u16string ScriptAt(int32_t index) const;
  void AddScript(const std::u16string& path);
  // Removes the first entry equal to path; nothing when there is none.
  void RemoveScript(const std::u16string& path);
  int32_t scriptCount() const { return static_cast<int32_t>(scriptPaths.size()); }

  void SetFlagFromPixels(const uint32_t* image, int32_t imageWidth, int32_t imageHeight, int32_t x,
                         int32_t y);
#ifdef _WIN32
  void SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int32_t x, int32_t y);
#endif

  // Rebuilds the language data from the scripts, which are opened relative
  // to the current folder, keeping the flag. Moves progress (may be null)
  // through 0, 60, 90 and 100 and returns the scan's problem log; the
  // number of problems goes to problemCount when given.
  // With places, notes where each text stands in its script.
  // The scan's diagnostics go to diagnostics when given.
  std::u16string BuildLanguageData(IProgress* progress, int32_t* problemCount = nullptr,
                                   SourcePlaces* places = nullptr,
                                   std::vector<CRcDiagnostic>* diagnostics = nullptr);

  // Stores or loads the project file.
  void Serialize(CArchive& archive);

  // Writes the language file and, with testVersion on, the test language
  // file before it; relative names are resolved against folder. Without a
  // text tree shows string 61214, writes nothing and returns false.
  bool SaveLanguageFiles(const std::filesystem::path& folder);

  std::unique_ptr<CLanguageData> languageData;
  std::u16string projectPath;
  std::u16string languageFileName;
  // Paths relative to the project's folder where possible. The list grows:
  // no script the user adds is dropped.
  std::vector<std::u16string> scriptPaths;
  bool testVersion = false;
  bool autoInstall = false;
  bool replaceBegin = true;
  std::u16string beginText = u"X";
  bool replaceEnd = true;
  std::u16string endText = u"Y";
  // The code page of scripts without byte-order mark before any
  // `#pragma code_page`, as the resource compiler's /c option gives it;
  // 0 reads them one byte per character.
  int32_t defaultCodePage = 0;
  // The grammar the scripts are read in. A project file without it, as
  // every file made before it could be chosen, reads as classic; the tool's
  // new projects choose the compiler's grammar.
  RcGrammar grammar = RcGrammar::kClassic;
};

// A copy of data as a test language file holds it: the beginning and the
// end of every text overwritten with markers, " (test)" after the language
// name.
std::unique_ptr<CLanguageData> MakeTestLanguageData(const CLanguageData& data, bool replaceBegin,
                                                    const std::u16string& beginText,
                                                    bool replaceEnd, const std::u16string& endText);

// A copy of data with pseudo texts (PseudoLocalizer.h) and " (test)" after
// the language name.
std::unique_ptr<CLanguageData> MakePseudoLanguageData(const CLanguageData& data,
                                                      const CPseudoSettings& settings);

// Writes a project file, replacing path only once it is complete.
void SaveProjectFile(CProject& project, const std::filesystem::path& path);
// Reads a project file; messages (a wrong magic) go to sink, which may be
// null. CFileError kCannotOpen, kEndOfFile or kBadData.
std::unique_ptr<CProject> LoadProjectFile(const std::filesystem::path& path, IMessageSink* sink);

}  // namespace tolmeric
