#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/PropertySheet.h"

namespace tolmeric {
namespace {

// A page that records what the sheet asked of it. The first page to be
// initialised presses the sheet's buttons, as a user would click them.
class CRecordingPage : public CPropertyPage {
 public:
  CRecordingPage(UINT templateId, std::string& log, BOOL applyResult)
      : CPropertyPage(templateId), log_(log), applyResult_(applyResult) {}

  BOOL OnInitDialog() override {
    // The page's window has its object from its first handled message on.
    log_ += FromHandlePermanent(m_hWnd) == this ? "init " : "init-unattached ";
    for (int button : buttons) ::PostMessageW(::GetParent(m_hWnd), PSM_PRESSBUTTON, button, 0);
    buttons.clear();
    return TRUE;
  }
  BOOL OnApply() override {
    log_ += "apply ";
    return applyResult_;
  }

  static inline std::vector<int> buttons;

 private:
  std::string& log_;
  BOOL applyResult_;
};

struct SheetCase {
  std::vector<int> buttons;  // pressed in this order
  BOOL applyResult;
  INT_PTR expected;
  const char* log;  // only the first page is ever shown
};

TEST(PropertySheetTest, PagesFromResourcesEndWithTheButtonPressed) {
  const SheetCase cases[] = {
      {{PSBTN_OK}, TRUE, IDOK, "init apply "},
      {{PSBTN_CANCEL}, TRUE, IDCANCEL, "init "},
      // A page that refuses its values keeps the sheet open; Cancel ends it.
      {{PSBTN_OK, PSBTN_CANCEL}, FALSE, IDCANCEL, "init apply "},
  };
  for (const SheetCase& c : cases) {
    std::string log;
    CRecordingPage first(400, log, c.applyResult);
    CRecordingPage second(410, log, c.applyResult);
    CRecordingPage::buttons = c.buttons;
    CPropertySheet sheet(L"Options");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.DoModal(), c.expected) << "case " << (&c - cases);
    EXPECT_EQ(log, c.log) << "case " << (&c - cases);
    EXPECT_EQ(first.m_hWnd, nullptr) << "the page is detached when its window is gone";
  }
}

}  // namespace
}  // namespace tolmeric
