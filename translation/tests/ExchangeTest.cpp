// Exchange with translators: PO and XLIFF files, contexts, import, update
// and checks, on small trees built here.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "translation/Archive.h"
#include "translation/ExchangeDocument.h"
#include "translation/PoFile.h"
#include "translation/PrintfFormat.h"
#include "translation/TextTreeDump.h"
#include "translation/TranslationCheck.h"
#include "translation/TranslationUpdate.h"
#include "translation/Utf.h"
#include "translation/XliffFile.h"

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tolmeric {
namespace {

std::string Data(const std::string& name) {
  std::ifstream in(std::string(TOLMERIC_TEST_DATA) + "/exchange/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// True when work throws CContextTooLong. Natively (without the address
// sanitizer, which reserves terabytes) it runs in a child process limited
// to 1 GiB of address space, so a regression fails instead of exhausting
// the machine.
bool RefusedWithinMemory(const std::function<void()>& work) {
  auto refused = [&] {
    try {
      work();
    } catch (const CContextTooLong&) {
      return true;
    } catch (...) {
    }
    return false;
  };
#if defined(_WIN32) || defined(__SANITIZE_ADDRESS__)
  return refused();
#else
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{1ul << 30, 1ul << 30};
    setrlimit(RLIMIT_AS, &limit);
    _exit(refused() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

CTextNode& Add(CTextNode& parent, const std::u16string& base, int32_t kind, int32_t width = -1,
               int32_t height = -1) {
  auto node = std::make_unique<CTextNode>(&parent, base, base, kind, width, height);
  CTextNode& added = *node;
  parent.AddChild(std::move(node));
  return added;
}

// A scan of a small application: a menu, two dialogs (one with two equal
// buttons and texts with the escaped characters), a string table.
std::unique_ptr<CLanguageData> Scan(bool renamed = false) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  CTextNode& menus = Add(*root, u"Menus", kKindMenuCategory);
  CTextNode& menu = Add(menus, u"IDR_MAIN", kKindMenu);
  CTextNode& file = Add(menu, u"&File", kKindPopup);
  Add(file, u"&Open...\tCtrl+O", kKindMenuItem);
  if (!renamed) Add(file, u"E&xit", kKindMenuItem);
  CTextNode& dialogs = Add(*root, u"Dialoge", kKindDialogCategory);
  CTextNode& find = Add(dialogs, renamed ? u"Search" : u"Find", kKindDialog, 200, 60);
  Add(find, u"Fi&nd what:", kKindStaticText, 40, 8);
  Add(find, renamed ? u"&Search" : u"&Find", kKindPushButton, 50, 14);
  Add(find, u"Cancel", kKindPushButton, 50, 14);
  CTextNode& odd = Add(dialogs, u"A/B #1", kKindDialog, 100, 40);
  Add(odd, u"OK", kKindPushButton, 50, 14);
  Add(odd, u"OK", kKindPushButton, 50, 14);
  if (renamed) {
    CTextNode& fresh = Add(dialogs, u"Options", kKindDialog, 120, 60);
    Add(fresh, u"&Wrap", kKindControl, 80, 10);
  }
  CTextNode& strings = Add(*root, u"Stringtables", kKindStringTableCategory);
  CTextNode& table = Add(strings, u"StringTable1", kKindStringTable);
  Add(table, u"Save changes to %s?", kKindStringEntry);
  Add(table, u"Line\\one\nLine two", kKindStringEntry);
  Add(table, u"", kKindStringEntry);
  root->ResetStates();
  auto data = std::make_unique<CLanguageData>(std::move(root));
  data->programName = u"demo";
  data->programVersion = u"1.0";
  data->languageName = u"English";
  return data;
}

std::vector<std::u16string> Contexts(const CTextNode& root) {
  std::vector<std::u16string> contexts;
  for (const CExchangeEntry& entry : CollectEntries(root)) contexts.push_back(entry.context);
  return contexts;
}

std::vector<uint8_t> Bytes(const CLanguageData& data) {
  CArchive archive = CArchive::ForStoring("bytes");
  const_cast<CLanguageData&>(data).Serialize(archive);
  return archive.Bytes();
}

TEST(ExchangeContext, NamesEveryShownTextOnceAndReadably) {
  auto data = Scan();
  const std::vector<std::u16string> expected = {
      u"Menus/IDR_MAIN/&File",
      u"Menus/IDR_MAIN/&File/&Open...\\tCtrl+O",
      u"Menus/IDR_MAIN/&File/E&xit",
      u"Dialoge/Find",
      u"Dialoge/Find/Fi&nd what:",
      u"Dialoge/Find/&Find",
      u"Dialoge/Find/Cancel",
      u"Dialoge/A\\/B \\#1",
      u"Dialoge/A\\/B \\#1/OK",
      u"Dialoge/A\\/B \\#1/OK#2",
      u"Stringtables/StringTable1/Save changes to %s?",
      u"Stringtables/StringTable1/Line\\\\one\\nLine two",
  };
  EXPECT_EQ(Contexts(*data->root), expected);
  EXPECT_EQ(ParentContext(u"Dialoge/A\\/B \\#1/OK#2"), u"Dialoge/A\\/B \\#1");
  EXPECT_EQ(ParentContext(u"Dialoge"), u"");
}

// A hostile file nests popups thousands deep: naming them is refused
// before the contexts grow quadratic.
TEST(ExchangeContext, RefusesTextsNestedTooDeepToName) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  CTextNode* node = &Add(*root, u"Menus", kKindMenuCategory);
  for (int i = 0; i < 4000; ++i) node = &Add(*node, std::u16string(100, u'x'), kKindPopup);
  // Unbounded, the contexts alone would take about 1.6 GB.
  EXPECT_TRUE(RefusedWithinMemory([&] { CollectEntries(*root); }));
  EXPECT_TRUE(RefusedWithinMemory([&] { NodesByContext(*root); }));
}

TEST(PoFile, ReadsEveryConstructAndWritesItAsGettextDoes) {
  const CPoFile file = ReadPoFile(Data("grammar.po"), "grammar.po");
  ASSERT_EQ(file.entries.size(), 5u);
  const CPoEntry& open = file.entries[1];
  EXPECT_EQ(open.line, 7);
  EXPECT_EQ(open.context, "Dialoge/Open/&Open \\#1");
  EXPECT_EQ(open.msgstr, "\xC3\x96&ffnen %s");
  EXPECT_EQ(open.references, (std::vector<std::string>{"demo.rc:12", "demo.rc:40"}));
  EXPECT_EQ(open.flags, (std::vector<std::string>{"fuzzy", "c-format"}));
  EXPECT_EQ(file.entries[2].msgid, "Two\nlines");
  EXPECT_EQ(file.entries[3].msgid, "tab\there \"quoted\" back\\slash\n");
  EXPECT_TRUE(file.entries[4].obsolete);
  EXPECT_EQ(file.HeaderField("Project-Id-Version"), "demo 1.0");
  EXPECT_EQ(WritePoFile(file), Data("grammar.expected.po"));
}

// Either reader, chosen by content as the commands choose it.
TEST(ExchangeReaders, RefuseMalformedFilesWithLineAndReason) {
  const std::string header = "msgid \"\"\nmsgstr \"\"\n\n";
  const std::string unitStart =
      "<xliff version=\"1.2\"><file source-language=\"en\" datatype=\"x\" original=\"o\"><body>\n";
  const std::string unitEnd = "</body></file></xliff>\n";
  const struct {
    std::string text;
    std::string message;
  } kCases[] = {
      {"msgid \"open\nmsgstr \"\"\n", "t:1: missing closing quote"},
      {"msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"\"\n",
       "t:2: plural forms (msgid_plural) are not supported: a language file has one text "
       "per message"},
      {"msgid \"a\"\nmsgstr[0] \"b\"\n", "t:2: plural forms (msgstr[N]) are not supported"},
      {"msgid \"a\\q\"\nmsgstr \"\"\n", "t:1: invalid escape sequence \\q"},
      {"msgid \"a\" x\nmsgstr \"\"\n", "t:1: text after the closing quote"},
      {"msgid \"a\"\n\n", "t:2: msgstr expected after msgid"},
      {"#. lonely\n", "t:1: comments without a message (msgid expected)"},
      {"msgstr \"b\"\n", "t:1: msgid expected"},
      {header + "msgid \"a\"\nmsgstr \"\"\n\nmsgid \"a\"\nmsgstr \"\"\n",
       "t:7: duplicate message definition (first at line 4)"},
      {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n",
       "t:1: character set ISO-8859-1 is not supported; convert the file to UTF-8 "
       "(msgconv --to-code=UTF-8)"},
      {"msgid \"caf\xE9\"\nmsgstr \"\"\n", "t:1: invalid UTF-8"},
      // The XML library's own words follow the colon.
      {"<xliff>\n<file>\n</xliff>\n", "t:3: not well-formed XML"},
      {"<?xml version=\"1.0\"?>\n<html/>\n",
       "t:2: not an XLIFF document: the root element is <html>"},
      {unitStart + "<trans-unit id=\"1\"><target>x</target></trans-unit>\n" + unitEnd,
       "t:2: <trans-unit> without <source>"},
      {unitStart + "<trans-unit id=\"1\">\n<source>a <g id=\"1\">b</g></source></trans-unit>" +
           unitEnd,
       "t:3: inline element <g> in <source> is not supported"},
      {"<xliff>" + Repeat("<group>", 100) + Repeat("</group>", 100) + "</xliff>",
       "t:1: elements nested too deep"},
  };
  for (const auto& c : kCases) {
    try {
      ReadExchangeDocument(c.text, "t");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const CFormatError& error) {
      const std::string message = error.what();
      if (c.message.find("not well-formed") != std::string::npos) {
        EXPECT_EQ(message.substr(0, c.message.size()), c.message) << c.text;
      } else {
        EXPECT_EQ(message, c.message) << c.text;
      }
    }
  }
}

// A translated file with a review mark and a new text: exported and
// imported unchanged it gives the same bytes, in both formats.
TEST(ExchangeRoundTrip, ExportThenImportGivesTheSameLanguageFile) {
  auto data = Scan();
  CTextNode& find = *data->root->ChildAt(1)->ChildAt(0);
  find.text = u"Suchen";
  find.ChildAt(0)->text = u"&Suchen nach:";
  find.ChildAt(1)->text = u"Weitersuchen";
  find.ChildAt(1)->state = kStateNeedsReview;
  find.ChildAt(2)->state = kStateLeafMissing;
  // The states a merge gives: a gap below makes every node above it 2.
  find.state = kStateSomeMissing;
  data->root->ChildAt(1)->state = kStateSomeMissing;
  data->root->state = kStateSomeMissing;
  data->languageName = u"Deutsch";
  const std::vector<uint8_t> before = Bytes(*data);

  for (bool xliff : {false, true}) {
    const CExchangeDocument document = MakeExchangeDocument(*data, {"en", ""});
    EXPECT_EQ(document.header.targetLanguage, "de");
    const std::string text =
        xliff ? WriteXliffDocument(document) : WritePoDocument(document);
    auto copy = data->Copy();
    const CExchangeDocument read = ReadExchangeDocument(text, "x");
    const CImportCounts counts = ApplyEntries(*copy->root, read.entries, false);
    EXPECT_EQ(counts.translated, 2) << xliff;
    EXPECT_EQ(counts.fuzzySkipped, 1) << xliff;
    EXPECT_EQ(DumpTextTree(*copy->root), DumpTextTree(*data->root)) << (xliff ? "xliff" : "po");
    EXPECT_EQ(Bytes(*copy), before) << (xliff ? "xliff" : "po");
  }
}

TEST(ExchangeImport, CountsAndTakesEntriesAsAsked) {
  const std::string po =
      "msgctxt \"Dialoge/Find\"\nmsgid \"Find\"\nmsgstr \"Suchen\"\n\n"
      "#, fuzzy\nmsgctxt \"Dialoge/Find/Cancel\"\nmsgid \"Cancel\"\nmsgstr \"Abbrechen\"\n\n"
      "msgctxt \"Dialoge/Find/&Find\"\nmsgid \"&Find\"\nmsgstr \"\"\n\n"
      "msgctxt \"Dialoge/Gone\"\nmsgid \"Gone\"\nmsgstr \"Weg\"\n\n"
      "msgid \"OK\"\nmsgstr \"Gut\"\n\n"
      "#~ msgctxt \"Dialoge/Find\"\n#~ msgid \"Find\"\n#~ msgstr \"Alt\"\n";
  const CExchangeDocument document = ReadPoDocument(po, "t.po");
  for (bool takeFuzzy : {false, true}) {
    auto data = Scan();
    const CImportCounts counts = ApplyEntries(*data->root, document.entries, takeFuzzy);
    EXPECT_EQ(counts.translated, 2);  // the caption, and OK without context
    EXPECT_EQ(counts.untranslated, 1);
    EXPECT_EQ(counts.fuzzySkipped, takeFuzzy ? 0 : 1);
    EXPECT_EQ(counts.fuzzyTaken, takeFuzzy ? 1 : 0);
    EXPECT_EQ(counts.unknown, 1);
    const CTextNode& find = *data->root->ChildAt(1)->ChildAt(0);
    EXPECT_EQ(find.text, u"Suchen");
    EXPECT_EQ(find.ChildAt(2)->text, takeFuzzy ? u"Abbrechen" : u"Cancel");
    const CTextNode& odd = *data->root->ChildAt(1)->ChildAt(1);
    EXPECT_EQ(odd.ChildAt(0)->text, u"Gut");
    EXPECT_EQ(odd.ChildAt(1)->text, u"Gut");
  }
}

// A translation written by translate-toolkit's converter: no contexts, the
// catalogue header as a unit, fuzzy as a state that asks for translation.
TEST(ExchangeImport, TakesXliffAsConvertersWriteIt) {
  const std::string xliff =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.1\" version=\"1.1\">\n"
      "<file original=\"t.po\" source-language=\"en-US\" datatype=\"po\"><body>\n"
      "<trans-unit id=\"1\" approved=\"no\" restype=\"x-gettext-domain-header\">"
      "<source>Content-Type: text/plain\n</source></trans-unit>\n"
      "<trans-unit id=\"2\" approved=\"yes\"><source>Cancel</source>"
      "<target state=\"translated\">Abbrechen</target></trans-unit>\n"
      "<trans-unit id=\"3\" approved=\"no\"><source>Find</source>"
      "<target state=\"needs-translation\">Suche</target></trans-unit>\n"
      "</body></file></xliff>\n";
  auto data = Scan();
  const CImportCounts counts =
      ApplyEntries(*data->root, ReadXliffDocument(xliff, "t.xlf").entries, false);
  EXPECT_EQ(counts.translated, 1);
  EXPECT_EQ(counts.fuzzySkipped, 1);
  EXPECT_EQ(counts.unknown, 0);
  EXPECT_EQ(data->root->ChildAt(1)->ChildAt(0)->ChildAt(2)->text, u"Abbrechen");
  EXPECT_EQ(data->root->ChildAt(1)->ChildAt(0)->text, u"Find");
}

// The resources changed: a dialog caption and a button renamed, a menu item
// removed, a dialog added.
TEST(TranslationUpdate, CarriesTranslationsAndMarksWhatNeedsATranslator) {
  auto older = Scan();
  older->languageName = u"Deutsch";
  CTextNode& find = *older->root->ChildAt(1)->ChildAt(0);
  find.text = u"Suchen";
  find.ChildAt(0)->text = u"Suchen &nach:";
  find.ChildAt(1)->text = u"&Weitersuchen";
  find.ChildAt(2)->text = u"Abbrechen";
  older->root->ChildAt(0)->ChildAt(0)->ChildAt(0)->ChildAt(1)->text = u"&Beenden";

  CUpdateCounts counts;
  auto result = UpdateTranslation(*older, *Scan(true), &counts);
  EXPECT_EQ(result->languageName, u"Deutsch");
  std::vector<std::string> lines;
  for (const CExchangeEntry& entry : CollectEntries(*result->root)) {
    lines.push_back(ToUtf8(entry.context) + " = " + ToUtf8(entry.target) +
                    (entry.fuzzy ? " fuzzy" : "") + (entry.isNew ? " new" : ""));
  }
  const std::vector<std::string> expected = {
      "Menus/IDR_MAIN/&File = ",
      "Menus/IDR_MAIN/&File/&Open...\\tCtrl+O = ",
      "Dialoge/Search = Suchen fuzzy",
      "Dialoge/Search/Fi&nd what: = Suchen &nach:",
      "Dialoge/Search/&Search =  new",
      "Dialoge/Search/Cancel = Abbrechen",
      "Dialoge/A\\/B \\#1 = ",
      "Dialoge/A\\/B \\#1/OK = ",
      "Dialoge/A\\/B \\#1/OK#2 = ",
      "Dialoge/Options =  new",
      "Dialoge/Options/&Wrap =  new",
      "Stringtables/StringTable1/Save changes to %s? = ",
      "Stringtables/StringTable1/Line\\\\one\\nLine two = ",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(counts.carried, 2);
  EXPECT_EQ(counts.review, 1);
  EXPECT_EQ(counts.added, 3);
  // Exit, the renamed button, and the first of two equal buttons: the best
  // match takes the later of equal siblings for both.
  EXPECT_EQ(counts.dropped, 3);

  // The marks show on export as fuzzy (PO) and as the target's state.
  const CExchangeDocument document = MakeExchangeDocument(*result, {});
  const std::string po = WritePoDocument(document);
  EXPECT_NE(po.find("#, fuzzy\nmsgctxt \"Dialoge/Search\""), std::string::npos);
  const std::string xliff = WriteXliffDocument(document);
  EXPECT_NE(xliff.find("<target state=\"needs-review-translation\">Suchen</target>"),
            std::string::npos);
  EXPECT_NE(xliff.find("<target state=\"new\""), std::string::npos);
}

TEST(PrintfFormat, ReadsConversionsAsPrintfDoes) {
  const struct {
    std::u16string text;
    std::vector<std::string> conversions;
    bool wellFormed;
  } kCases[] = {
      {u"%s of %d", {"s", "d"}, true},
      {u"100%% %-5.2f %ld %I64u %1$s", {"f", "ld", "I64u", "s"}, true},
      {u"50% off", {"o"}, true},  // "% o" is a conversion with the blank flag
      {u"at 50%", {}, false},
      {u"no conversions", {}, true},
  };
  for (const auto& c : kCases) {
    const CPrintfConversions read = ReadPrintfConversions(c.text);
    EXPECT_EQ(read.conversions, c.conversions) << ToUtf8(c.text);
    EXPECT_EQ(read.wellFormed, c.wellFormed) << ToUtf8(c.text);
  }
}

TEST(TranslationCheck, EveryCheckFiresWhereItMustAndOnlyThere) {
  auto item = [](std::u16string context, std::u16string source, std::u16string target,
                 int32_t kind, int32_t width = -1, int32_t height = -1) {
    CCheckItem i;
    i.context = std::move(context);
    i.source = std::move(source);
    i.translated = !target.empty();
    i.target = i.translated ? std::move(target) : i.source;
    i.kind = kind;
    i.width = width;
    i.height = height;
    i.where = ToUtf8(i.context);
    return i;
  };
  const struct {
    std::vector<CCheckItem> items;
    std::vector<std::string> findings;
  } kCases[] = {
      {{item(u"S/1", u"Saved %s in %d s", u"%d s: %s gespeichert", kKindStringEntry)},
       {"S/1: printf conversions differ from the base text: base has %s %d, translation has "
        "%d %s"}},
      {{item(u"S/1", u"Saved %s", u"%s gespeichert", kKindStringEntry)}, {}},
      {{item(u"S/1", u"%s files", u"%s Dateien 100%", kKindStringEntry)},
       {"S/1: printf conversions differ from the base text: base has %s, translation has %s "
        "and a stray %"}},
      {{item(u"D/&Open", u"&Open", u"Öffnen", kKindPushButton)},
       {"D/&Open: hotkey dropped: the base text \"&Open\" has one, the translation "
        "\"Öffnen\" none"}},
      {{item(u"D/&Open", u"&Open", u"Ö&ffnen", kKindPushButton),
        item(u"D/&Find", u"&Find", u"&Finden", kKindPushButton)},
       {"D/&Find: hotkey &F of \"&Finden\" is also used by \"Ö&ffnen\" (D/&Open)"}},
      // Equal hotkeys on different levels, and "&&", are no finding.
      {{item(u"D/&Open", u"&Open", u"Ö&ffnen", kKindPushButton),
        item(u"E/&Find", u"&Find", u"&Finden", kKindPushButton),
        item(u"D/A && B", u"A && B", u"A && F", kKindStaticText)},
       {}},
      {{item(u"S/1", u"Ready", u"", kKindStringEntry)}, {"S/1: untranslated: \"Ready\""}},
      {{item(u"S/1", u"...", u"", kKindStringEntry)}, {}},
      {{item(u"D/Cancel", u"Cancel", u"Abbruch der Suche", kKindPushButton, 50, 14)},
       {"D/Cancel: translation \"Abbruch der Suche\" needs about 68 dialog units, its control "
        "has 50"}},
      {{item(u"D/Cancel", u"Cancel", u"Abbrechen", kKindPushButton, 50, 14),
        item(u"D/Note", u"A long note.", u"Ein langer Hinweis hier", kKindStaticText, 50, 16)},
       {}},
      {{item(u"S/1", u"Name: ", u"Name:", kKindStringEntry),
        item(u"S/2", u"\nDone", u"Fertig", kKindStringEntry)},
       {"S/1: trailing blanks or line feeds differ from the base text",
        "S/2: leading blanks or line feeds differ from the base text"}},
      {{item(u"S/1", u" Name:\n", u" Name:\n", kKindStringEntry)}, {}},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> findings;
    for (const CFinding& finding : CheckTranslation(c.items)) {
      findings.push_back(finding.where + ": " + finding.message);
    }
    EXPECT_EQ(findings, c.findings) << c.items.front().where;
  }
}

}  // namespace
}  // namespace tolmeric
