// Strings by string-table number. The tool's string table, the run-time
// module's translated strings and test tables all answer through this.
#pragma once

#include <cstdint>
#include <string>

#ifdef _WIN32
// windows.h renames LoadString to LoadStringW. Seen first everywhere, it
// renames this interface's member the same way in every file.
#include <windows.h>
#endif

namespace tolmeric {

class IStringSource {
 public:
  virtual ~IStringSource() = default;
  // The string with that number, or an empty string when there is none.
  virtual std::u16string LoadString(uint32_t id) const = 0;
};

}  // namespace tolmeric
