// Strings by string-table number. The tool's string table, the run-time
// module's translated strings and test tables all answer through this.
#pragma once

#include <cstdint>
#include <string>

namespace tolmeric {

class IStringSource {
 public:
  virtual ~IStringSource() = default;
  // The string with that number, or an empty string when there is none.
  virtual std::u16string LoadString(uint32_t id) const = 0;
};

}  // namespace tolmeric
