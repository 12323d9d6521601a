#include <gtest/gtest.h>

#include "app/FlagChoice.h"

namespace tolmeric {
namespace {

TEST(FlagChoiceTest, ClicksSetOkAndDoubleClicksOnOneFlagAccept) {
  const struct {
    FlagListEvent event;
    int32_t selected;
    bool setsOk, okEnabled, accepts;
  } cases[] = {
      {FlagListEvent::kClick, 0, true, false, false},
      {FlagListEvent::kClick, 1, true, true, false},
      {FlagListEvent::kClick, 2, true, false, false},
      {FlagListEvent::kDoubleClick, 0, false, false, false},
      {FlagListEvent::kDoubleClick, 1, false, false, true},
      {FlagListEvent::kDoubleClick, 2, false, false, false},
  };
  for (const auto& c : cases) {
    const FlagListResponse response = RespondToFlagList(c.event, c.selected);
    const bool doubleClick = c.event == FlagListEvent::kDoubleClick;
    EXPECT_EQ(response.setsOk, c.setsOk) << doubleClick << " " << c.selected;
    EXPECT_EQ(response.okEnabled, c.okEnabled) << doubleClick << " " << c.selected;
    EXPECT_EQ(response.accepts, c.accepts) << doubleClick << " " << c.selected;
  }
}

TEST(FlagChoiceTest, FlagCellsLieSideBySide) {
  EXPECT_EQ(FlagCellLeft(0), 0);
  EXPECT_EQ(FlagCellLeft(1), 32);
  EXPECT_EQ(FlagCellLeft(kOfferedFlagCount - 1), 4832);
}

}  // namespace
}  // namespace tolmeric
