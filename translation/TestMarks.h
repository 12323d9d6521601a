// The markers of a test language file: characters written over the
// beginning and the end of a text, which keep the text's length and never
// touch what the application reads in it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolmeric {

// For each character of text, whether a marker must leave it alone: every
// character of a printf conversion (and of "%%"; a "%" that starts none
// keeps the character after it too), an "&" and the character after it
// (the hotkey, or the second "&" of a literal one), and a tab with the
// accelerator text after it.
std::vector<bool> ProtectedCharacters(std::u16string_view text);

// Writes the beginning marker over the first characters of text that are
// not protected, and then the end marker over the last ones, each in its
// order; a marker longer than the free characters loses its end (beginning
// marker) or its beginning (end marker).
void ApplyTestMarksToText(std::u16string& text, bool replaceBegin, std::u16string_view beginText,
                          bool replaceEnd, std::u16string_view endText);

}  // namespace tolmeric
