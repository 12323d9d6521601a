// One control statement inside a dialog's BEGIN ... END.
#pragma once

#include "rcreader/RcElement.h"

namespace tolmeric {

class IStringSource;

class CRcControl : public CRcElement {
 public:
  CRcControl() = default;
  // A control made from values rather than read: its text is the string
  // with number textId, cx and cy its size; everything else stays empty.
  CRcControl(const IStringSource& strings, uint32_t textId, std::u16string_view keyword,
             int32_t cx, int32_t cy);

  // True when the token is one of the control keywords that a dialog body
  // recognises: fourteen in the classic grammar, all of the resource
  // compiler's in its own.
  static bool IsControlKeyword(const CRcToken& token, RcGrammar grammar);

  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindControl; }
  // A node with the control's text and size, or null for an empty text and
  // for the controls whose window class shows no text of its own.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;
  // The node kind of a control with this keyword and window class.
  static int32_t NodeKind(std::u16string_view keyword, std::u16string_view className);

  std::u16string_view keyword;
  std::u16string_view text;
  std::u16string_view name;
  int32_t x = 0;
  int32_t y = 0;
  int32_t cx = 0;
  int32_t cy = 0;
  std::u16string_view style;
  std::u16string_view exStyle;
  std::u16string_view helpId;
  std::u16string_view iconName;
  std::u16string_view className;
  // The token of the text, or -1.
  int32_t textPosition = -1;

 private:
  bool ReadTextOperand();
  bool ReadIconOperand();
  bool ReadRectangle();
  bool ReadControlClassAndStyle();
  bool ReadOptionalExpression(std::u16string_view& into, bool& present);
  bool ReadOptionalHelpId();
};

}  // namespace tolmeric
