#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "translation/Archive.h"
#include "translation/LanguageData.h"

namespace tolmeric {
namespace {

constexpr int kStripFlags = 160;
constexpr int kStripWidth = kFlagSize * kStripFlags;

// A distinct colour for every pixel of the strip.
uint8_t Red(int x, int y) { return static_cast<uint8_t>(x); }
uint8_t Green(int x, int y) { return static_cast<uint8_t>(x >> 8 | y << 5); }
uint8_t Blue(int x, int y) { return static_cast<uint8_t>(y * 7 + 1); }

// A strip of 160 flags side by side, as the flag chooser holds it, drawn
// into a 32-bit top-down DIB section selected into a memory DC.
class FlagStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    screen_ = GetDC(nullptr);
    ASSERT_NE(screen_, nullptr);
    memory_ = CreateCompatibleDC(screen_);
    ASSERT_NE(memory_, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kStripWidth;
    info.bmiHeader.biHeight = -kFlagSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    strip_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(strip_, nullptr);
    auto* pixels = static_cast<uint32_t*>(bits);
    // DIB pixels are blue in the lowest byte, the opposite of COLORREF.
    for (int y = 0; y < kFlagSize; ++y) {
      for (int x = 0; x < kStripWidth; ++x) {
        pixels[y * kStripWidth + x] = Blue(x, y) | Green(x, y) << 8 | static_cast<uint32_t>(Red(x, y)) << 16;
      }
    }
    GdiFlush();
  }
  void TearDown() override {
    if (strip_ != nullptr) DeleteObject(strip_);
    if (memory_ != nullptr) DeleteDC(memory_);
    if (screen_ != nullptr) ReleaseDC(nullptr, screen_);
  }

  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP strip_ = nullptr;
};

TEST_F(FlagStripTest, ReadsTheChosenFlagPixelForPixel) {
  CLanguageData data;
  const int x = 32 * 151;
  ASSERT_EQ(x, 4832);
  data.SetFlagFromBitmap(memory_, strip_, x, 0);
  for (int row = 0; row < kFlagSize; ++row) {
    for (int column = 0; column < kFlagSize; ++column) {
      const int px = x + column;
      ASSERT_EQ(data.flagImage[row * kFlagSize + column],
                RGB(Red(px, row), Green(px, row), Blue(px, row)))
          << "row " << row << " column " << column;
    }
  }
  // The last flag reaches the strip's right edge; beyond it pixels read as 0.
  data.SetFlagFromBitmap(memory_, strip_, kStripWidth - 16, 0);
  EXPECT_EQ(data.flagImage[15], RGB(Red(kStripWidth - 1, 0), Green(kStripWidth - 1, 0), Blue(kStripWidth - 1, 0)));
  EXPECT_EQ(data.flagImage[16], 0u);
}

TEST_F(FlagStripTest, CreatedBitmapShowsTheFlag) {
  CLanguageData data;
  data.SetFlagFromBitmap(memory_, strip_, 32 * 42, 0);
  // Compatible with the screen, as the tool's windows draw it (a bare memory
  // DC would give a monochrome bitmap).
  HBITMAP flag = data.CreateFlagBitmap(screen_);
  ASSERT_NE(flag, nullptr);
  BITMAP shape{};
  ASSERT_NE(GetObject(flag, sizeof shape, &shape), 0);
  EXPECT_EQ(shape.bmWidth, 32);
  EXPECT_EQ(shape.bmHeight, 32);
  CLanguageData readBack;
  readBack.SetFlagFromBitmap(screen_, flag, 0, 0);
  EXPECT_EQ(readBack.flagImage, data.flagImage);
  DeleteObject(flag);

  // A flag loaded from a file shows the same way.
  CArchive out = CArchive::ForStoring("flag.tra");
  data.Serialize(out);
  CArchive in = CArchive::ForLoading(out.Bytes(), "flag.tra");
  CLanguageData loaded;
  loaded.SerializeHeaderAndFlag(in);
  HBITMAP shown = loaded.CreateFlagBitmap(screen_);
  ASSERT_NE(shown, nullptr);
  CLanguageData shownBack;
  shownBack.SetFlagFromBitmap(screen_, shown, 0, 0);
  EXPECT_EQ(shownBack.flagImage, data.flagImage);
  DeleteObject(shown);
}

// Strings without the Unicode marker are in the system's ANSI code page.
TEST(ArchiveWin32, EightBitStringsUseTheAnsiCodePage) {
  CArchive ascii = CArchive::ForLoading({0x03, 'a', 'b', 'c'}, "x.tra");
  EXPECT_EQ(ascii.ReadString(), u"abc");
  if (GetACP() == 1252) {
    CArchive euro = CArchive::ForLoading({0x02, 0x80, 0xE4}, "x.tra");
    EXPECT_EQ(euro.ReadString(), u"\u20AC\u00E4");
  }
}

}  // namespace
}  // namespace tolmeric
