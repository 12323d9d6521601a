#include "framework/MenuWrapper.h"

namespace tolmeric {

CMenuWrapper::~CMenuWrapper() {
  if (m_hMenu != nullptr) DestroyMenu();
}

}  // namespace tolmeric
