#include "runtime/WindowRegistry.h"

namespace tolmeric {

void CWindowRegistry::Retranslate() {
  // By index: a translation may register further windows.
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry entry = entries_[i];
    Translate(entry);
  }
}

}  // namespace tolmeric
