// The tool's own strings, German, by string-table number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "translation/StringSource.h"

namespace tolmeric {

// The string table of the tool's resource script, built into the program on
// every platform. The command line and the tests take the tool's strings
// from here.
class CToolStringTable : public IStringSource {
 public:
  struct Entry {
    uint32_t id;
    const char16_t* text;
  };

  // The string with that number, or an empty string when there is none.
  std::u16string LoadString(uint32_t id) const override;
  // Whether the table holds that number (a string may be empty).
  bool Contains(uint32_t id) const;
  // All numbers of the table, ascending.
  std::vector<uint32_t> Ids() const;

 private:
  const Entry* Find(uint32_t id) const;

  // Generated from the resource script, sorted by number.
  static const Entry kEntries[];
  static const size_t kEntryCount;
};

}  // namespace tolmeric
