#include "translation/FlagTable.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "translation/FlagPainter.h"

namespace tolmeric {
namespace {

// A colour value (red in the lowest byte) from RRGGBB.
constexpr uint32_t Rgb(uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

// The pixel at (x, y) of the flag itself, 30 by 20.
uint32_t At(const FlagImage& image, int32_t x, int32_t y) {
  return image[static_cast<size_t>(kFlagTop + y) * kFlagSize + kFlagLeft + x];
}

TEST(FlagTable, CodesAreUniqueAndEveryFlagKeepsTheFrame) {
  const auto& table = FlagTable();
  ASSERT_GE(table.size(), 152u);
  ASSERT_LE(table.size(), 189u);  // the cells of the tool's flag strip
  std::set<std::string_view> codes;
  for (const CFlagEntry& entry : table) {
    SCOPED_TRACE(std::string(entry.code));
    EXPECT_TRUE(codes.insert(entry.code).second) << "code twice";
    EXPECT_FALSE(entry.name.empty());
    EXPECT_EQ(FindFlag(entry.code), &entry);
    const FlagImage image = DrawFlag(entry);
    for (int32_t row = 0; row < kFlagSize; ++row) {
      for (int32_t column = 0; column < kFlagSize; ++column) {
        const uint32_t pixel = image[static_cast<size_t>(row) * kFlagSize + column];
        const bool outside = row < kFlagTop - 1 || row > kFlagTop + kFlagHeight;
        const bool frame = !outside && (row == kFlagTop - 1 || row == kFlagTop + kFlagHeight ||
                                        column == 0 || column == kFlagSize - 1);
        if (outside) {
          ASSERT_EQ(pixel, kFlagBackground) << row << "," << column;
        } else if (frame) {
          ASSERT_EQ(pixel, kFlagFrame) << row << "," << column;
        } else {
          ASSERT_NE(pixel, kFlagBackground) << "a transparent hole at " << row << "," << column;
        }
      }
    }
  }
}

TEST(FlagTable, LookupIsExact) {
  EXPECT_EQ(FindFlag("de")->name, "German");
  EXPECT_EQ(FindFlag("pt-BR")->name, "Portuguese (Brazil)");
  for (const char* unknown : {"", "DE", "pt-br", "xx", "de "}) {
    EXPECT_EQ(FindFlag(unknown), nullptr) << unknown;
  }
}

// Any change to a drawing or to the painter changes this value; look at the
// flags before taking the new one.
TEST(FlagTable, GoldenDigestOfAllImages) {
  uint64_t digest = 1469598103934665603ull;  // FNV-1a
  for (const CFlagEntry& entry : FlagTable()) {
    for (const uint32_t pixel : DrawFlag(entry)) {
      for (int shift = 0; shift < 32; shift += 8) {
        digest = (digest ^ ((pixel >> shift) & 0xFF)) * 1099511628211ull;
      }
    }
  }
  EXPECT_EQ(digest, 3583367261485890912ull);
}

TEST(FlagTable, MajorFlagsShowTheirColoursWhereExpected) {
  struct Spot {
    const char* code;
    int32_t x, y;
    uint32_t rrggbb;
  };
  const Spot spots[] = {
      {"de", 15, 2, 0x000000},    {"de", 15, 10, 0xDD0000},  {"de", 15, 17, 0xFFCE00},
      {"fr", 3, 10, 0x002654},    {"fr", 15, 10, 0xFFFFFF},  {"fr", 26, 10, 0xCE1126},
      {"it", 3, 10, 0x009246},    {"nl", 15, 17, 0x21468B},  {"pl", 15, 3, 0xFFFFFF},
      {"pl", 15, 16, 0xDC143C},   {"ru", 15, 10, 0x0039A6},  {"uk", 15, 3, 0x0057B7},
      {"uk", 15, 16, 0xFFD700},   {"ja", 15, 10, 0xBC002D},  {"ja", 2, 2, 0xFFFFFF},
      {"sv", 11, 2, 0xFECC02},    {"sv", 3, 3, 0x006AA7},    {"da", 25, 10, 0xFFFFFF},
      {"fi", 25, 10, 0x002F6C},   {"en-US", 5, 4, 0x3C3B6E}, {"en-US", 25, 0, 0xB22234},
      {"en-US", 25, 19, 0xB22234}, {"en", 15, 10, 0xC8102E},  {"en", 6, 0, 0x012169},
      {"cs", 1, 10, 0x11457E},    {"cs", 25, 3, 0xFFFFFF},   {"ro", 15, 10, 0xFCD116},
      {"hu", 15, 17, 0x436F4D},   {"zh", 5, 5, 0xFFFF00},    {"zh", 25, 15, 0xEE1C25},
      {"tr", 25, 10, 0xE30A17},   {"ko", 2, 10, 0xFFFFFF},   {"pt-BR", 2, 2, 0x009C3B},
      {"pt-BR", 15, 6, 0x002776}, {"el", 25, 0, 0x0D5EAF},  {"el", 25, 2, 0xFFFFFF},
      {"el", 5, 5, 0xFFFFFF},
  };
  for (const Spot& spot : spots) {
    const CFlagEntry* entry = FindFlag(spot.code);
    ASSERT_NE(entry, nullptr) << spot.code;
    EXPECT_EQ(At(DrawFlag(*entry), spot.x, spot.y), Rgb(spot.rrggbb))
        << spot.code << " at " << spot.x << "," << spot.y;
  }
}

TEST(FlagPainter, StepsPaintTheirShapes) {
  struct Case {
    const char* description;
    int32_t x, y;
    uint32_t rrggbb;
  };
  const Case cases[] = {
      {"", 0, 0, 0xFFFFFF},                              // white until painted
      {"rect 0,0,15,20,FF0000", 14, 19, 0xFF0000},
      {"rect 0,0,15,20,FF0000", 15, 0, 0xFFFFFF},
      // 30 split 1:2:1 rounds to 8, 14, 8 on both sides alike
      {"v 000000,FFFFFF*2,000000", 7, 0, 0x000000},
      {"v 000000,FFFFFF*2,000000", 8, 0, 0xFFFFFF},
      {"v 000000,FFFFFF*2,000000", 21, 0, 0xFFFFFF},
      {"v 000000,FFFFFF*2,000000", 22, 0, 0x000000},
      {"h 0000FF,00FF00", 0, 9, 0x0000FF},
      {"h 0000FF,00FF00", 0, 10, 0x00FF00},
      {"clip 0,0,10,20; rect 0,0,30,20,000000", 9, 5, 0x000000},
      {"clip 0,0,10,20; rect 0,0,30,20,000000", 10, 5, 0xFFFFFF},
      {"clip 0,0,10,20; clip off; rect 0,0,30,20,000000", 20, 5, 0x000000},
      {"cross 10,10,2,0000FF", 10, 0, 0x0000FF},
      {"cross 10,10,2,0000FF", 29, 10, 0x0000FF},
      {"cross 10,10,2,0000FF", 20, 3, 0xFFFFFF},
      {"disc 15,10,5,FF0000", 15, 10, 0xFF0000},
      {"disc 15,10,5,FF0000", 15, 16, 0xFFFFFF},
      {"ring 15,10,6,2,FF0000", 15, 10, 0xFFFFFF},
      {"ring 15,10,6,2,FF0000", 10, 10, 0xFF0000},
      {"pie 15,10,6,0,180,FF0000", 15, 13, 0xFF0000},  // clockwise: the lower half
      {"pie 15,10,6,0,180,FF0000", 15, 6, 0xFFFFFF},
      {"poly 0,0,30,0,0,20,00FF00", 2, 2, 0x00FF00},
      {"poly 0,0,30,0,0,20,00FF00", 27, 17, 0xFFFFFF},
      {"saltire 2,000000", 0, 0, 0x000000},
      {"saltire 2,000000", 29, 0, 0x000000},
      {"saltire 2,000000", 15, 2, 0xFFFFFF},
      {"bar 5,10,25,10,4,000000", 15, 9, 0x000000},
      {"bar 5,10,25,10,4,000000", 27, 10, 0xFFFFFF},
      {"star 15.5,10,8,000000", 15, 10, 0x000000},
      {"star 15.5,10,8,000000", 15, 4, 0x000000},   // the top point
      {"star 15.5,10,8,000000", 15, 16, 0xFFFFFF},  // between the two lower points
      {"star 15.5,10,8,000000,180", 15, 15, 0x000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(At(PaintFlag(c.description), c.x, c.y), Rgb(c.rrggbb))
        << c.description << " at " << c.x << "," << c.y;
  }
}

TEST(FlagPainter, MalformedStepsAreRefusedWithTheStep) {
  const char* malformed[] = {
      "h",                           // no operands
      "blob 1,2,FFFFFF",             // unknown word
      "disc 1,2,3,FFFFF",            // five hex digits
      "disc 1,2,3,GGGGGG",           // not hex
      "disc 1,2,FFFFFF",             // a number short
      "disc 1,2,3,4,FFFFFF",         // a number too many
      "rect 0,0,1x,2,FFFFFF",        // not a number
      "poly 0,0,1,1,FFFFFF",         // two corners
      "poly 0,0,1,1,2,FFFFFF",       // half a corner
      "h FFFFFF*0,000000",           // empty stripe
      "star 1,1,1,FFFFFF,0,2",       // two points
      "clip 1,2,3",                  // three numbers
  };
  for (const char* description : malformed) {
    try {
      PaintFlag(description);
      ADD_FAILURE() << "accepted: " << description;
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(description), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace tolmeric
