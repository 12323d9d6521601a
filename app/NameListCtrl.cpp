#include "app/NameListCtrl.h"

namespace tolmeric {

void CNameListCtrl::SetName(LPCTSTR text, bool isProject) {
  DeleteAllItems();
  InsertItem(0, text, isProject ? kProjectImage : kLanguageFileImage);
}

}  // namespace tolmeric
