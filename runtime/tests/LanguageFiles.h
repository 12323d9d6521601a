// Small language files for the run-time module's tests, written into a
// temporary folder of their own.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "translation/LanguageData.h"

namespace tolmeric::testing {

// A folder under the system's temporary folder, removed with the object.
class CTempFolder {
 public:
  CTempFolder();
  ~CTempFolder();
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The full path of a file in the folder, as the module's text.
  std::u16string File(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// One string-table entry: the application's own text and its translation.
using StringPair = std::pair<std::u16string, std::u16string>;

struct LanguageRecipe {
  std::u16string programName = u"Demo";
  std::u16string programVersion = u"1.0";
  std::u16string languageName = u"Deutsch";
  bool autoSwitch = true;
  // Each inner list becomes one string table.
  std::vector<std::vector<StringPair>> stringTables;
  // The language command's prompt in the standard switch dialog; no switch
  // dialog when empty.
  std::u16string languagePrompt;
  // Controls of the switch dialog; the prompt is the eleventh.
  int32_t switchDialogControls = 11;
};

// The tree the scan would build: "RCFile" with "Menus", "Dialoge" and
// "Stringtables" below it.
std::unique_ptr<CLanguageData> MakeLanguage(const LanguageRecipe& recipe);

// Writes data as a language file.
void WriteLanguageFile(const std::u16string& path, CLanguageData& data);
void WriteBytes(const std::u16string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> LanguageFileBytes(CLanguageData& data);

}  // namespace tolmeric::testing
