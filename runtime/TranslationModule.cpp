#include "runtime/TranslationModule.h"

#include <memory>
#include <utility>

#include "runtime/Formatter.h"
#include "runtime/LanguageFileReader.h"
#include "runtime/RuntimeModule.h"
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
std::unique_ptr<CLanguageData> ReadLanguageData(IRuntimePlatform& platform,
                                                const std::u16string& path) {
  CArchive archive = OpenLanguageFile(platform, path);
  auto data = std::make_unique<CLanguageData>();
  data->Serialize(archive);
  return data;
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

// Runs a function when the scope ends, however it ends.
template <typename Function>
class CScopeExit {
 public:
  explicit CScopeExit(Function function) : function_(std::move(function)) {}
  ~CScopeExit() { function_(); }
  CScopeExit(const CScopeExit&) = delete;
  CScopeExit& operator=(const CScopeExit&) = delete;

 private:
  Function function_;
};

}  // namespace

bool LoadTranslationFile(const std::u16string& path) {
  return CRuntimeModule::Active().LoadLanguage(path, true);
}

bool StartAutomaticTranslation(const std::u16string& defaultFile, const std::u16string& name,
                               bool useProfile, bool showOlderVersions, bool showHelpButton,
                               uint32_t helpCommandId, uint32_t languageCommandId) {
  (void)name;
  return CRuntimeModule::Active().StartAutomaticTranslation(
      defaultFile, useProfile, showOlderVersions, showHelpButton, helpCommandId,
      languageCommandId);
}

bool LoadLanguage(const std::u16string& path, bool showMessages) {
  return CRuntimeModule::Active().LoadLanguage(path, showMessages);
}

bool SwitchTranslationFile(const std::u16string& path) {
  return CRuntimeModule::Active().SwitchTranslationFile(path);
}

void ExitTranslation() { CRuntimeModule::Active().ExitTranslation(); }

bool GetCurrentLanguageInfo(CLanguageInfo& info) {
  return CRuntimeModule::Active().GetCurrentLanguageInfo(info);
}

bool ReadLanguageInfo(const std::u16string& path, CLanguageInfo& info) {
  try {
    CLanguageData data;
    ReadLanguageFileStart(path, [&data](CArchive& archive) { data.SerializeHeader(archive); });
    info = InfoFromData(data, path);
    return true;
  } catch (const CFileError&) {
    return false;
  }
}

CTextNode* FindStandardSwitchDialog() { return CRuntimeModule::Active().FindStandardSwitchDialog(); }

bool CRuntimeModule::StartAutomaticTranslation(const std::u16string& defaultFile, bool useProfile,
                                               bool showOlderVersions, bool showHelpButton,
                                               uint32_t helpCommandId,
                                               uint32_t languageCommandId) {
  state_.showHelpButton = showHelpButton;
  state_.showOlderVersions = showOlderVersions;
  state_.helpCommandId = helpCommandId;
  state_.languageCommandId = languageCommandId;
  state_.automaticStart = true;
  state_.writeProfileOnExit = useProfile;
  state_.profileSection = u"Language";
  state_.profileEntry = u"LastTraFile";

  const std::u16string file =
      useProfile ? platform_.GetProfileText(state_.profileSection, state_.profileEntry, defaultFile)
                 : defaultFile;
  if (LoadLanguage(file, false)) {
    if (!state_.currentData->SupportsAutoSwitch()) {
      platform_.ShowMessageBox(FormatValues(kNoAutomaticFeatureMessage, file), 0, 0);
    }
    return true;
  }
  if (useProfile && file != defaultFile && LoadLanguage(defaultFile, false)) {
    platform_.ShowMessageBox(FormatValues(kProfileFileMissingMessage, file, defaultFile), 0, 0);
    return false;
  }
  platform_.ShowMessageBox(FormatValues(kMissingFileMessage, defaultFile, defaultFile), 0, 0);
  return false;
}

bool CRuntimeModule::LoadLanguage(const std::u16string& path, bool showMessages) {
  std::unique_ptr<CLanguageData> data;
  try {
    data = ReadLanguageData(platform_, path);
  } catch (const CFileError&) {
    // The held data, its file name and the registries stay as they are: the
    // windows translated with it are still on screen.
    if (showMessages) platform_.ShowMessageBox(FormatValues(kMissingFileMessage, path, path), 0, 0);
    return false;
  }
  HoldLanguage(path, std::move(data));
  return true;
}

void CRuntimeModule::HoldLanguage(const std::u16string& path,
                                  std::unique_ptr<CLanguageData> data) {
  state_.currentFile = path;
  state_.dialogRegistry = std::make_unique<CDialogRegistry>(*this);
  state_.menuRegistry = std::make_unique<CMenuRegistry>(*this);
  state_.currentIndex.Clear();
  state_.currentDialogs.Clear();
  state_.currentData = std::move(data);
  IndexCurrentData();
  InstallTranslationHooks();
}

bool CRuntimeModule::SwitchTranslationFile(const std::u16string& path) {
  CLanguageInfo heldInfo;
  if (!GetCurrentLanguageInfo(heldInfo)) return false;
  CLanguageInfo newInfo;
  if (!ReadLanguageInfo(path, newInfo)) return false;
  if (newInfo.programName != heldInfo.programName) return false;

  std::unique_ptr<CLanguageData> loaded;
  try {
    loaded = ReadLanguageData(platform_, path);
  } catch (const CFileError&) {
    return false;
  }
  // A file without texts (a wrong magic) cannot take the held structure's
  // place: refuse it like an unreadable file.
  if (!loaded->root) return false;

  std::unique_ptr<CLanguageData> old = std::move(state_.currentData);
  state_.currentIndex.Clear();
  state_.currentDialogs.Clear();
  state_.currentData = std::move(loaded);
  state_.currentFile = path;
  // Held data without a tree has no structure to keep: the new file is taken
  // as it is.
  if (old->root) state_.currentData->AdoptReference(*old);
  IndexCurrentData();
  state_.previousData = std::move(old);

  // The switch data: a copy of the new data whose base texts below the
  // category level are the texts of the previous language, so that the
  // texts now on screen find the new ones. Cleared however the
  // re-translation ends.
  CScopeExit clear([this] { ClearSwitchData(); });
  state_.switchData = state_.currentData->Copy();
  if (state_.switchData->root && state_.previousData->root) {
    state_.switchData->root->CopyTextsAsBase(*state_.previousData->root, 0);
  }
  IndexSwitchData();
  if (state_.dialogRegistry) state_.dialogRegistry->Retranslate();
  if (state_.menuRegistry) state_.menuRegistry->Retranslate();
  // Then every window registered for its menus (the frames, and dialogs)
  // may take what the registries do not hold, such as a frame's title and
  // idle prompt; a window that does not know the message ignores it.
  if (state_.menuRegistry) state_.menuRegistry->NotifyLanguageChanged();
  return true;
}

void CRuntimeModule::ExitTranslation() {
  if (state_.writeProfileOnExit) {
    CLanguageInfo info;
    const std::u16string file = GetCurrentLanguageInfo(info) ? info.filePath : std::u16string();
    platform_.WriteProfileText(state_.profileSection, state_.profileEntry, file);
  }
  state_.currentIndex.Clear();
  state_.currentDialogs.Clear();
  ClearSwitchData();
  state_.currentData.reset();
  state_.previousData.reset();
  state_.currentFile.clear();
  state_.dialogRegistry.reset();
  state_.menuRegistry.reset();
  RemoveTranslationHooks();
}

bool CRuntimeModule::GetCurrentLanguageInfo(CLanguageInfo& info) const {
  if (!state_.currentData) return false;
  info = InfoFromData(*state_.currentData, state_.currentFile);
  return true;
}

}  // namespace tolmeric
