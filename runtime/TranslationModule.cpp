#include "runtime/TranslationModule.h"

#include <memory>
#include <utility>

#include "runtime/Formatter.h"
#include "runtime/LanguageFileReader.h"
#include "runtime/StringFunctions.h"
#include "translation/Archive.h"
#include "translation/FileError.h"

namespace tolmeric {

namespace {

constexpr char16_t kMissingFileMessage[] =
    u"The translation file %s doesn't exist.\nThe program will run in the original "
    u"language.\nPlease place the file %s in the proper location\nto enable the Lexivane "
    u"System.";
constexpr char16_t kNoAutomaticFeatureMessage[] =
    u"This application was build using the automatic feature\nof Lexivane, but the "
    u"translation file %s\ndoesn't support the automatic feature.\nThe language switch "
    u"dialog will not be shown.";
constexpr char16_t kProfileFileMissingMessage[] =
    u"Warning!\nThe translation file %s,\nspecified in the INI / Registry, doesn't "
    u"exist.\n\nThe Standard translation file %s is used instead.";

// Reads the whole language file at path. Throws CFileError when the file
// cannot be opened, ends early or is damaged.
std::unique_ptr<CLanguageData> ReadLanguageData(const std::u16string& path) {
  CArchive archive = OpenLanguageFile(path);
  auto data = std::make_unique<CLanguageData>();
  data->Serialize(archive);
  return data;
}

void ShowMissingFile(const std::u16string& path) {
  TextMessageBox(FormatValues(kMissingFileMessage, path, path), 0, 0);
}

void InstallTranslationHooks() {
  CRuntimeState& state = RuntimeState();
  // A second load keeps the hooks of the first: installing them again would
  // leave the first pair in the thread's chain with no handle to remove it,
  // and every message would be handled twice.
  if (!state.callWndProcHook) {
    state.callWndProcHook = RuntimePlatform().InstallCallWndProcHook();
  }
  if (!state.callWndProcRetHook) {
    state.callWndProcRetHook = RuntimePlatform().InstallCallWndProcRetHook();
  }
}

CLanguageInfo InfoFromData(const CLanguageData& data, const std::u16string& path) {
  CLanguageInfo info;
  info.programName = data.programName;
  info.programVersion = data.programVersion;
  info.languageName = data.languageName;
  info.headerText4 = data.headerText4;
  info.filePath = path;
  info.fileFlags = data.fileFlags;
  info.fileValue = data.fileValue;
  return info;
}

// Makes switchData: a copy of the new data whose base texts below the
// category level are the texts of the previous language, so that the texts
// now on screen find the new ones.
void MakeSwitchData(const CLanguageData& current, const CLanguageData& old) {
  CRuntimeState& state = RuntimeState();
  state.switchData = current.Copy();
  if (state.switchData->root && old.root) state.switchData->root->CopyTextsAsBase(*old.root, 0);
  IndexSwitchData();
}

void ClearSwitchData() {
  CRuntimeState& state = RuntimeState();
  state.switchIndex.Clear();
  state.switchData.reset();
}

// Clears switchData however the re-translation ends.
class CSwitchDataGuard {
 public:
  CSwitchDataGuard() = default;
  ~CSwitchDataGuard() { ClearSwitchData(); }
  CSwitchDataGuard(const CSwitchDataGuard&) = delete;
  CSwitchDataGuard& operator=(const CSwitchDataGuard&) = delete;
};

}  // namespace

bool LoadTranslationFile(const std::u16string& path) { return LoadLanguage(path, true); }

bool StartAutomaticTranslation(const std::u16string& defaultFile, const std::u16string& name,
                               bool useProfile, bool showOlderVersions, bool showHelpButton,
                               uint32_t helpCommandId, uint32_t languageCommandId) {
  (void)name;
  CRuntimeState& state = RuntimeState();
  state.showHelpButton = showHelpButton;
  state.showOlderVersions = showOlderVersions;
  state.helpCommandId = helpCommandId;
  state.languageCommandId = languageCommandId;
  state.automaticStart = true;
  state.writeProfileOnExit = useProfile;
  state.profileSection = u"Language";
  state.profileEntry = u"LastTraFile";

  const std::u16string file =
      useProfile ? RuntimePlatform().GetProfileText(state.profileSection, state.profileEntry,
                                                      defaultFile)
                 : defaultFile;
  if (LoadLanguage(file, false)) {
    if (!state.currentData->SupportsAutoSwitch()) {
      TextMessageBox(FormatValues(kNoAutomaticFeatureMessage, file), 0, 0);
    }
    return true;
  }
  if (useProfile && file != defaultFile && LoadLanguage(defaultFile, false)) {
    TextMessageBox(FormatValues(kProfileFileMissingMessage, file, defaultFile), 0, 0);
    return false;
  }
  ShowMissingFile(defaultFile);
  return false;
}

bool LoadLanguage(const std::u16string& path, bool showMessages) {
  std::unique_ptr<CLanguageData> data;
  try {
    data = ReadLanguageData(path);
  } catch (const CFileError&) {
    // The held data, its file name and the registries stay as they are: the
    // windows translated with it are still on screen.
    if (showMessages) ShowMissingFile(path);
    return false;
  }
  CRuntimeState& state = RuntimeState();
  state.currentFile = path;
  state.dialogRegistry = std::make_unique<CDialogRegistry>();
  state.menuRegistry = std::make_unique<CMenuRegistry>();
  state.currentIndex.Clear();
  state.currentData = std::move(data);
  IndexCurrentData();
  InstallTranslationHooks();
  return true;
}

bool SwitchTranslationFile(const std::u16string& path) {
  CLanguageInfo heldInfo;
  if (!GetCurrentLanguageInfo(heldInfo)) return false;
  CLanguageInfo newInfo;
  if (!ReadLanguageInfo(path, newInfo)) return false;
  if (newInfo.programName != heldInfo.programName) return false;

  std::unique_ptr<CLanguageData> loaded;
  try {
    loaded = ReadLanguageData(path);
  } catch (const CFileError&) {
    return false;
  }
  // A file without texts (a wrong magic) cannot take the held structure's
  // place: refuse it like an unreadable file.
  if (!loaded->root) return false;

  CRuntimeState& state = RuntimeState();
  std::unique_ptr<CLanguageData> old = std::move(state.currentData);
  state.currentIndex.Clear();
  state.currentData = std::move(loaded);
  state.currentFile = path;
  // Held data without a tree has no structure to keep: the new file is taken
  // as it is.
  if (old->root) state.currentData->AdoptReference(*old);
  IndexCurrentData();
  state.previousData = std::move(old);

  CSwitchDataGuard guard;
  MakeSwitchData(*state.currentData, *state.previousData);
  if (state.dialogRegistry) state.dialogRegistry->Retranslate();
  if (state.menuRegistry) state.menuRegistry->Retranslate();
  return true;
}

void ExitTranslation() {
  CRuntimeState& state = RuntimeState();
  if (state.writeProfileOnExit) {
    CLanguageInfo info;
    const std::u16string file = GetCurrentLanguageInfo(info) ? info.filePath : std::u16string();
    RuntimePlatform().WriteProfileText(state.profileSection, state.profileEntry, file);
  }
  state.currentIndex.Clear();
  ClearSwitchData();
  state.currentData.reset();
  state.previousData.reset();
  state.currentFile.clear();
  state.dialogRegistry.reset();
  state.menuRegistry.reset();
  RemoveTranslationHooks();
}

bool GetCurrentLanguageInfo(CLanguageInfo& info) {
  const CRuntimeState& state = RuntimeState();
  if (!state.currentData) return false;
  info = InfoFromData(*state.currentData, state.currentFile);
  return true;
}

bool ReadLanguageInfo(const std::u16string& path, CLanguageInfo& info) {
  try {
    CArchive archive = OpenLanguageFile(path);
    CLanguageData data;
    data.SerializeHeader(archive);
    info = InfoFromData(data, path);
    return true;
  } catch (const CFileError&) {
    return false;
  }
}

CTextNode* FindStandardSwitchDialog() {
  const CRuntimeState& state = RuntimeState();
  if (!state.currentData || !state.currentData->root) return nullptr;
  static const std::u16string kCategory = u"Dialoge";
  CTextNode* dialogs = state.currentData->root->FindPath(&kCategory, 1);
  if (!dialogs) return nullptr;
  for (int32_t i = 0; i < dialogs->childCount; ++i) {
    CTextNode* child = dialogs->ChildAt(i);
    if (child && child->kind == kKindStandardSwitchDialog) return child;
  }
  return nullptr;
}

}  // namespace tolmeric
