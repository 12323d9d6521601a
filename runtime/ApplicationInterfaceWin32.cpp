#include "runtime/ApplicationInterfaceWin32.h"

#include "runtime/RuntimeModule.h"

namespace tolmeric {

BOOL LoadTranslationFile(LPCTSTR path) { return LoadTranslationFile(FromWide(path)); }

BOOL StartAutomaticTranslation(LPCTSTR defaultFile, LPCTSTR name, BOOL useProfile,
                               BOOL showOlderVersions, BOOL showHelpButton, UINT helpCommandId,
                               UINT languageCommandId) {
  return StartAutomaticTranslation(FromWide(defaultFile), FromWide(name), useProfile != FALSE,
                                   showOlderVersions != FALSE, showHelpButton != FALSE,
                                   helpCommandId, languageCommandId);
}

BOOL SwitchTranslationFile(LPCTSTR path) { return SwitchTranslationFile(FromWide(path)); }

BOOL TranslateString(CString& text) {
  std::u16string value = FromWide(text);
  if (!TranslateString(value)) return FALSE;
  text = ToCString(value);
  return TRUE;
}

BOOL LoadTranslatedString(CString& text, UINT id) {
  std::u16string value = FromWide(text);
  const bool found = LoadTranslatedString(value, id);
  text = ToCString(value);
  return found;
}

int TextMessageBox(LPCTSTR text, UINT style, UINT helpContext) {
  return TextMessageBox(FromWide(text), style, helpContext);
}

void DoSwitchDialog(LPCTSTR folder, BOOL showOlderVersions, BOOL showHelpButton,
                    UINT helpCommandId, UINT titleId, UINT thisVersionLabelId,
                    UINT olderVersionsLabelId, UINT okId, UINT cancelId, UINT helpId,
                    UINT versionPrefixId, UINT warningId, UINT errorId, BOOL automatic) {
  DoSwitchDialog(FromWide(folder), showOlderVersions != FALSE, showHelpButton != FALSE,
                 helpCommandId,
                 {titleId, thisVersionLabelId, olderVersionsLabelId, okId, cancelId, helpId,
                  versionPrefixId, warningId, errorId},
                 automatic != FALSE);
}

void TranslatePopupMenu(HMENU menu) {
  CRuntimeModule::Active().TranslatePopupMenu(reinterpret_cast<MenuId>(menu));
}

void TranslatePopupMenu(CMenu* menu) {
  if (menu) TranslatePopupMenu(menu->m_hMenu);
}

void TranslateWindowMenus(CWnd* window) {
  if (window) CRuntimeModule::Active().TranslateWindowMenus(reinterpret_cast<WindowId>(window->m_hWnd));
}

UINT LanguageChangedMessage() {
  static const UINT message =
      ::RegisterWindowMessageW(reinterpret_cast<LPCWSTR>(kLanguageChangedMessageName));
  return message;
}

}  // namespace tolmeric
