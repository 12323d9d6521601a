// The run-time module's state: the held language data, the data of the
// language before the last switch, the temporary data of a switch in
// progress, the settings of the start call, the hooks and the registries.
// One CRuntimeModule holds it; everything runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/DialogMatcher.h"
#include "runtime/HookRouter.h"
#include "runtime/RuntimePlatform.h"
#include "runtime/StringIndex.h"
#include "runtime/WindowRegistry.h"
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
  HookHandle callWndProcHook = nullptr;
  HookHandle callWndProcRetHook = nullptr;
  std::unique_ptr<CDialogRegistry> dialogRegistry;
  std::unique_ptr<CMenuRegistry> menuRegistry;
  // The message rules of the hooks, with the language item's highlight.
  CHookRouter router;

  // Lookup indexes of currentData and switchData (strings, and dialogs by
  // their texts). They point into the trees: rebuilt by every operation that
  // replaces the data or its tree.
  CStringIndex currentIndex;
  CStringIndex switchIndex;
  CDialogIndex currentDialogs;
  CDialogIndex switchDialogs;
};

// The "Stringtables", "Dialoge" and "Menus" categories of data's tree, or
// null.
const CTextNode* FindStringTables(const CLanguageData* data);
const CTextNode* FindDialogCategory(const CLanguageData* data);
const CTextNode* FindMenuCategory(const CLanguageData* data);

}  // namespace tolmeric
