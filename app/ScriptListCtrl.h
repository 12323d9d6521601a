// The list of the project's resource scripts.
#pragma once

#include <windows.h>

#include "app/FileListCtrl.h"

namespace tolmeric {

class CProject;

class CScriptListCtrl : public CFileListCtrl {
 public:
  // One row per script of the project, in its order.
  void Refill(const CProject& project);
  // Removes every selected script from the project; the rows stay until
  // the list is refilled.
  void RemoveSelected(CProject& project) const;
};

}  // namespace tolmeric
