// A framework menu object that holds a menu handle only for the time of one
// translation (a frame's default menu, which has no object of its own). Like
// every CMenu it destroys a menu that is still attached when it goes, so the
// one who attached it always detaches it first.
#pragma once

#include "framework/Menu.h"

namespace tolmeric {

class CMenuWrapper : public CMenu {
 public:
  CMenuWrapper() = default;
  ~CMenuWrapper() override;
};

}  // namespace tolmeric
