#include "runtime/TranslatedStringSource.h"

#include "runtime/StringFunctions.h"

namespace tolmeric {

std::u16string CTranslatedStringSource::LoadString(uint32_t id) const {
  std::u16string text;
  LoadTranslatedString(text, id);
  return text;
}

}  // namespace tolmeric
