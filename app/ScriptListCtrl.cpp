#include "app/ScriptListCtrl.h"

#include "runtime/WideTextWin32.h"
#include "translation/Project.h"

namespace tolmeric {

void CScriptListCtrl::Refill(const CProject& project) {
  DeleteAllItems();
  for (int32_t i = 0; i < project.scriptCount(); ++i) {
    InsertItem(i, Wide(project.ScriptAt(i)), kScriptImage);
  }
}

void CScriptListCtrl::RemoveSelected(CProject& project) const {
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row) {
    if (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) {
      project.RemoveScript(FromWide(GetItemText(row, 0)));
    }
  }
}

}  // namespace tolmeric
