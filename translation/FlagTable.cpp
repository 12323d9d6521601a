#include "FlagTable.h"

#include "FlagPainter.h"

namespace tolmeric {
namespace {

// code, name, drawing steps (FlagPainter.h). Order is the flag strip's.
const std::vector<CFlagEntry> kFlags = {
#include "FlagTableData.inc"
};

}  // namespace

const std::vector<CFlagEntry>& FlagTable() { return kFlags; }

const CFlagEntry* FindFlag(std::string_view code) {
  for (const CFlagEntry& entry : kFlags) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

FlagImage DrawFlag(const CFlagEntry& entry) { return PaintFlag(entry.description); }

CRgbImage DrawFlagStrip() {
  const size_t width = kFlags.size() * kFlagSize;
  CRgbImage strip{static_cast<int32_t>(width), kFlagSize, std::vector<uint32_t>(width * kFlagSize)};
  for (size_t cell = 0; cell < kFlags.size(); ++cell) {
    const FlagImage image = DrawFlag(kFlags[cell]);
    for (size_t row = 0; row < kFlagSize; ++row) {
      for (size_t column = 0; column < kFlagSize; ++column) {
        strip.pixels[row * width + cell * kFlagSize + column] = image[row * kFlagSize + column];
      }
    }
  }
  return strip;
}

}  // namespace tolmeric
