#include "framework/FrameTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tolmeric::testing {
namespace {

// The command strings of a small application, by identifier.
const std::map<uint32_t, std::u16string> kStrings = {
    {10, u"Open a file\nOpen"},
    {11, u"Prompt only"},
    {12, u"Prompt\nTip\nThird part"},
    {13, u"\nTip without prompt"},
    {14, u"Prompt with empty tip\n"},
    {15, u""},
};

std::u16string Load(uint32_t id) {
  const auto found = kStrings.find(id);
  return found == kStrings.end() ? std::u16string() : found->second;
}

TEST(FrameTextsTest, TipAndPromptAreTheTwoPartsOfACommandString) {
  const struct {
    uint32_t id;
    std::u16string tip;
    std::u16string prompt;
  } cases[] = {
      {10, u"Open", u"Open a file"},
      {11, u"", u"Prompt only"},
      {12, u"Tip", u"Prompt"},
      {13, u"Tip without prompt", u""},
      {14, u"", u"Prompt with empty tip"},
      {15, u"", u""},
      {99, u"", u""},  // no such string
      {0, u"", u""},   // a separator has no tip, whatever string 0 holds
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(ToolTipText(c.id, [](uint32_t id) { return id == 0 ? u"Never\nShown" : Load(id); }),
              c.tip);
    EXPECT_EQ(PromptPart(Load(c.id)), c.prompt);
  }
}

TEST(FrameTextsTest, TipRequestsAreRecognisedAndNameTheirTool) {
  const auto code = [](uint32_t message, uint32_t notification) {
    return static_cast<int32_t>((message << 16) | notification);
  };
  const struct {
    uint32_t id;
    int32_t code;
    bool tipRequest;
  } requests[] = {
      {0, code(0x4E, 0xFDEE), true},   // wide form
      {0, code(0x4E, 0xFDF8), true},   // multi-byte form
      {5, code(0x4E, 0xFDEE), false},  // a control's own notification
      {0, code(0x4E, 0xFDEF), false},  // another notification
      {0, code(0x111, 0xFDEE), false}, // not a notification message
      {0, 0, false},                   // a command
  };
  for (const auto& r : requests) {
    SCOPED_TRACE(r.code);
    EXPECT_EQ(IsToolTipRequest(r.id, r.code), r.tipRequest);
  }
  const auto controlId = [](uintptr_t window) { return static_cast<int32_t>(window * 2); };
  EXPECT_EQ(ToolIdentifier(0x1234, false, controlId), 0x1234u);
  EXPECT_EQ(ToolIdentifier(0x1234, true, controlId), 0x2468u);
  // Only the low 16 bits of a window's control identifier name the tool.
  EXPECT_EQ(ToolIdentifier(0x1234, true, [](uintptr_t) { return 0x7654321; }), 0x4321u);
}

TEST(FrameTextsTest, TipsAreCutToFitTheirBufferWithATerminator) {
  const auto units = [](std::u16string_view text) { return text.size(); };
  // A multi-byte encoding in which everything beyond ASCII takes two bytes.
  const auto bytes = [](std::u16string_view text) {
    size_t length = 0;
    for (char16_t c : text) length += c < 0x80 ? 1 : 2;
    return length;
  };
  const std::u16string surrogatePair = u"\U0001F600";
  const struct {
    const char* name;
    std::u16string text;
    bool multiByte;
    size_t fitting;
  } cases[] = {
      {"short", u"Open", false, 4},
      {"exactly the room", std::u16string(79, u'a'), false, 79},
      {"one too long", std::u16string(80, u'a'), false, 79},
      {"long", std::u16string(500, u'a'), false, 79},
      {"wide characters, multi-byte", std::u16string(79, u'ä'), true, 39},
      {"mixed, multi-byte", u"a" + std::u16string(60, u'ä'), true, 40},
      {"no pair is split", std::u16string(78, u'a') + surrogatePair, false, 78},
      {"a whole pair fits", std::u16string(77, u'a') + surrogatePair, false, 79},
      {"empty", u"", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const size_t fitting = c.multiByte ? FittingLength(c.text, kToolTipBufferSize, bytes)
                                       : FittingLength(c.text, kToolTipBufferSize, units);
    EXPECT_EQ(fitting, c.fitting);
  }
}

}  // namespace
}  // namespace tolmeric::testing
