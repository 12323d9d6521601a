#include "runtime/tests/LanguageFiles.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>

#include "runtime/LanguageFileReader.h"
#include "translation/Archive.h"
#include "translation/Utf.h"

namespace tolmeric::testing {

namespace {

CTextNode* AddNode(CTextNode& parent, std::u16string base, std::u16string text, int32_t kind,
                   int32_t number1 = -1, int32_t number2 = -1) {
  auto node = std::make_unique<CTextNode>(&parent, std::move(base), std::move(text), kind,
                                          number1, number2);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

void AddSwitchDialog(CTextNode& dialogs, const std::u16string& prompt, int32_t controls) {
  CTextNode* dialog = AddNode(dialogs, u"Sprache umschalten", u"Sprache umschalten",
                              kKindStandardSwitchDialog, 0, 0);
  for (int32_t i = 0; i < std::min(controls, 10); ++i) {
    const std::u16string text = u"Steuerelement " + FromAscii(std::to_string(i));
    AddNode(*dialog, text, text, kKindStaticText, 100, 10);
  }
  if (controls < 11) return;
  AddNode(*dialog, u"Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten", prompt,
          kKindStaticText, 300, 30);
}

}  // namespace

CTempFolder::CTempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("tolmeric-runtime-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

CTempFolder::~CTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::u16string CTempFolder::File(const std::string& name) const {
#ifdef _WIN32
  const std::wstring wide = (path_ / name).wstring();
  return std::u16string(wide.begin(), wide.end());
#else
  return FromUtf8((path_ / name).string());
#endif
}

std::unique_ptr<CLanguageData> MakeLanguage(const LanguageRecipe& recipe) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  AddNode(*root, u"Menus", u"Menus", kKindMenuCategory);
  CTextNode* dialogs = AddNode(*root, u"Dialoge", u"Dialoge", kKindDialogCategory);
  if (!recipe.languagePrompt.empty()) {
    AddSwitchDialog(*dialogs, recipe.languagePrompt, recipe.switchDialogControls);
  }
  CTextNode* tables = AddNode(*root, u"Stringtables", u"Stringtables", kKindStringTableCategory);
  for (size_t t = 0; t < recipe.stringTables.size(); ++t) {
    const std::u16string number = FromAscii(std::to_string(t + 1));
    CTextNode* table = AddNode(*tables, number, number, kKindStringTable);
    for (const StringPair& entry : recipe.stringTables[t]) {
      AddNode(*table, entry.first, entry.second, kKindStringEntry);
    }
  }
  root->ResetStates();
  auto data = std::make_unique<CLanguageData>(std::move(root));
  data->programName = recipe.programName;
  data->programVersion = recipe.programVersion;
  data->languageName = recipe.languageName;
  data->SetAutoSwitch(recipe.autoSwitch);
  return data;
}

std::vector<uint8_t> LanguageFileBytes(CLanguageData& data) {
  CArchive archive = CArchive::ForStoring("test.tra");
  data.Serialize(archive);
  return archive.Bytes();
}

void WriteBytes(const std::u16string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(PathFromText(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write a test language file");
}

void WriteLanguageFile(const std::u16string& path, CLanguageData& data) {
  WriteBytes(path, LanguageFileBytes(data));
}

}  // namespace tolmeric::testing
