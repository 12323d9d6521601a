#include "runtime/DialogRegistry.h"

#include <utility>

namespace tolmeric {

namespace {

CWindowRegistry::Translator& DialogTranslator() {
  static CWindowRegistry::Translator translator;
  return translator;
}

}  // namespace

void CDialogRegistry::SetTranslator(Translator translator) {
  DialogTranslator() = std::move(translator);
}

void CDialogRegistry::Translate(const Entry& entry) {
  if (DialogTranslator()) DialogTranslator()(entry);
}

}  // namespace tolmeric
