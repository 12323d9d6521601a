// The module's string functions: where an application would load a string
// resource or show a message, it calls these and gets the text in the held
// language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/Formatter.h"

namespace tolmeric {

// Replaces text by its translation: the text of the first string-table node,
// in tree order, whose base text equals it exactly. False (text unchanged)
// when there is none or no data is held.
bool TranslateString(std::u16string& text);

// Loads the application's string resource id and translates it. The language
// command's identifier yields the prompt of the language menu item from the
// standard switch dialog instead.
bool LoadTranslatedString(std::u16string& text, uint32_t id);

// printf-style formatting with a literal format text (see Formatter.h for
// what fits which conversion).
template <typename... Args>
void FormatText(std::u16string& out, std::u16string_view format, const Args&... args) {
  out = FormatValues(format, args...);
}

// The same with the translated string id as the format text (empty when
// there is none).
template <typename... Args>
void FormatTranslated(std::u16string& out, uint32_t formatId, const Args&... args) {
  std::u16string format;
  LoadTranslatedString(format, formatId);
  out = FormatValues(format, args...);
}

// A message box with the translated string promptId; returns the box's result.
int TranslatedMessageBox(uint32_t promptId, uint32_t style = 0, uint32_t helpContext = 0);
// A message box with a literal text.
int TextMessageBox(const std::u16string& text, uint32_t style = 0, uint32_t helpContext = 0);

}  // namespace tolmeric
