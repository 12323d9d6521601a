#include <gtest/gtest.h>

#include <climits>

#include "rcreader/RcElement.h"

namespace tolmeric {
namespace {

// An element that only walks its tokens, to reach the primitives.
class CPrimitiveProbe : public CRcElement {
 public:
  explicit CPrimitiveProbe(const std::string& script) : list_(CRcTokenList::FromBytes(u"p.rc", script)) {
    tokens = &list_;
  }
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog&) override {
    tokens = &list;
    position = start;
    return position;
  }
  int32_t Kind() const override { return 0; }
  std::unique_ptr<CTextNode> BuildNode(CTextNode*, SourcePlaces*) const override {
    return nullptr;
  }

  using CRcElement::position;
  using CRcElement::ReadComma;
  using CRcElement::ReadExpression;
  using CRcElement::ReadMemoryOptions;
  using CRcElement::ReadName;
  using CRcElement::ReadNumber;

 private:
  CRcTokenList list_;
};

TEST(Primitives, ReadComma) {
  CPrimitiveProbe probe(", x");
  EXPECT_TRUE(probe.ReadComma());
  EXPECT_EQ(probe.position, 1);
  EXPECT_FALSE(probe.ReadComma());
  EXPECT_EQ(probe.position, 1);
}

TEST(Primitives, ReadNameTakesAnyTokenOrANegativeNumber) {
  CPrimitiveProbe probe("IDD_MAIN 101 \"Quoted\" + - 3 - X");
  std::u16string_view name;
  for (const char16_t* expected : {u"IDD_MAIN", u"101", u"Quoted", u"+", u"-3"}) {
    ASSERT_TRUE(probe.ReadName(name));
    EXPECT_EQ(name, expected);
  }
  EXPECT_EQ(probe.position, 6);
  // "-" before an identifier: fails and stays on the "-".
  EXPECT_FALSE(probe.ReadName(name));
  EXPECT_EQ(probe.position, 6);
}

TEST(Primitives, ReadNameFailsPastTheLastToken) {
  CPrimitiveProbe probe("A");
  std::u16string_view name;
  ASSERT_TRUE(probe.ReadName(name));
  EXPECT_FALSE(probe.ReadName(name));
  EXPECT_EQ(probe.position, 1);
}

TEST(Primitives, ReadNumber) {
  CPrimitiveProbe probe("42 - 7 -X Y");
  int32_t value = 0;
  ASSERT_TRUE(probe.ReadNumber(value));
  EXPECT_EQ(value, 42);
  ASSERT_TRUE(probe.ReadNumber(value));
  EXPECT_EQ(value, -7);
  EXPECT_EQ(probe.position, 3);
  EXPECT_FALSE(probe.ReadNumber(value));
  EXPECT_EQ(probe.position, 3);
  probe.position = 5;
  EXPECT_FALSE(probe.ReadNumber(value));
  EXPECT_EQ(probe.position, 5);
  probe.position = 6;  // past the end
  EXPECT_FALSE(probe.ReadNumber(value));
}

// Decimal values wrap modulo 2^32 and are read as signed 32-bit.
TEST(Primitives, ReadNumberWraps) {
  CPrimitiveProbe probe("4294967295 4294967296 2147483648 -2147483648 99999999999 -4294967297");
  const int32_t expected[] = {-1, 0, INT_MIN, INT_MIN, 1215752191, -1};
  for (int32_t want : expected) {
    int32_t value = 7;
    ASSERT_TRUE(probe.ReadNumber(value));
    EXPECT_EQ(value, want);
  }
}

TEST(Primitives, ReadExpressionJoinsTermsAndHexNumbers) {
  CPrimitiveProbe probe("WS_CHILD | NOT WS_VISIBLE | 0x80, 0x1F");
  std::u16string_view expression;
  ASSERT_TRUE(probe.ReadExpression(expression));
  EXPECT_EQ(expression, u"WS_CHILD NOT WS_VISIBLE 0x80 ");
  EXPECT_EQ(probe.position, 7);  // on the comma
  probe.position = 8;
  ASSERT_TRUE(probe.ReadExpression(expression));
  EXPECT_EQ(expression, u"0x1F ");
  EXPECT_EQ(probe.position, 10);
}

TEST(Primitives, ReadExpressionLoneZero) {
  std::u16string_view expression = u"left over";
  CPrimitiveProbe comma("0 , X");
  ASSERT_TRUE(comma.ReadExpression(expression));
  EXPECT_EQ(expression, u"");
  EXPECT_EQ(comma.position, 1);
  // At the end of the list there is no x after the 0.
  CPrimitiveProbe last("0");
  ASSERT_TRUE(last.ReadExpression(expression));
  EXPECT_EQ(last.position, 1);
  // A capital X ends the expression after its 0.
  CPrimitiveProbe capital("0X80");
  ASSERT_TRUE(capital.ReadExpression(expression));
  EXPECT_EQ(expression, u"");
  EXPECT_EQ(capital.position, 1);
}

TEST(Primitives, ReadExpressionFailures) {
  std::u16string_view expression;
  CPrimitiveProbe number("12");
  EXPECT_FALSE(number.ReadExpression(expression));
  EXPECT_EQ(number.position, 0);
  CPrimitiveProbe notNumber("NOT 5");
  EXPECT_FALSE(notNumber.ReadExpression(expression));
  EXPECT_EQ(notNumber.position, 1);
  // A bar at the end of the list leads to the empty token, no term.
  CPrimitiveProbe dangling("A |");
  EXPECT_FALSE(dangling.ReadExpression(expression));
  EXPECT_EQ(dangling.position, 2);
  CPrimitiveProbe quoted("\"A\"");
  EXPECT_FALSE(quoted.ReadExpression(expression));
  // A 0 that is the last token of the list has no term to join.
  CPrimitiveProbe zeroAtEnd("A | 0");
  EXPECT_FALSE(zeroAtEnd.ReadExpression(expression));
  EXPECT_EQ(zeroAtEnd.position, 3);
}

TEST(Primitives, ReadMemoryOptions) {
  CPrimitiveProbe probe("PRELOAD DISCARDABLE MOVEABLE PURE IMPURE FIXED LOADONCALL preload");
  EXPECT_EQ(probe.ReadMemoryOptions(), u"PRELOAD DISCARDABLE MOVEABLE PURE IMPURE FIXED LOADONCALL ");
  EXPECT_EQ(probe.position, 7);
  EXPECT_EQ(probe.ReadMemoryOptions(), u"");
  EXPECT_EQ(probe.position, 7);
}

}  // namespace
}  // namespace tolmeric
