// The elements the section parsers build from a script, and the parsing
// primitives they share. Every element walks the scan's token list by index.
// An element's texts are views: of the token texts, which the list keeps as
// long as it lives, or of the few texts the element makes itself (a negative
// name, a style written out, a text from the string table), which it keeps.
// So an element is read and its nodes built while its token list lives.
#pragma once

#include <cstdint>
#include <forward_list>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "rcreader/RcDiagnostic.h"
#include "rcreader/RcTokenList.h"
#include "translation/SourcePlaces.h"
#include "translation/TextNode.h"

namespace tolmeric {

class CProblemLog;

// What Parse returns when the element could not be read.
inline constexpr int32_t kParseFailed = -99;

// BEGIN, and in the compiler's grammar also "{"; END, and also "}".
bool IsBlockBegin(const CRcToken& token, RcGrammar grammar);
bool IsBlockEnd(const CRcToken& token, RcGrammar grammar);
// The words that start a statement of a dialog, menu or string table in
// the compiler's grammar; none of them is a term of a style.
bool IsStatementKeyword(std::u16string_view text);
// The control statements of the compiler's grammar.
bool IsCompilerControlKeyword(std::u16string_view text);

class CRcElement {
 public:
  CRcElement() = default;
  // The views of an element may point into its own texts: never copied.
  CRcElement(const CRcElement&) = delete;
  CRcElement& operator=(const CRcElement&) = delete;
  virtual ~CRcElement() = default;
  // Stores the list and the start position, reads the element and returns
  // the position after it, or kParseFailed.
  virtual int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) = 0;
  virtual int32_t Kind() const = 0;
  // The element's node below parent (which the caller appends), or null.
  // With places, notes where each node's text stands in its script.
  virtual std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                               SourcePlaces* places = nullptr) const = 0;

  // After a failed Parse: where it failed and what it wanted there.
  const CRcExpectation& failure() const { return failure_; }

 protected:
  bool Compiler() const { return tokens->grammar() == RcGrammar::kCompiler; }
  bool CurrentIsBegin() const { return IsBlockBegin(Current(), tokens->grammar()); }
  bool CurrentIsEnd() const { return IsBlockEnd(Current(), tokens->grammar()); }
  // The current token starts the next statement or ends the block (or the
  // list): an operand left empty at the end of a statement.
  bool AtStatementEnd() const;
  // Returns ok; when it is false and nothing was noted yet, notes that
  // expected was wanted at the current position. The first note, the one
  // made deepest inside the statement, is the one reported.
  bool Expect(bool ok, const char* expected);

  CRcToken Current() const { return tokens->TokenAt(position); }
  // Notes in places (when given) the script and line of the token at index
  // as those of node's text; nothing for an index below 0.
  void NotePlace(SourcePlaces* places, const CTextNode* node, int32_t index) const;
  bool CurrentIs(const char16_t* literal) const { return tokens->TextAt(position) == literal; }
  // Keeps a text the element made and returns a view of it; the view of an
  // empty text needs nothing kept.
  std::u16string_view Keep(std::u16string text);
  // A node whose base text and text are both text.
  static std::unique_ptr<CTextNode> MakeNode(CTextNode* parent, std::u16string_view text,
                                             int32_t kind, int32_t number1, int32_t number2);

  // The primitives. On success they leave the position after what they
  // consumed; a failing one leaves it where its failing step left it.
  bool ReadComma();
  bool ReadName(std::u16string_view& name);
  bool ReadNumber(int32_t& value);
  // One token of the kind named; the target is set only on success.
  bool ReadQuoted(std::u16string_view& text);
  bool ReadIdentifier(std::u16string_view& text);
  bool ReadAnyToken(std::u16string_view& text);
  // The target is set only on success.
  bool ReadExpression(std::u16string_view& expression);
  std::u16string_view ReadMemoryOptions();

  const CRcTokenList* tokens = nullptr;
  int32_t position = 0;
  CRcExpectation failure_;

 private:
  bool ReadMinus(bool& negative);
  bool ReadValue(uint32_t& value, int32_t depth);
  bool ReadValueTerm(uint32_t& value, int32_t depth);
  bool ReadStyle(std::u16string& expression, int32_t depth);
  bool ReadStyleTerm(std::u16string& expression, int32_t depth);
  bool ReadClassicExpression(std::u16string& expression);
  void TakeToken(std::u16string& into);
  bool ReadTokenOfType(int32_t type, std::u16string_view& text);

  // The texts made by this element; a list, so that they never move.
  std::forward_list<std::u16string> ownTexts_;
};

// body := { statement } "END"     (the BEGIN is already read)
// Reads the statements of a dialog, menu, popup or string table from
// position and returns the position after the END. A statement that fails
// (readStatement gives kParseFailed and notes in its expectation what it
// wanted) is reported with messageId at its first token, and reading goes on
// one token further. The tokens tried after a failure that start no
// statement add to the log but not to the diagnostics: a statement gets one
// diagnostic. A body that reaches the end of the list fails and sets
// endReached; so does a statement that set it itself, so every enclosing
// body fails at once, without messages of its own.
int32_t ParseStatementBlock(const CRcTokenList& list, int32_t position, CProblemLog& log,
                            uint32_t messageId, bool& endReached,
                            const std::function<int32_t(int32_t, CRcExpectation&)>& readStatement);

// Base of the three section classes: dialogs, menus and string tables.
class CRcResource : public CRcElement {
 protected:
  // Optional header statements that dialogs and menus share. Each applies
  // only when its keyword matches and its operands are read; the target is
  // set only then, and a failure leaves the position where it failed.
  bool ReadExpressionStatement(const char16_t* keyword, std::u16string_view& into);
  bool ReadLanguageStatement(std::u16string_view& language, std::u16string_view& subLanguage);
};

}  // namespace tolmeric
