// A DIALOG or DIALOGEX section and its controls.
#pragma once

#include <vector>

#include "rcreader/RcControl.h"

namespace tolmeric {

class IStringSource;

class CRcDialog : public CRcResource {
 public:
  // Reads from the dialog's name, the token before its keyword; returns the
  // position after its END.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override {
    return isStandardSwitch ? kKindStandardSwitchDialog : kKindDialog;
  }
  // The caption node with its size, and below it the control nodes.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;

  // Turns this dialog into the run-time module's language switch dialog,
  // with the caption and control texts taken from strings.
  void MakeStandardSwitch(const IStringSource& strings);

  // True when the dialog failed because the token list ended inside it.
  bool EndReached() const { return endReached_; }
  int32_t controlCount() const { return static_cast<int32_t>(controls.size()); }

  std::vector<std::unique_ptr<CRcControl>> controls;
  bool isEx = false;
  std::u16string_view name;
  std::u16string_view memoryOptions;
  int32_t x = 0;
  int32_t y = 0;
  int32_t cx = 0;
  int32_t cy = 0;
  std::u16string_view helpId;
  std::u16string_view style;
  std::u16string_view exStyle;
  std::u16string_view caption;
  std::u16string_view menu;
  int32_t fontSize = 0;
  std::u16string_view fontFace;
  int32_t fontWeight = 0;
  int32_t fontItalic = 0;
  std::u16string_view fontCharset;
  std::u16string_view characteristics;
  std::u16string_view version;
  std::u16string_view className;
  std::u16string_view language;
  std::u16string_view subLanguage;
  bool isStandardSwitch = false;
  // The token of the caption, or -1.
  int32_t captionPosition = -1;

 private:
  bool ParseHeader();
  bool ReadOptionalStatement();
  bool ReadCaption();
  bool ReadMenu();
  bool ReadFont();
  bool ReadFontValue(int32_t& value);
  bool ReadClass();
  int32_t ParseBody(CProblemLog& log);

  bool endReached_ = false;
};

}  // namespace tolmeric
