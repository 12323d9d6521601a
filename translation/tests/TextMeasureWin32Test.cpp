// The width check with the dialog font: widths follow the letters, not their
// number, so the findings differ from the estimate's.
#include <gtest/gtest.h>

#include "translation/TextMeasureWin32.h"
#include "translation/TextNode.h"
#include "translation/TranslationCheck.h"

namespace tolmeric {
namespace {

TEST(TextMeasureWin32, MeasuresTheShownTextInTheDialogFont) {
  const CTextMeasureWin32 measure;
  const int32_t wide = measure.WidthInDialogUnits(u"WWWWWWWWWW");
  const int32_t narrow = measure.WidthInDialogUnits(u"iiiiiiiiii");
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, 2 * narrow);

  const struct {
    std::u16string text;
    std::u16string shown;
  } kCases[] = {
      {u"&Open", u"Open"},
      {u"Sa&ve as", u"Save as"},
      {u"Fish && Chips", u"Fish & Chips"},
      {u"&Open...\tCtrl+O", u"Open..."},
      {u"Trailing &", u"Trailing &"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ShownText(c.text), c.shown) << std::string(c.text.begin(), c.text.end());
  }
  EXPECT_EQ(measure.WidthInDialogUnits(u"&Open...\tCtrl+O"), measure.WidthInDialogUnits(u"Open..."));
}

TEST(TextMeasureWin32, WidthFindingsFollowTheFontNotTheCount) {
  auto button = [](std::u16string source, std::u16string target) {
    CCheckItem item;
    item.source = std::move(source);
    item.target = std::move(target);
    item.translated = true;
    item.kind = kKindPushButton;
    item.width = 30;
    item.where = std::string(item.target.begin(), item.target.end());
    return item;
  };
  // Ten narrow letters: forty dialog units by count, much less drawn. Seven
  // wide letters: twenty-eight by count, far more drawn.
  const std::vector<CCheckItem> items = {button(u"i", u"iiiiiiiiii"), button(u"W", u"WWWWWWW")};
  auto widthFindings = [&](const ITextMeasure& measure) {
    std::vector<std::string> where;
    for (const CFinding& finding : CheckTranslation(items, measure)) {
      if (finding.kind == CheckKind::kWidth) where.push_back(finding.where);
    }
    return where;
  };
  EXPECT_EQ(widthFindings(CEstimateTextMeasure()), std::vector<std::string>{"iiiiiiiiii"});
  EXPECT_EQ(widthFindings(CTextMeasureWin32()), std::vector<std::string>{"WWWWWWW"});
}

}  // namespace
}  // namespace tolmeric
