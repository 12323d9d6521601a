// The flags of the languages a language file can carry: one entry per
// language with its code, its name and a compact description from which the
// 32 by 32 image is drawn. The table's order is the order of the tool's flag
// strip.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "BitmapFile.h"
#include "LanguageData.h"

namespace tolmeric {

// One language's flag. The description is a sequence of drawing steps in the
// flag's own coordinates (30 wide, 20 high); see FlagPainter.h for its words.
struct CFlagEntry {
  std::string_view code;         // "de", "en-US", "pt-BR", ...
  std::string_view name;         // English name of the language, UTF-8
  std::string_view description;  // drawing steps
};

// Every flag, in the order of the flag strip.
const std::vector<CFlagEntry>& FlagTable();

// The entry with exactly this code (case-sensitive), or null when unknown.
const CFlagEntry* FindFlag(std::string_view code);

// The entry's flag drawn as a language file's 32 by 32 image.
FlagImage DrawFlag(const CFlagEntry& entry);

// Every flag side by side in the table's order, as the tool's flag strip:
// 32 pixels high, 32 times the table's size wide.
CRgbImage DrawFlagStrip();

}  // namespace tolmeric
