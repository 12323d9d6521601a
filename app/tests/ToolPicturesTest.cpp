// The tool's pictures as the tool gets them: from its resources on Windows,
// from the files the build drew elsewhere (the same bytes after the file's
// 14-byte header).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "translation/FlagTable.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolmeric {
namespace {

struct CPictureCase {
  int id;
  const char* file;
  int32_t width;
  int32_t height;
  int32_t bitsPerPixel;
  int differsFrom;
};

// A packed bitmap: information header, palette, rows bottom-up.
struct CPackedBitmap {
  std::vector<uint8_t> bytes;

  int32_t Field32(size_t at) const {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
  }
  int32_t width() const { return Field32(4); }
  int32_t height() const { return Field32(8); }
  int32_t bitsPerPixel() const { return bytes[14] | bytes[15] << 8; }
  size_t PixelsAt() const {
    const int32_t colours = Field32(32) != 0 ? Field32(32) : bitsPerPixel() <= 8 ? 1 << bitsPerPixel() : 0;
    return 40 + 4 * static_cast<size_t>(colours);
  }
  std::vector<uint8_t> Pixels() const { return {bytes.begin() + PixelsAt(), bytes.end()}; }
  // A 24-bit picture's pixel as a colour value, (0, 0) the top-left.
  uint32_t At(int32_t x, int32_t y) const {
    const size_t row = (static_cast<size_t>(width()) * 3 + 3) / 4 * 4;
    const uint8_t* p = bytes.data() + PixelsAt() + row * (height() - 1 - y) + 3 * static_cast<size_t>(x);
    return p[2] | p[1] << 8 | p[0] << 16;
  }
};

CPackedBitmap Load(const CPictureCase& c) {
#ifdef _WIN32
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(c.id), MAKEINTRESOURCEW(2));  // RT_BITMAP
  if (found == nullptr) return {};
  const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  return {std::vector<uint8_t>(data, data + SizeofResource(nullptr, found))};
#else
  std::ifstream in(std::string(TOLMERIC_PICTURES_FOLDER) + "/" + c.file, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  if (bytes.size() < 14) return {};
  return {std::vector<uint8_t>(bytes.begin() + 14, bytes.end())};
#endif
}

// Bitmaps of the resource script; a button's image must differ from the
// image of the state named last.
const CPictureCase kPictures[] = {
    {132, "TreeImages.bmp", 9 * 16, 16, 24, 0},
    {133, "FileImages.bmp", 3 * 16, 16, 24, 0},
    {159, "Flags.bmp", 189 * 32, 32, 24, 0},
    {165, "About.bmp", 64, 64, 24, 0},
    {144, "NewProject.bmp", 30, 30, 4, 147},
    {147, "NewProjectHot.bmp", 30, 30, 4, 144},
    {148, "NewProjectPressed.bmp", 30, 30, 4, 144},
    {135, "OpenProject.bmp", 30, 30, 4, 137},
    {137, "OpenProjectHot.bmp", 30, 30, 4, 135},
    {136, "OpenProjectPressed.bmp", 30, 30, 4, 135},
    {149, "Save.bmp", 30, 30, 4, 150},
    {150, "SaveHot.bmp", 30, 30, 4, 149},
    {151, "SavePressed.bmp", 30, 30, 4, 149},
    {156, "SaveDisabled.bmp", 30, 30, 4, 149},
    {152, "SaveAs.bmp", 30, 30, 4, 153},
    {153, "SaveAsHot.bmp", 30, 30, 4, 152},
    {154, "SaveAsPressed.bmp", 30, 30, 4, 152},
    {164, "SaveAsDisabled.bmp", 30, 30, 4, 152},
    {138, "AddScript.bmp", 30, 30, 4, 140},
    {140, "AddScriptHot.bmp", 30, 30, 4, 138},
    {139, "AddScriptPressed.bmp", 30, 30, 4, 138},
    {157, "AddScriptDisabled.bmp", 30, 30, 4, 138},
    {141, "RemoveScript.bmp", 30, 30, 4, 143},
    {143, "RemoveScriptHot.bmp", 30, 30, 4, 141},
    {142, "RemoveScriptPressed.bmp", 30, 30, 4, 141},
    {155, "RemoveScriptDisabled.bmp", 30, 30, 4, 141},
    {160, "TestVersion.bmp", 30, 30, 4, 161},
    {161, "TestVersionHot.bmp", 30, 30, 4, 160},
    {162, "TestVersionPressed.bmp", 30, 30, 4, 160},
    {163, "TestVersionDisabled.bmp", 30, 30, 4, 160},
};

const CPictureCase& Find(int id) {
  for (const CPictureCase& c : kPictures) {
    if (c.id == id) return c;
  }
  throw std::out_of_range("no picture " + std::to_string(id));
}

TEST(ToolPictures, SizesDepthsAndDistinctStates) {
  for (const CPictureCase& c : kPictures) {
    SCOPED_TRACE(c.file);
    const CPackedBitmap bitmap = Load(c);
    ASSERT_GE(bitmap.bytes.size(), 40u);
    EXPECT_EQ(bitmap.width(), c.width);
    EXPECT_EQ(bitmap.height(), c.height);
    EXPECT_EQ(bitmap.bitsPerPixel(), c.bitsPerPixel);
    if (c.differsFrom != 0) {
      EXPECT_NE(Load(Find(c.differsFrom)).Pixels(), bitmap.Pixels());
    }
  }
}

// Cell i of the flag strip is flag i of the table, so the flag dialog's
// index is the flag's; every small image has transparent white around a
// picture.
TEST(ToolPictures, FlagCellsAndSmallImages) {
  const CPackedBitmap strip = Load(Find(159));
  ASSERT_EQ(strip.width(), kFlagSize * static_cast<int32_t>(FlagTable().size()));
  for (size_t cell : {size_t{0}, size_t{151}, FlagTable().size() - 1}) {
    const FlagImage flag = DrawFlag(FlagTable()[cell]);
    for (int32_t y = 0; y < kFlagSize; ++y) {
      for (int32_t x = 0; x < kFlagSize; ++x) {
        ASSERT_EQ(strip.At(static_cast<int32_t>(cell) * kFlagSize + x, y), flag[y * kFlagSize + x] & 0xFFFFFF)
            << "cell " << cell << " at " << x << "," << y;
      }
    }
  }
  for (int id : {132, 133}) {
    const CPackedBitmap images = Load(Find(id));
    ASSERT_EQ(images.height(), 16);
    for (int32_t cell = 0; cell < images.width() / 16; ++cell) {
      int32_t white = 0;
      for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 16; ++x) white += images.At(cell * 16 + x, y) == 0xFFFFFF;
      }
      EXPECT_GT(white, 0) << "image " << cell << " of " << id << " has no transparent pixel";
      EXPECT_LT(white, 16 * 16 - 16) << "image " << cell << " of " << id << " is almost empty";
    }
  }
}

// The icon's directory lists both sizes the window asks for. On Windows it
// is the icon group resource, whose entries are 14 bytes instead of 16.
TEST(ToolPictures, IconHoldsBothSizes) {
#ifdef _WIN32
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const std::vector<uint8_t> bytes(data, data + SizeofResource(nullptr, found));
  const size_t entryBytes = 14;
  EXPECT_NE(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128), IMAGE_ICON, 16, 16, 0), nullptr);
#else
  std::ifstream in(std::string(TOLMERIC_PICTURES_FOLDER) + "/Tolmeric.ico", std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  const size_t entryBytes = 16;
#endif
  ASSERT_GE(bytes.size(), 6 + 2 * entryBytes);
  EXPECT_EQ(bytes[2] | bytes[3] << 8, 1);  // an icon
  ASSERT_EQ(bytes[4] | bytes[5] << 8, 2);
  EXPECT_EQ(bytes[6], 32);
  EXPECT_EQ(bytes[6 + entryBytes], 16);
  EXPECT_EQ(bytes[6 + 6] | bytes[6 + 7] << 8, 32);  // bits per pixel
}

}  // namespace
}  // namespace tolmeric
