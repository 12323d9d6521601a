// Flags of language files as bitmaps, for the language switch dialog.
#pragma once

#include <string>

#include <windows.h>

namespace tolmeric {

// The held language's flag as a new bitmap compatible with dc (the caller
// owns it), or null when no language is held.
HBITMAP GetCurrentFlagBitmap(HDC dc);
// The flag of the language file at path, or null when it cannot be read.
HBITMAP ReadFlagBitmap(const std::u16string& path, HDC dc);

}  // namespace tolmeric
