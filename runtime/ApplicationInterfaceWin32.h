// The run-time module's programming interface as a Windows application calls
// it: with the texts (LPCTSTR, CString), handles and framework objects it
// has at hand, and no conversion code of its own. Include this one header.
#pragma once

#include <windows.h>

#include "framework/Menu.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "runtime/LanguageSwitchDialog.h"
#include "runtime/StringFunctions.h"
#include "runtime/TranslationModule.h"
#include "runtime/WideTextWin32.h"

namespace tolmeric {

BOOL LoadTranslationFile(LPCTSTR path);
BOOL StartAutomaticTranslation(LPCTSTR defaultFile, LPCTSTR name, BOOL useProfile,
                               BOOL showOlderVersions, BOOL showHelpButton,
                               UINT helpCommandId = kDefaultHelpCommandId,
                               UINT languageCommandId = kDefaultLanguageCommandId);
BOOL SwitchTranslationFile(LPCTSTR path);

BOOL TranslateString(CString& text);
BOOL LoadTranslatedString(CString& text, UINT id);
int TextMessageBox(LPCTSTR text, UINT style = 0, UINT helpContext = 0);

template <typename... Args>
void FormatText(CString& out, LPCTSTR format, const Args&... args) {
  std::u16string text;
  FormatText(text, FromWide(format), args...);
  out = ToCString(text);
}

template <typename... Args>
void FormatTranslated(CString& out, UINT formatId, const Args&... args) {
  std::u16string text;
  FormatTranslated(text, static_cast<uint32_t>(formatId), args...);
  out = ToCString(text);
}

// The language switch dialog with its nine texts as string resources
// (DoAutomaticSwitchDialog takes them from the language file).
void DoSwitchDialog(LPCTSTR folder, BOOL showOlderVersions, BOOL showHelpButton,
                    UINT helpCommandId, UINT titleId, UINT thisVersionLabelId,
                    UINT olderVersionsLabelId, UINT okId, UINT cancelId, UINT helpId,
                    UINT versionPrefixId, UINT warningId, UINT errorId, BOOL automatic);

// Translates a context menu that the application shows itself, before it
// opens it; by handle or by its framework menu object.
void TranslatePopupMenu(HMENU menu);
void TranslatePopupMenu(CMenu* menu);
// Translates the window's menu bar (and a frame's default menu) and
// registers the window, so a language switch translates them again.
void TranslateWindowMenus(CWnd* window);

// The window message a language switch sends to each window whose menus were
// translated (the frames, and dialogs), after it has translated them again
// (wParam and lParam 0). The module's frames answer it by taking their title and idle prompt in the new
// language; an application's frame can answer it too, for texts it made
// itself (with ON_MESSAGE(LanguageChangedMessage(), handler)).
UINT LanguageChangedMessage();

}  // namespace tolmeric
