// The windows whose menus the module translated.
#pragma once

#include "runtime/WindowRegistry.h"

namespace tolmeric {

class CMenuRegistry : public CWindowRegistry {
 public:
  // How one registered entry is translated again from the switch data. The
  // window translation sets it; until then a switch has nothing to redo.
  static void SetTranslator(Translator translator);

 protected:
  void Translate(const Entry& entry) override;
};

}  // namespace tolmeric
