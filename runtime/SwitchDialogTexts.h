// The nine texts of the switch dialog: from the standard switch dialog of
// the held language file, or from the application's string resources.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/LanguageInfo.h"

namespace tolmeric {

class CTextNode;

struct CSwitchDialogTexts {
  std::u16string titleText;
  std::u16string thisVersionLabel;
  std::u16string olderVersionsLabel;
  std::u16string okText;
  std::u16string cancelText;
  std::u16string helpText;
  std::u16string versionPrefix;
  std::u16string warningText;
  std::u16string errorText;

  friend bool operator==(const CSwitchDialogTexts&, const CSwitchDialogTexts&) = default;
};

// The string identifiers of the nine texts, in the order of the fields.
using SwitchDialogTextIds = std::array<uint32_t, 9>;

// The texts of a standard switch dialog node: its own text as the title,
// children 1 to 8 for the rest (child 0, the group box, is not shown).
// Nothing for a missing node or one with fewer than nine children.
std::optional<CSwitchDialogTexts> TextsOfStandardSwitchDialog(const CTextNode* node);

// The texts of the active module's standard switch dialog. Without one (or
// with an incomplete one) shows the English message that the held file does
// not support automatic switching and gives nothing: no dialog opens.
std::optional<CSwitchDialogTexts> AutomaticSwitchDialogTexts();

// The nine texts as string resources through the translated string lookup.
CSwitchDialogTexts LoadSwitchDialogTexts(const SwitchDialogTextIds& ids);

// An entry of the older versions' list: "Deutsch (Ver.1.0)".
std::u16string OlderVersionEntryText(const CLanguageInfo& info, const std::u16string& versionPrefix);

}  // namespace tolmeric
