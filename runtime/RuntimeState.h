// The run-time module's process-wide state: the held language data, the data
// of the language before the last switch, the temporary data of a switch in
// progress, the settings of the start call, the hooks and the registries.
// Everything runs on the user-interface thread; there are no locks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/DialogRegistry.h"
#include "runtime/MenuRegistry.h"
#include "runtime/RuntimePlatform.h"
#include "runtime/StringIndex.h"
#include "translation/LanguageData.h"

namespace tolmeric {

inline constexpr uint32_t kDefaultLanguageCommandId = 19987;
inline constexpr uint32_t kDefaultHelpCommandId = 57670;

struct CRuntimeState {
  std::unique_ptr<CLanguageData> currentData;
  std::unique_ptr<CLanguageData> previousData;
  // Set only while a switch translates the open windows again.
  std::unique_ptr<CLanguageData> switchData;
  std::u16string currentFile;
  std::u16string profileSection = u"Language";
  std::u16string profileEntry = u"LastTraFile";
  bool writeProfileOnExit = true;
  bool automaticStart = false;
  uint32_t languageCommandId = kDefaultLanguageCommandId;
  bool showOlderVersions = true;
  bool showHelpButton = true;
  uint32_t helpCommandId = kDefaultHelpCommandId;
  std::u16string switchDialogFolder;
  bool languageItemHighlighted = false;
  HookHandle callWndProcHook = nullptr;
  HookHandle callWndProcRetHook = nullptr;
  std::unique_ptr<CDialogRegistry> dialogRegistry;
  std::unique_ptr<CMenuRegistry> menuRegistry;

  // String lookup indexes of currentData and switchData. Rebuilt by every
  // operation that replaces the data or its tree (see IndexCurrentData).
  CStringIndex currentIndex;
  CStringIndex switchIndex;
};

CRuntimeState& RuntimeState();

// The data lookups use: switchData during a switch, else currentData.
const CLanguageData* LookupData();

// The "Stringtables" category of data's tree, or null.
const CTextNode* FindStringTables(const CLanguageData* data);

// Rebuild the indexes after currentData or switchData (or their trees)
// changed.
void IndexCurrentData();
void IndexSwitchData();

// Removes both hooks, if installed.
void RemoveTranslationHooks();

// Returns the module to its initial state without writing the profile: hooks
// removed, all data and registries destroyed, every setting at its initial
// value. For tests, between cases.
void ResetTranslationState();

}  // namespace tolmeric
