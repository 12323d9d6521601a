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

}  // namespace tolmeric
