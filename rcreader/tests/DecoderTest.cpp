#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "rcreader/CodePageDecoder.h"
#include "rcreader/RcTokenList.h"
#include "rcreader/ScriptDecoder.h"
#include "rcreader/tests/TokenDump.h"
#include "translation/FileError.h"

namespace tolmeric {
namespace {

std::vector<std::u16string> Lines(const std::string& bytes) {
  CScriptDecoder decoder(bytes);
  std::vector<std::u16string> lines;
  std::u16string line;
  while (decoder.NextLine(line)) lines.push_back(line);
  return lines;
}

std::vector<std::u16string> QuotedTexts(const std::string& script, int defaultCodePage = 0) {
  CRcTokenList list = CRcTokenList::FromBytes(u"d.rc", script, defaultCodePage);
  std::vector<std::u16string> texts;
  for (int32_t i = 0; i < list.count(); ++i) {
    if (list.TokenAt(i).type == kTokenQuoted) texts.emplace_back(list.TokenAt(i).text);
  }
  return texts;
}

using Texts = std::vector<std::u16string>;

TEST(ScriptDecoder, SplitsLines) {
  EXPECT_EQ(Lines("a\nb\r\nc"), (Texts{u"a", u"b", u"c"}));
  EXPECT_EQ(Lines("a\n"), (Texts{u"a"}));
  EXPECT_EQ(Lines("a\n\n"), (Texts{u"a", u""}));
  EXPECT_EQ(Lines("\r\n"), (Texts{u""}));
  // A carriage return elsewhere stays in the line.
  EXPECT_EQ(Lines("a\rb\r\r\n"), (Texts{u"a\rb\r"}));
  EXPECT_EQ(Lines(""), Texts{});
}

TEST(ScriptDecoder, BytesAreCharactersUntilACodePageIsSelected) {
  EXPECT_EQ(Lines("\xC4\x80\xFF"), (Texts{u"\u00C4\u0080\u00FF"}));
}

// 95 5C and 83 5C are two Shift-JIS characters whose trail byte is a
// backslash; read byte for byte, "\x5C" "n" would become a line feed.
TEST(ScriptDecoder, ShiftJisTrailByteIsNoEscape) {
  std::string script = "#pragma code_page(932)\nCAPTION \"\x95\x5C\x83\x5Cn\"\n";
  EXPECT_EQ(QuotedTexts(script), (Texts{u"\u8868\u30BDn"}));
  // A lead byte without a fitting trail byte is one replacement character.
  EXPECT_EQ(QuotedTexts("#pragma code_page(932)\n\"\x81 x\x81\""), (Texts{u"\uFFFD x\uFFFD"}));
  // Half-width katakana are single bytes.
  EXPECT_EQ(QuotedTexts("#pragma code_page(932)\n\"\xB1\""), (Texts{u"\uFF71"}));
}

// A script compiled with a default code page (the resource compiler's /c):
// it reads the script until a pragma, and DEFAULT returns to it.
TEST(ScriptDecoder, DefaultCodePage) {
  const std::string western = "\"\x80 \x93x\x94\"\n";  // euro sign, curly quotes
  const std::u16string euro = u"\u20AC \u201Cx\u201D";
  const std::u16string bytes = u"\u0080 \u0093x\u0094";
  struct Case {
    std::string script;
    int defaultCodePage;
    Texts expected;
  };
  const Case cases[] = {
      {western, 1252, {euro}},
      {western, 0, {bytes}},
      {western, 437, {bytes}},  // unsupported: as without
      {"#pragma code_page(1251)\n\"\xCF\"\n#pragma code_page(DEFAULT)\n" + western, 1252,
       {u"\u041F", euro}},
      {"#pragma code_page(DEFAULT)\n" + western, 0, {bytes}},
      {"\xEF\xBB\xBF\"\xE2\x82\xAC\"", 1251, {u"\u20AC"}},  // a marked script keeps its encoding
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuotedTexts(c.script, c.defaultCodePage), c.expected)
        << c.script << " in " << c.defaultCodePage;
  }
}

TEST(ScriptDecoder, CodePagePragmas) {
  const std::string privet = "\"\xCF\xF0\xE8\xE2\xE5\xF2\"\n";
  const std::u16string cyrillic = u"\u041F\u0440\u0438\u0432\u0435\u0442";
  const std::u16string latin1 = u"\u00CF\u00F0\u00E8\u00E2\u00E5\u00F2";
  // The pragma changes the lines after it, not its own.
  EXPECT_EQ(QuotedTexts("#pragma code_page(1251) " + privet + privet), (Texts{latin1, cyrillic}));
  // DEFAULT returns to bytes; an unknown number changes nothing.
  EXPECT_EQ(QuotedTexts("#pragma code_page(1251)\n" + privet + "#pragma code_page(437)\n" + privet +
                        "#pragma code_page(DEFAULT)\n" + privet),
            (Texts{cyrillic, cyrillic, latin1}));
  EXPECT_EQ(QuotedTexts("#pragma code_page(437)\n" + privet), (Texts{latin1}));
  // Blanks and tabs around the parts; a line comment after it.
  EXPECT_EQ(QuotedTexts(" \t# pragma\tcode_page ( 1251\t) // Cyrillic\n" + privet), (Texts{cyrillic}));
  EXPECT_EQ(QuotedTexts("#pragma code_page(65001)\n\"\xC3\xA4\xE2\x82\""), (Texts{u"\u00E4\uFFFD"}));
}

TEST(ScriptDecoder, ParsesOnlyWholePragmas) {
  EXPECT_EQ(CScriptDecoder::ParseCodePagePragma(u"#pragma code_page(1252)"), 1252);
  EXPECT_EQ(CScriptDecoder::ParseCodePagePragma(u"#pragma code_page(DEFAULT)"), CScriptDecoder::kDefault);
  EXPECT_EQ(CScriptDecoder::ParseCodePagePragma(u"#pragma code_page(0)"), 0);
  EXPECT_EQ(CScriptDecoder::ParseCodePagePragma(u"#pragma code_page(12345678901)"),
            CScriptDecoder::kUnknownCodePage);
  for (const char16_t* line : {u"#pragmacode_page(1252)", u"#pragma code_page(1252", u"#pragma code_page()",
                               u"x #pragma code_page(1252)", u"#pragma Code_page(1252)", u"#pragma code_page(default)",
                               u"#pragma code_page"}) {
    EXPECT_EQ(CScriptDecoder::ParseCodePagePragma(line), CScriptDecoder::kNoPragma) << std::u16string(line).size();
  }
}

TEST(ScriptDecoder, Utf16WithMarkInEitherByteOrder) {
  // The mark, then A CR LF " U+00E4 U+20AC " and an odd last byte.
  const std::string little("\xFF\xFE" "A\0\r\0\n\0\"\0\xE4\0\xAC\x20\"\0\x41", 17);
  const std::string big("\xFE\xFF" "\0A\0\r\0\n\0\"\0\xE4\x20\xAC\0\"\x41", 17);
  for (const std::string& script : {little, big}) {
    EXPECT_EQ(Lines(script), (Texts{u"A", u"\"\u00E4\u20AC\""}));
    CRcTokenList list = CRcTokenList::FromBytes(u"w.rc", script);
    EXPECT_EQ(DumpTokens(list), "0 1 A\n1 3 \u00E4\u20AC\n");
    EXPECT_EQ(Lines(script.substr(0, 2)), Texts{});
    EXPECT_FALSE(CScriptDecoder::IsBinary(script));
  }
  // NUL bytes anywhere else make a binary file.
  EXPECT_TRUE(CScriptDecoder::IsBinary(std::string("\x7F" "ELF\x02\x01", 6) + '\0'));
  EXPECT_TRUE(CScriptDecoder::IsBinary(std::string("\xEF\xBB\xBF" "A\0", 5)));
  EXPECT_TRUE(CScriptDecoder::IsBinary(std::string("A\0B\0", 4)));
  EXPECT_FALSE(CScriptDecoder::IsBinary("STRINGTABLE BEGIN END\n"));
}

TEST(ScriptDecoder, Utf8WithMark) {
  EXPECT_EQ(QuotedTexts("\xEF\xBB\xBF\"a\xE2\x82" "b\xC0\xC3\xA4\""), (Texts{u"a\uFFFDb\uFFFD\u00E4"}));
  // The mark is dropped, and a pragma does not change a marked script.
  EXPECT_EQ(Lines("\xEF\xBB\xBF#pragma code_page(1251)\n\xC3\xA4"), (Texts{u"#pragma code_page(1251)", u"\u00E4"}));
}

// A script read from its file in blocks gives the lines it gives whole,
// whatever the block size: lines, CR LF pairs, marks and UTF-16 units
// cross block ends.
TEST(ScriptDecoder, ReadsAFileInBlocks) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tolmeric_script_blocks_test.rc";
  const std::string scripts[] = {
      "first line\r\nsecond\rthird\r\r\n\nlast",
      "#pragma code_page(1251)\n\xCF\xF0\n#pragma code_page(DEFAULT)\n\xCF\r",
      "\xEF\xBB\xBF\xC3\xA4\r\n\xE2\x82\xAC",
      std::string("\xFF\xFE" "A\0\r\0\n\0\xE4\0\xAC\x20\r\0\r\0\n\0\x41", 19),
      std::string("\xFE\xFF" "\0A\0\r\0\n\0\xE4\x20\xAC\0\r\0\r\0\n\x41", 19),
  };
  for (const std::string& script : scripts) {
    std::ofstream(path, std::ios::binary) << script;
    for (bool loneCrEndsLine : {false, true}) {
      CScriptDecoder whole(script, 0, loneCrEndsLine);
      Texts expected;
      std::u16string line;
      while (whole.NextLine(line)) expected.push_back(line);
      for (size_t blockSize = 2; blockSize <= 7; ++blockSize) {
        CScriptDecoder blocks(std::make_unique<CScriptFile>(path, blockSize), 0, loneCrEndsLine);
        Texts lines;
        while (blocks.NextLine(line)) lines.push_back(line);
        EXPECT_EQ(lines, expected) << script << " in blocks of " << blockSize;
      }
    }
  }
  // NUL bytes are found in any block; a UTF-16 script may have them.
  for (const std::string& script : {std::string("AB\nCD\0", 7), scripts[3]}) {
    std::ofstream(path, std::ios::binary) << script;
    EXPECT_EQ(CScriptFile(path, 2).binary(), CScriptDecoder::IsBinary(script));
  }
  try {
    CScriptFile(path, 2).RefuseBinary();
    CScriptFile(path.string() + "-missing");
    FAIL() << "no error for a missing script";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
  }
  std::ofstream(path, std::ios::binary) << std::string("A\0", 2);
  EXPECT_THROW(CScriptFile(path).RefuseBinary(), CFileError);
  std::filesystem::remove(path);
}

// A character above U+FFFF is a surrogate pair: two tokens of their own
// outside quotes, kept together inside.
TEST(ScriptDecoder, SurrogatePairs) {
  CRcTokenList list = CRcTokenList::FromBytes(u"e.rc", "\xEF\xBB\xBF\xF0\x9F\x98\x80 \"\xF0\x9F\x98\x80\"");
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.TokenAt(0).text, u"\xD83D");
  EXPECT_EQ(list.TokenAt(1).text, u"\xDE00");
  EXPECT_EQ(list.TokenAt(2).text, u"\U0001F600");
}

// Every single-byte code page: the bytes below 0x80 are ASCII, and an
// assigned byte differs from its own value (one the page leaves open keeps
// it). The table is the same on every platform.
TEST(CodePageDecoder, SingleBytePages) {
  struct Sample {
    int codePage;
    char byte;
    char16_t expected;
  };
  const Sample samples[] = {
      {874, '\xA1', u'\u0E01'},  {874, '\x80', u'\u20AC'},  {874, '\xDB', u'\u00DB'},
      {1250, '\x8A', u'\u0160'}, {1250, '\xB9', u'\u0105'}, {1251, '\xC0', u'\u0410'},
      {1251, '\x98', u'\u0098'}, {1252, '\x80', u'\u20AC'}, {1252, '\x81', u'\u0081'},
      {1253, '\xC1', u'\u0391'}, {1253, '\xAA', u'\u00AA'}, {1254, '\xD0', u'\u011E'},
      {1255, '\xE0', u'\u05D0'}, {1255, '\xCA', u'\u05BA'}, {1255, '\xD9', u'\u00D9'}, {1256, '\xC7', u'\u0627'},
      {1257, '\xC0', u'\u0104'}, {1258, '\xC3', u'\u0102'}, {1258, '\xDE', u'\u0303'}, {1258, '\xFE', u'\u20AB'},
  };
  for (const Sample& sample : samples) {
    SCOPED_TRACE(sample.codePage);
    ASSERT_TRUE(CCodePageDecoder::IsSupported(sample.codePage));
    CCodePageDecoder decoder(sample.codePage);
    EXPECT_EQ(decoder.Decode(std::string(1, sample.byte)), std::u16string(1, sample.expected));
    EXPECT_EQ(decoder.Decode("Az\x7F"), u"Az\x7F");
  }
  for (int unknown : {0, 437, 1200, 1259, 20127}) EXPECT_FALSE(CCodePageDecoder::IsSupported(unknown));
}

TEST(CodePageDecoder, DoubleBytePages) {
  // "Chinese" in GBK and Big5, "Korean" in UHC.
  EXPECT_EQ(CCodePageDecoder(936).Decode("\xD6\xD0\xCE\xC4"), u"\u4E2D\u6587");
  EXPECT_EQ(CCodePageDecoder(950).Decode("\xA4\xA4\xA4\xE5"), u"\u4E2D\u6587");
  EXPECT_EQ(CCodePageDecoder(949).Decode("\xC7\xD1\xB1\xB9\xBE\xEE"), u"\uD55C\uAD6D\uC5B4");
  // A lead byte at the end of the line starts no character.
  EXPECT_EQ(CCodePageDecoder(950).Decode("a\xA4"), u"a\uFFFD");
  EXPECT_EQ(CCodePageDecoder(932).Decode("\xFF"), u"\uFFFD");
}

// A digest of every single byte and every byte pair decoded on its own,
// per code page. The expected digests are those of Windows' tables: the
// native build, which uses the C library's converters, and the Windows build
// must both arrive at them.
uint32_t DecodingDigest(int codePage) {
  CCodePageDecoder decoder(codePage);
  uint32_t hash = 2166136261u;
  auto add = [&hash](const std::u16string& text) {
    for (char16_t c : text) {
      hash = (hash ^ (c & 0xFF)) * 16777619u;
      hash = (hash ^ (c >> 8)) * 16777619u;
    }
    hash = (hash ^ 0xFFu) * 16777619u;
  };
  for (int b = 0; b < 256; ++b) add(decoder.Decode(std::string(1, static_cast<char>(b))));
  for (int lead = 0x81; lead < 0xFF; ++lead) {
    for (int trail = 0x40; trail < 0xFF; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      add(decoder.Decode(std::string(pair, 2)));
    }
  }
  return hash;
}

TEST(CodePageDecoder, SameTablesOnEveryPlatform) {
  std::string expected = ReadTestFile("lexer/codepages.digest");
  std::string actual;
  for (int codePage : {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
    char line[32];
    std::snprintf(line, sizeof line, "%d %08X\n", codePage, static_cast<unsigned>(DecodingDigest(codePage)));
    actual += line;
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace tolmeric
