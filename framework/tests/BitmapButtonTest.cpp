// An owner-drawn bitmap button: which bitmap each state shows, and that its
// parent passes the drawing on to it.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/BitmapButton.h"
#include "framework/Wnd.h"

namespace tolmeric {
namespace {

// The test's bitmaps (FrameworkTest.rc), 30 by 30, one colour each.
constexpr UINT kNormal = 340;
constexpr UINT kSelected = 341;
constexpr UINT kFocus = 342;
constexpr UINT kDisabled = 343;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kDark = RGB(96, 96, 96);

// The colour a drawing leaves in the middle of a 30 by 30 surface; draw
// gets the device context.
template <typename Draw>
COLORREF DrawnColour(Draw draw) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP surface = ::CreateCompatibleBitmap(screen, 30, 30);
  HGDIOBJ old = ::SelectObject(memory, surface);
  RECT all{0, 0, 30, 30};
  ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  draw(memory);
  const COLORREF colour = ::GetPixel(memory, 15, 15);
  ::SelectObject(memory, old);
  ::DeleteObject(surface);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

class BitmapButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent_.CreateEx(0, AfxFrameWindowClass(), L"parent", WS_OVERLAPPEDWINDOW, 0, 0,
                                 200, 200, nullptr, nullptr));
    const RECT rect{10, 10, 50, 50};
    ASSERT_TRUE(button_.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, &parent_, 7));
  }

  COLORREF Draw(UINT state) {
    return DrawnColour([&](HDC dc) {
      DRAWITEMSTRUCT item{ODT_BUTTON, 7, 0, ODA_DRAWENTIRE, state, button_.m_hWnd, dc,
                          {0, 0, 30, 30}, 0};
      button_.DrawItem(&item);
    });
  }

  CWnd parent_;
  CBitmapButton button_;
};

TEST_F(BitmapButtonTest, EachStateShowsItsBitmapOrTheNormalOne) {
  const struct {
    bool allFour;
    UINT state;
    COLORREF expected;
  } cases[] = {
      {true, 0, kRed},
      {true, ODS_SELECTED, kGreen},
      {true, ODS_FOCUS, kYellow},
      {true, ODS_DISABLED, kDark},
      {true, ODS_SELECTED | ODS_FOCUS, kGreen},
      {true, ODS_FOCUS | ODS_DISABLED, kYellow},
      {false, ODS_SELECTED, kRed},
      {false, ODS_FOCUS, kRed},
      {false, ODS_DISABLED, kRed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(button_.LoadBitmaps(kNormal, c.allFour ? kSelected : 0, c.allFour ? kFocus : 0,
                                  c.allFour ? kDisabled : 0),
              TRUE);
    EXPECT_EQ(Draw(c.state), c.expected) << "state " << c.state << (c.allFour ? "" : ", normal only");
  }
  // A bitmap that is missing leaves only that state without its own.
  EXPECT_FALSE(button_.LoadBitmaps(kNormal, 9999, kFocus));
  EXPECT_EQ(Draw(ODS_SELECTED), kRed);
  EXPECT_EQ(Draw(ODS_FOCUS), kYellow);
}

TEST_F(BitmapButtonTest, ParentPassesTheDrawingOnAndTheButtonTakesTheBitmapsSize) {
  button_.LoadBitmaps(kNormal, kSelected);
  // The button paints into a given context by asking its parent to draw it.
  EXPECT_EQ(DrawnColour([&](HDC dc) {
              button_.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            }),
            kRed);
  button_.SizeToContent();
  RECT rect{};
  ::GetWindowRect(button_.m_hWnd, &rect);
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 30);
}

}  // namespace
}  // namespace tolmeric
