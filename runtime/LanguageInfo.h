// The header summary of one language file: enough to list language files and
// to tell whether one belongs to the same program.
#pragma once

#include <cstdint>
#include <string>

namespace tolmeric {

struct CLanguageInfo {
  std::u16string programName;
  std::u16string programVersion;
  std::u16string languageName;
  std::u16string headerText4;
  std::u16string filePath;
  uint32_t fileFlags = 0;
  int32_t fileValue = 0;
};

}  // namespace tolmeric
