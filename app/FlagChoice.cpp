#include "app/FlagChoice.h"

namespace tolmeric {

FlagListResponse RespondToFlagList(FlagListEvent event, int32_t selectedCount) {
  FlagListResponse response;
  const bool one = selectedCount == 1;
  if (event == FlagListEvent::kClick) {
    response.setsOk = true;
    response.okEnabled = one;
  } else {
    response.accepts = one;
  }
  return response;
}

}  // namespace tolmeric
