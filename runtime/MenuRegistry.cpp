#include "runtime/MenuRegistry.h"

#include <utility>

namespace tolmeric {

namespace {

CWindowRegistry::Translator& MenuTranslator() {
  static CWindowRegistry::Translator translator;
  return translator;
}

}  // namespace

void CMenuRegistry::SetTranslator(Translator translator) {
  MenuTranslator() = std::move(translator);
}

void CMenuRegistry::Translate(const Entry& entry) {
  if (MenuTranslator()) MenuTranslator()(entry);
}

}  // namespace tolmeric
