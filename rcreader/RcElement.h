// The elements the section parsers build from a script, and the parsing
// primitives they share. Every element walks the scan's token list by index.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "rcreader/RcTokenList.h"
#include "translation/SourcePlaces.h"
#include "translation/TextNode.h"

namespace tolmeric {

class CProblemLog;

// What Parse returns when the element could not be read.
inline constexpr int32_t kParseFailed = -99;

class CRcElement {
 public:
  virtual ~CRcElement() = default;
  // Stores the list and the start position, reads the element and returns
  // the position after it, or kParseFailed.
  virtual int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) = 0;
  virtual int32_t Kind() const = 0;
  // The element's node below parent (which the caller appends), or null.
  // With places, notes where each node's text stands in its script.
  virtual std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                               SourcePlaces* places = nullptr) const = 0;

 protected:
  CRcToken Current() const { return tokens->TokenAt(position); }
  // Notes in places (when given) the script and line of the token at index
  // as those of node's text; nothing for an index below 0.
  void NotePlace(SourcePlaces* places, const CTextNode* node, int32_t index) const;
  bool CurrentIs(const char16_t* literal) const { return Current().text == literal; }

  // The primitives. On success they leave the position after what they
  // consumed; a failing one leaves it where its failing step left it.
  bool ReadComma();
  bool ReadName(std::u16string& name);
  bool ReadNumber(int32_t& value);
  // One token of the kind named; the target is set only on success.
  bool ReadQuoted(std::u16string& text);
  bool ReadIdentifier(std::u16string& text);
  bool ReadAnyToken(std::u16string& text);
  bool ReadExpression(std::u16string& expression);
  std::u16string ReadMemoryOptions();

  const CRcTokenList* tokens = nullptr;
  int32_t position = 0;

 private:
  bool ReadMinus(bool& negative);
  bool ReadTokenOfType(int32_t type, std::u16string& text);
};

// body := { statement } "END"     (the BEGIN is already read)
// Reads the statements of a dialog, menu, popup or string table from
// position and returns the position after the END. A statement that fails
// (readStatement gives kParseFailed) is reported with messageId at its first
// token, and reading goes on one token further. A body that reaches the end
// of the list fails and sets endReached; so does a statement that set it
// itself, so every enclosing body fails at once, without messages of its own.
int32_t ParseStatementBlock(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, bool& endReached,
                            const std::function<int32_t(int32_t)>& readStatement);

// Base of the three section classes: dialogs, menus and string tables.
class CRcResource : public CRcElement {
 protected:
  // Optional header statements that dialogs and menus share. Each applies
  // only when its keyword matches and its operands are read; the target is
  // set only then, and a failure leaves the position where it failed.
  bool ReadExpressionStatement(const char16_t* keyword, std::u16string& into);
  bool ReadLanguageStatement(std::u16string& language, std::u16string& subLanguage);
};

}  // namespace tolmeric
