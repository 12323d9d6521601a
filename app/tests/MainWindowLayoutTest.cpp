#include <gtest/gtest.h>

#include <map>

#include "app/MainWindowLayout.h"

namespace tolmeric {
namespace {

// One rectangle per control of the window, each at a distinct place.
std::vector<CControlRect> AllControls() {
  const int32_t ids[] = {1000, 1015, 1009, 1012, 1021, 1004, 1022, 1023, 1072, 1016, 1011,
                         1006, 1008, 1007, 1017, 1025, 1013, 1030, 1029, 1014, 1065, 1067,
                         1066, 1068, 1069, 1070, 1071, 1056, 1,    1031, 57670, 123,  234};
  std::vector<CControlRect> rects;
  int32_t i = 0;
  for (int32_t id : ids) {
    rects.push_back({id, 10 + i, 20 + 2 * i, 60 + i, 40 + 2 * i});
    ++i;
  }
  return rects;
}

TEST(MainWindowLayoutTest, FortyPixelsWiderAndTenHigher) {
  // What changes by dx = 40, dy = 10, relative to the rectangle before.
  struct Expected {
    int32_t left, top, right, bottom;
  };
  const Expected stretch{0, 0, 40, 10}, right{40, 0, 40, 0}, down{0, 10, 0, 10},
      widen{0, 0, 40, 0};
  const std::map<int32_t, Expected> expected = {
      {1000, stretch}, {123, stretch},  {234, stretch},  {1021, right}, {1004, right},
      {1022, right},   {1023, right},   {1008, right},   {1007, right}, {1030, right},
      {1029, right},   {1014, right},   {1068, right},   {1066, right}, {1, down},
      {1031, down},    {57670, down},   {1012, widen},   {1006, widen}, {1013, widen},
      {1015, widen},   {1016, widen},   {1017, widen},   {1067, widen}, {1070, widen},
  };
  const std::vector<CControlRect> before = AllControls();
  std::map<int32_t, CControlRect> original;
  for (const CControlRect& rect : before) original[rect.id] = rect;

  const std::vector<CControlRect> after = LayOutControls(before, 40, 10);
  std::map<int32_t, CControlRect> moved;
  for (const CControlRect& rect : after) moved[rect.id] = rect;
  ASSERT_EQ(moved.size(), expected.size()) << "a control that keeps its place was moved";
  for (const auto& [id, change] : expected) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(moved.count(id));
    const CControlRect& o = original[id];
    EXPECT_EQ(moved[id], (CControlRect{id, o.left + change.left, o.top + change.top,
                                       o.right + change.right, o.bottom + change.bottom}));
  }
}

TEST(MainWindowLayoutTest, FirstSizeOnlyRecords) {
  CResizeTracker tracker;
  EXPECT_FALSE(tracker.Resized(400, 500).has_value());
  auto change = tracker.Resized(440, 490);
  ASSERT_TRUE(change.has_value());
  EXPECT_EQ(change->dx, 40);
  EXPECT_EQ(change->dy, -10);
  change = tracker.Resized(440, 490);
  ASSERT_TRUE(change.has_value());
  EXPECT_EQ(change->dx, 0);
  EXPECT_EQ(change->dy, 0);
}

TEST(MainWindowLayoutTest, PagesAndMinimum) {
  EXPECT_EQ(PageForTab(0), (CPageVisibility{true, false, false}));
  EXPECT_EQ(PageForTab(1), (CPageVisibility{false, true, false}));
  EXPECT_EQ(PageForTab(2), (CPageVisibility{false, false, true}));
  EXPECT_FALSE(PageForTab(-1).has_value());
  EXPECT_FALSE(PageForTab(3).has_value());

  CMinimumSize minimum;
  EXPECT_EQ(minimum.width(), -1);
  minimum.RecordIfUnknown(300, 400).RecordIfUnknown(100, 100);
  EXPECT_EQ(minimum.width(), 300);
  EXPECT_EQ(minimum.height(), 400);
  minimum.Record(320, 420);
  EXPECT_EQ(minimum.width(), 320);
}

}  // namespace
}  // namespace tolmeric
