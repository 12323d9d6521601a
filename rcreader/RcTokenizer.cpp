#include "rcreader/RcTokenizer.h"

#include <algorithm>

namespace tolmeric {

namespace {

// Character classes as function objects, so that the runs taken with them
// are tested inline.
constexpr auto IsWhiteSpace = [](char16_t c) {
  return c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == u' ';
};
constexpr auto IsLetter = [](char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
};
constexpr auto IsDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
constexpr auto IsOctalDigit = [](char16_t c) { return c >= u'0' && c <= u'7'; };
constexpr auto IsHexDigit = [](char16_t c) {
  return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
};
constexpr auto IsNameChar = [](char16_t c) { return IsLetter(c) || c == u'_' || IsDigit(c); };
constexpr auto IsSuffix = [](char16_t c) {
  return c == u'L' || c == u'l' || c == u'U' || c == u'u';
};
constexpr auto IsAny = [](char16_t) { return true; };

}  // namespace

CRcTokenizer::CRcTokenizer(std::shared_ptr<const std::u16string> fileName, std::string bytes,
                           int defaultCodePage, RcGrammar grammar)
    : grammar_(grammar),
      reader_(std::make_unique<CRcCharReader>(std::move(fileName), std::move(bytes),
                                              defaultCodePage, grammar)) {
  current_ = reader_->NextCharWithoutComments();
}

CRcTokenizer::CRcTokenizer(std::unique_ptr<CRcPreprocessor> lines)
    : grammar_(lines->grammar()), reader_(std::make_unique<CRcCharReader>(std::move(lines))) {
  current_ = reader_->NextCharWithoutComments();
}

// token: identifier | number | quoted-text | any single character
void CRcTokenizer::NextToken(CRcTokenDraft& token) {
  while (IsWhiteSpace(current_)) {
    reader_->TakeWhile(IsWhiteSpace);
    current_ = reader_->NextCharWithoutComments();
  }
  token.text.clear();
  token.line = reader_->lineNumber();
  if (token.file != reader_->fileName()) token.file = reader_->fileName();
  if (IsLetter(current_) || current_ == u'_') {
    ReadIdentifier(token);
  } else if (IsDigit(current_)) {
    if (grammar_ == RcGrammar::kCompiler)
      ReadCompilerNumber(token);
    else
      ReadNumber(token);
  } else if (current_ == u'"') {
    ReadQuotedText(token);
  } else {
    token.type = kTokenCharacter;
    token.text.assign(1, current_);
    current_ = reader_->NextCharWithoutComments();
  }
}

// Appends the present character and those after it while keep accepts
// them; the present character is then the first one not taken. Plain runs
// of the line are taken at once.
template <typename Keep>
void CRcTokenizer::Take(CRcTokenDraft& token, Keep keep) {
  while (keep(current_)) {
    token.text += current_;
    token.text += reader_->TakeWhile(keep);
    current_ = reader_->NextCharWithoutComments();
  }
}

// Appends the present character alone and moves on.
void CRcTokenizer::TakeOne(CRcTokenDraft& token) {
  token.text += current_;
  current_ = reader_->NextCharWithoutComments();
}

// identifier: (letter | "_") (letter | "_" | digit)*
// The compiler's grammar reads an L right before a quote as the mark of a
// wide text: L"..." is the quoted text.
void CRcTokenizer::ReadIdentifier(CRcTokenDraft& token) {
  token.type = kTokenIdentifier;
  Take(token, IsNameChar);
  if (grammar_ == RcGrammar::kCompiler && token.text == u"L" && current_ == u'"') {
    token.text.clear();
    ReadQuotedText(token);
  }
}

// number: digit+   (no sign, no hexadecimal, no suffix)
void CRcTokenizer::ReadNumber(CRcTokenDraft& token) {
  token.type = kTokenNumber;
  Take(token, IsDigit);
}

// compiler-number: ( "0" ("x" | "X") hex-digit* | digit+ ) ("L" | "l" | "U" | "u")*
// The text keeps the number as written, suffixes included.
void CRcTokenizer::ReadCompilerNumber(CRcTokenDraft& token) {
  token.type = kTokenNumber;
  TakeOne(token);
  if (token.text == u"0" && (current_ == u'x' || current_ == u'X')) {
    TakeOne(token);
    Take(token, IsHexDigit);
  } else {
    Take(token, IsDigit);
  }
  Take(token, IsSuffix);
}

// quoted-text: '"' (any character but '"' | '""')* '"'
// The end of input closes an open quoted text.
void CRcTokenizer::ReadQuotedText(CRcTokenDraft& token) {
  token.type = kTokenQuoted;
  std::u16string& raw = raw_;
  raw.assign(1, u'"');
  for (;;) {
    for (;;) {
      raw += reader_->TakeWhile(IsAny);
      char16_t c = reader_->NextCharWithoutComments();
      if (reader_->atEnd()) {
        raw += u'"';
        current_ = 0;
        DecodeQuoted(raw, token.text);
        return;
      }
      raw += c;
      if (c == u'"') break;
    }
    current_ = reader_->NextCharWithoutComments();
    // A doubled quote stands for one quote in the content: the first is
    // kept, the second dropped, and the text goes on.
    if (current_ != u'"') break;
  }
  DecodeQuoted(raw, token.text);
}

// Drops the quotes and decodes the escapes \n \r \t \\ \a and three octal
// digits (codes 0 to 511). Any other backslash stays as it is.
void CRcTokenizer::DecodeQuoted(std::u16string_view raw, std::u16string& text) {
  const std::u16string_view content = raw.size() >= 2 ? raw.substr(1, raw.size() - 2) : raw;
  text.clear();
  size_t i = 0;
  while (i < content.size()) {
    const size_t backslash = std::min(content.find(u'\\', i), content.size());
    text.append(content.substr(i, backslash - i));
    i = backslash;
    if (i >= content.size()) break;
    char16_t c = content[i];
    if (i + 1 >= content.size()) {
      text += c;
      ++i;
      continue;
    }
    char16_t next = content[i + 1];
    char16_t escaped = 0;
    switch (next) {
      case u'n': escaped = u'\n'; break;
      case u'r': escaped = u'\r'; break;
      case u't': escaped = u'\t'; break;
      case u'\\': escaped = u'\\'; break;
      case u'a': escaped = 7; break;
      default: break;
    }
    if (escaped != 0) {
      text += escaped;
      i += 2;
    } else if (i + 3 < content.size() && IsOctalDigit(content[i + 1]) &&
               IsOctalDigit(content[i + 2]) && IsOctalDigit(content[i + 3])) {
      text += static_cast<char16_t>((content[i + 1] - u'0') * 64 + (content[i + 2] - u'0') * 8 +
                                    (content[i + 3] - u'0'));
      i += 4;
    } else {
      text += c;
      ++i;
    }
  }
}

}  // namespace tolmeric
