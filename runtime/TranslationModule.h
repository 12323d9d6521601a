// Start, language switch and shut-down of the run-time module, and the
// information about language files that the switch dialog lists. Each acts
// on the active module (RuntimeModule.h).
#pragma once

#include <cstdint>
#include <string>

#include "runtime/LanguageInfo.h"
#include "runtime/RuntimeModule.h"

namespace tolmeric {

// Loads a language file, showing a message when it cannot be read.
bool LoadTranslationFile(const std::u16string& path);

// Start-up of an application built with automatic language switching: loads
// the file remembered in the profile (when useProfile is set) or defaultFile.
// name is not used.
bool StartAutomaticTranslation(const std::u16string& defaultFile, const std::u16string& name,
                               bool useProfile, bool showOlderVersions, bool showHelpButton,
                               uint32_t helpCommandId = kDefaultHelpCommandId,
                               uint32_t languageCommandId = kDefaultLanguageCommandId);

// Loads the language file at path as the held data and installs the hooks.
// A file that cannot be opened, ends early or is damaged leaves the held data
// as it was and gives false (with the missing-file message when
// showMessages is set).
bool LoadLanguage(const std::u16string& path, bool showMessages);

// Replaces the held language by the language file at path (same program
// only), merged onto the held structure, and translates every registered
// window and menu again.
bool SwitchTranslationFile(const std::u16string& path);

// Shut-down: remembers the held file in the profile (when so configured),
// destroys all data and registries and removes the hooks.
void ExitTranslation();

bool GetCurrentLanguageInfo(CLanguageInfo& info);
// Reads only the header of the language file at path.
bool ReadLanguageInfo(const std::u16string& path, CLanguageInfo& info);

// The standard switch dialog (kind 30) under "Dialoge" of the held data.
CTextNode* FindStandardSwitchDialog();

}  // namespace tolmeric
