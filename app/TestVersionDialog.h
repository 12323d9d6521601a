// The settings of the test language file: whether the beginning and the
// end of every text are overwritten, and with what. OK writes the values
// back into the project; Cancel changes nothing. There is no validation.
#pragma once

#include <string>

#include "framework/Dialog.h"

namespace tolmeric {

class CProject;

class CTestVersionDialog : public CDialog {
 public:
  static constexpr UINT IDD = 166;
  static constexpr int kReplaceBegin = 1061;
  static constexpr int kBeginText = 1062;
  static constexpr int kReplaceEnd = 1063;
  static constexpr int kEndText = 1064;
  static constexpr int kHelp = 57670;

  CTestVersionDialog(CProject& project, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  // The Help button is taken here and does nothing.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  std::u16string ItemText(int id) const;

  CProject& project_;
};

}  // namespace tolmeric
