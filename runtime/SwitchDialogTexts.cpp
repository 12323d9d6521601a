#include "runtime/SwitchDialogTexts.h"

#include "runtime/Formatter.h"
#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "runtime/TranslationModule.h"
#include "translation/TextNode.h"

namespace tolmeric {

namespace {

constexpr char16_t kNoAutomaticSwitchingMessage[] =
    u"The function DoAutomaticSwitchDialog has been called,\nbut the recent translation file %s "
    u"doesn't support automatic switching.\nUnable to show the language switch dialog.";

// Child 0 of the node is the group box; the dialog shows children 1 to 8.
constexpr int32_t kStandardSwitchChildrenUsed = 9;

// The nine fields in the order of the node's texts and of the identifiers.
constexpr std::array<std::u16string CSwitchDialogTexts::*, 9> kFields = {
    &CSwitchDialogTexts::titleText,     &CSwitchDialogTexts::thisVersionLabel,
    &CSwitchDialogTexts::olderVersionsLabel, &CSwitchDialogTexts::okText,
    &CSwitchDialogTexts::cancelText,    &CSwitchDialogTexts::helpText,
    &CSwitchDialogTexts::versionPrefix, &CSwitchDialogTexts::warningText,
    &CSwitchDialogTexts::errorText};

}  // namespace

std::optional<CSwitchDialogTexts> TextsOfStandardSwitchDialog(const CTextNode* node) {
  if (!node || node->childCount < kStandardSwitchChildrenUsed) return std::nullopt;
  CSwitchDialogTexts texts;
  texts.titleText = node->text;
  for (int32_t i = 1; i < kStandardSwitchChildrenUsed; ++i) {
    texts.*kFields[static_cast<size_t>(i)] = node->ChildAt(i)->text;
  }
  return texts;
}

std::optional<CSwitchDialogTexts> AutomaticSwitchDialogTexts() {
  CRuntimeModule& module = CRuntimeModule::Active();
  std::optional<CSwitchDialogTexts> texts =
      TextsOfStandardSwitchDialog(module.FindStandardSwitchDialog());
  if (!texts) {
    const std::u16string& heldFile = module.State().currentFile;
    module.Platform().ShowMessageBox(FormatValues(kNoAutomaticSwitchingMessage, heldFile), 0, 0);
  }
  return texts;
}

CSwitchDialogTexts LoadSwitchDialogTexts(const SwitchDialogTextIds& ids) {
  CSwitchDialogTexts texts;
  for (size_t i = 0; i < ids.size(); ++i) LoadTranslatedString(texts.*kFields[i], ids[i]);
  return texts;
}

std::u16string OlderVersionEntryText(const CLanguageInfo& info,
                                     const std::u16string& versionPrefix) {
  return FormatValues(u"%s (%s%s)", info.languageName, versionPrefix, info.programVersion);
}

}  // namespace tolmeric
