#include "runtime/StringFunctions.h"

#include "runtime/RuntimeModule.h"
#include "runtime/TranslationModule.h"

namespace tolmeric {

namespace {

// The child of the standard switch dialog that holds the language command's
// prompt (status-bar text, line feed, tool-tip text).
constexpr int32_t kLanguagePromptChild = 10;

}  // namespace

bool TranslateString(std::u16string& text) {
  return CRuntimeModule::Active().TranslateString(text);
}

bool LoadTranslatedString(std::u16string& text, uint32_t id) {
  if (id == RuntimeState().languageCommandId) {
    const CTextNode* dialog = FindStandardSwitchDialog();
    const CTextNode* prompt = dialog ? dialog->ChildAt(kLanguagePromptChild) : nullptr;
    if (!prompt) return false;
    text = prompt->text;
    return true;
  }
  text = RuntimePlatform().LoadResourceString(id);
  return TranslateString(text);
}

int TranslatedMessageBox(uint32_t promptId, uint32_t style, uint32_t helpContext) {
  std::u16string text;
  LoadTranslatedString(text, promptId);
  return RuntimePlatform().ShowMessageBox(text, style, helpContext);
}

int TextMessageBox(const std::u16string& text, uint32_t style, uint32_t helpContext) {
  return RuntimePlatform().ShowMessageBox(text, style, helpContext);
}

}  // namespace tolmeric
