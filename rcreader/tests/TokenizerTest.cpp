#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "rcreader/RcTokenList.h"
#include "rcreader/tests/TokenDump.h"
#include "translation/FileError.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

CRcTokenList Tokens(const std::string& script) { return CRcTokenList::FromBytes(u"t.rc", script); }

// Each golden script under lexer/ has its expected dump beside it.
TEST(Tokenizer, GoldenScripts) {
  for (const char* name : {"comments", "quotes", "lines", "numbers"}) {
    SCOPED_TRACE(name);
    std::string script = ReadTestFile(std::string("lexer/") + name + ".rc");
    std::string expected = ReadTestFile(std::string("lexer/") + name + ".tokens");
    EXPECT_EQ(DumpTokens(Tokens(script)), expected);
  }
}

// The end of input: white space after the last token, or further lines,
// give one more token holding the character 0, on the line number the
// reader has reached by then. A last token that ends the last line gives
// none.
TEST(Tokenizer, TrailingZeroToken) {
  EXPECT_EQ(DumpTokens(Tokens("A B ")), "0 1 A\n0 1 B\n1 4 \\x00\n");
  EXPECT_EQ(DumpTokens(Tokens("A B\n\n")), "0 1 A\n0 1 B\n2 4 \\x00\n");
  EXPECT_EQ(DumpTokens(Tokens("A B\n")), "0 1 A\n0 1 B\n");
  EXPECT_EQ(DumpTokens(Tokens("A B")), "0 1 A\n0 1 B\n");
  EXPECT_EQ(DumpTokens(Tokens("A\r\nB\r\n")), "0 1 A\n1 1 B\n");
  EXPECT_EQ(Tokens("").count(), 0);
  EXPECT_EQ(DumpTokens(Tokens("\n\n")), "2 4 \\x00\n");
}

// The end of input closes an open quoted text or block comment.
TEST(Tokenizer, UnterminatedQuoteAndComment) {
  EXPECT_EQ(DumpTokens(Tokens("X \"abc\ndef")), "0 1 X\n0 3 abc def\n");
  EXPECT_EQ(DumpTokens(Tokens("X \"abc\n")), "0 1 X\n0 3 abc\n");
  EXPECT_EQ(DumpTokens(Tokens("\"")), "0 3 \n");
  EXPECT_EQ(DumpTokens(Tokens("X/* abc")), "0 1 X\n");
  EXPECT_EQ(DumpTokens(Tokens("X /* abc\n def")), "0 1 X\n2 4 \\x00\n");
  EXPECT_EQ(DumpTokens(Tokens("\"a/* b\"")), "0 3 a\n");
  EXPECT_EQ(Tokens("/* nothing but a comment").count(), 0);
}

TEST(Tokenizer, BlockComments) {
  // The opening star counts for the end: "/*/" is a whole comment.
  EXPECT_EQ(DumpTokens(Tokens("A /*/ B */ C")), "0 1 A\n0 1 B\n0 4 *\n0 4 /\n0 1 C\n");
  // Two comments in a row, on a line fetched inside the first, and a
  // comment over several lines, which keeps counting the lines.
  EXPECT_EQ(DumpTokens(Tokens("A /*\n*//* x */B\n/*\n\n*/ C")), "0 1 A\n1 1 B\n4 1 C\n");
  // On a line fetched outside a comment, "*//*" holds the line's first
  // "//": the line is cut there, and the white space after the comment
  // leaves the token of the end.
  EXPECT_EQ(DumpTokens(Tokens("A /**//* x */B")), "0 1 A\n1 4 \\x00\n");
  // A line fetched inside a block comment is not cut at its "//".
  EXPECT_EQ(DumpTokens(Tokens("/*\n// */ B")), "1 1 B\n");
  // A line is cut when it is fetched, before its block comment is seen:
  // the "*/" after the "//" is gone and the comment runs on.
  EXPECT_EQ(DumpTokens(Tokens("/* // */ A\nB */ C")), "1 1 C\n");
  // A slash alone is a character.
  EXPECT_EQ(DumpTokens(Tokens("a/b")), "0 1 a\n0 4 /\n0 1 b\n");
}

// A line comment is judged by the quotes before its "//", counted from the
// quote state the line starts in.
TEST(Tokenizer, LineCommentsAndQuotes) {
  EXPECT_EQ(DumpTokens(Tokens("\"x\" // y \"\nZ")), "0 3 x\n1 1 Z\n");
  // The quote state is only counted for the cut: the quotes in a kept
  // comment are delivered and flip it as characters.
  EXPECT_EQ(DumpTokens(Tokens("\"a//b\" \"c\" // d\nE")),
            "0 3 a//b\n0 3 c\n0 4 /\n0 4 /\n0 1 d\n1 1 E\n");
  // A quoted text open at the line end: its next line counts from inside.
  EXPECT_EQ(DumpTokens(Tokens("\"a\nb\" // c\nD")), "0 3 a b\n2 1 D\n");
}

TEST(Tokenizer, TokensCarryTheirScriptsName) {
  CRcTokenList list = CRcTokenList::FromBytes(u"dir/app.rc", "A\nB");
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.TokenAt(0).FileName(), u"dir/app.rc");
  EXPECT_EQ(list.TokenAt(1).file, list.TokenAt(0).file);
}

TEST(TokenList, OutsideTheListIsTheEmptyToken) {
  CRcTokenList list = Tokens("A");
  for (int32_t index : {-1, 1, 1000}) {
    const CRcToken& token = list.TokenAt(index);
    EXPECT_EQ(token.text, u"");
    EXPECT_EQ(token.type, kTokenNone);
    EXPECT_EQ(token.line, -1);
    EXPECT_EQ(token.FileName(), u"");
  }
}

TEST(TokenList, AppendListKeepsOrderAndFiles) {
  CRcTokenList first = CRcTokenList::FromBytes(u"one.rc", "A B");
  CRcTokenList second = CRcTokenList::FromBytes(u"two.rc", "C\nD");
  first.AppendList(second);
  ASSERT_EQ(first.count(), 4);
  EXPECT_EQ(DumpTokens(first), "0 1 A\n0 1 B\n0 1 C\n1 1 D\n");
  EXPECT_EQ(first.TokenAt(1).FileName(), u"one.rc");
  EXPECT_EQ(first.TokenAt(2).FileName(), u"two.rc");
}

// The list grows past any fixed number of tokens.
TEST(TokenList, HoldsMoreThanTwoHundredThousandTokens) {
  std::string script;
  for (int i = 0; i < 250000; ++i) script += "x ";
  CRcTokenList list = Tokens(script);
  EXPECT_EQ(list.count(), 250001);
  EXPECT_EQ(list.TokenAt(249999).text, u"x");
}

// A list read as it is asked for, let go of behind the reader as a scan
// does: every token ahead, and those a little way back, keep their text,
// type, line and script, also where the texts of one token chunk share
// storage with those of the chunk before, and where the list held tokens
// of a script read whole before.
TEST(TokenList, ReadOnDemandAndLetGoBehindKeepsEveryTokenAhead) {
  const int kLines = 20000;
  auto text = [](int line) { return "text " + std::string(line % 200, 'x'); };
  std::string script;
  for (int i = 0; i < kLines; ++i) script += "NAME" + std::to_string(i) + " \"" + text(i) + "\" ,\n";
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("tolmeric-lazy-" + std::to_string(::getpid()) + ".rc");
  std::ofstream(path, std::ios::binary) << script;
  CRcTokenList list;
  list.ReadScript(u"first.rc", "FIRST \"text\" ,\n");
  const int32_t first = list.count();
  list.AddScriptFile(u"lazy.rc", path);
  std::vector<size_t> started;
  list.OnScriptStart([&started](size_t k) { started.push_back(k); });
  auto check = [&](int32_t i) {
    const CRcToken token = list.TokenAt(first + i);
    const int line = i / 3;
    ASSERT_EQ(token.line, line);
    ASSERT_EQ(token.FileName(), u"lazy.rc");
    const std::string expected[] = {"NAME" + std::to_string(line), text(line), ","};
    ASSERT_EQ(token.text, FromUtf8(expected[i % 3])) << i;
  };
  EXPECT_EQ(list.TokenAt(first - 2).FileName(), u"first.rc");
  for (int32_t i = 0; i < 3 * kLines; ++i) {
    list.ReleaseBefore(first + i);
    check(i);
    if (i >= 2000) check(i - 2000);
  }
  EXPECT_EQ(list.TokenAt(0).type, kTokenNone);  // let go
  EXPECT_TRUE(list.Has(0));
  EXPECT_EQ(list.count(), first + 3 * kLines);
  EXPECT_EQ(started, std::vector<size_t>{0});
  // A list let go after a few tokens, while its script is still read ahead.
  {
    CRcTokenList partly;
    partly.AddScriptFile(u"lazy.rc", path);
    EXPECT_EQ(partly.TokenAt(3).text, u"NAME1");
  }
  std::filesystem::remove(path);
}

TEST(TokenList, ReadsAFileAndReportsOneThatCannotBeOpened) {
  CRcTokenList list(u"comments.rc", std::filesystem::path(TOLMERIC_TEST_DATA) / "lexer/comments.rc");
  EXPECT_EQ(list.count(), 13);
  EXPECT_EQ(list.TokenAt(0).FileName(), u"comments.rc");
  try {
    CRcTokenList missing(u"missing.rc", std::filesystem::path(TOLMERIC_TEST_DATA) / "lexer/missing.rc");
    FAIL() << "no error for a missing script";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
  }
}

}  // namespace
}  // namespace tolmeric
