// Strings by number in the held language: what the script reader and the
// scan receive as their message strings.
#pragma once

#include "translation/StringSource.h"

namespace tolmeric {

class CTranslatedStringSource : public IStringSource {
 public:
  // The string resource id, translated (see LoadTranslatedString).
  std::u16string LoadString(uint32_t id) const override;
};

}  // namespace tolmeric
