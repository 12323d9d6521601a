// A fast search for one UTF-16 code unit in a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tolmeric {

// The first offset from `from` on where text holds unit, or size when none
// does. Four units are tested at a time.
inline size_t FindUnit(const char16_t* text, size_t from, size_t size, char16_t unit) {
  constexpr uint64_t kOnes = 0x0001000100010001u;
  constexpr uint64_t kHighBits = 0x8000800080008000u;
  const uint64_t pattern = kOnes * unit;
  size_t i = from;
  for (; i + 4 <= size; i += 4) {
    uint64_t units;
    std::memcpy(&units, text + i, sizeof units);
    units ^= pattern;
    // Some unit of the four is zero, which is unit in the text.
    if (((units - kOnes) & ~units & kHighBits) != 0) break;
  }
  while (i < size && text[i] != unit) ++i;
  return i;
}

}  // namespace tolmeric
