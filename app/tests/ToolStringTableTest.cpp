#include <gtest/gtest.h>

#include <map>

#include "app/ToolStringTable.h"
#include "rcreader/RcTokenList.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolmeric {
namespace {

// The entries of the resource script's STRINGTABLE as the script reader
// sees them: STRINGTABLE BEGIN number "text" ... END.
std::map<uint32_t, std::u16string> ReadScriptStrings() {
  CRcTokenList list(u"Tolmeric.rc", std::filesystem::path(TOLMERIC_RC_PATH));
  std::map<uint32_t, std::u16string> strings;
  int32_t i = 0;
  while (i < list.count() && !list.TokenAt(i).Is(u"STRINGTABLE")) ++i;
  EXPECT_TRUE(list.TokenAt(i + 1).Is(u"BEGIN"));
  for (i += 2; i < list.count() && !list.TokenAt(i).Is(u"END"); i += 2) {
    const CRcToken& number = list.TokenAt(i);
    const CRcToken& text = list.TokenAt(i + 1);
    EXPECT_EQ(number.type, kTokenNumber) << "token " << i;
    EXPECT_EQ(text.type, kTokenQuoted) << "token " << i + 1;
    strings[static_cast<uint32_t>(std::stoul(std::string(number.text.begin(), number.text.end())))] = text.text;
  }
  EXPECT_TRUE(list.TokenAt(i).Is(u"END"));
  return strings;
}

TEST(ToolStringTable, ExactTexts) {
  CToolStringTable strings;
  EXPECT_EQ(strings.LoadString(113), u"!Fehler bei Sektion in Resource-Datei!");
  EXPECT_EQ(strings.LoadString(133), u"----------- Scanne Ressourcen --------\r\n");
  EXPECT_EQ(strings.LoadString(1008),
            u"Warnung! Sie haben eine Sprache einer \u00e4lteren Programmversion gew\u00e4hlt.\n"
            u"Evtl. werden nicht alle Texte des Programmes in der richtigen Sprache angezeigt.");
  EXPECT_EQ(strings.LoadString(139), u"Deutsch");
  EXPECT_EQ(strings.LoadString(102), u"\u00d6ffnet anderes Projekt");
  EXPECT_EQ(strings.LoadString(200), u"Version %i.%i%02i");
  EXPECT_EQ(strings.LoadString(61215),
            u"Der Kommandozeilen-Parameter ist nicht korrekt. Es sind folgende Optionen erlaubt:\n"
            u"     -p ProjectName\n     -P ProjectName\n"
            u"wobei ProjectName der Name eines Visual C++ - Projektes ist.");
}

TEST(ToolStringTable, UnknownNumbersAreEmpty) {
  CToolStringTable strings;
  for (uint32_t id : {0u, 101u, 138u, 61213u, 65535u, 4000000000u}) {
    EXPECT_EQ(strings.LoadString(id), u"") << id;
    EXPECT_FALSE(strings.Contains(id)) << id;
  }
}

// Every number the tool and the reader load is in the table.
TEST(ToolStringTable, HoldsEveryNumberTheToolUses) {
  CToolStringTable strings;
  std::vector<uint32_t> wanted;
  for (uint32_t id = 102; id <= 139; ++id) {
    if (id != 138) wanted.push_back(id);
  }
  for (uint32_t id = 1000; id <= 1011; ++id) wanted.push_back(id);
  for (uint32_t id = 61204; id <= 61216; ++id) {
    if (id != 61213) wanted.push_back(id);
  }
  wanted.push_back(150);
  wanted.push_back(200);
  for (uint32_t id : wanted) EXPECT_FALSE(strings.LoadString(id).empty()) << id;
  EXPECT_EQ(strings.Ids().size(), wanted.size());
}

// The generated table and the script reader agree on every entry: the
// build derives the same texts the reader (and the resource compiler) read.
TEST(ToolStringTable, MatchesTheScriptAsTheReaderReadsIt) {
  CToolStringTable strings;
  std::map<uint32_t, std::u16string> script = ReadScriptStrings();
  std::vector<uint32_t> ids = strings.Ids();
  ASSERT_EQ(ids.size(), script.size());
  for (uint32_t id : ids) {
    ASSERT_TRUE(script.count(id)) << id;
    EXPECT_EQ(strings.LoadString(id), script[id]) << id;
  }
}

#ifdef _WIN32
// The resource compiler's table, linked into this program, holds the same
// strings as the generated one.
TEST(ToolStringTable, MatchesTheCompiledResource) {
  CToolStringTable strings;
  for (uint32_t id : strings.Ids()) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    ASSERT_GT(length, 0) << id;
    std::u16string loaded(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
    EXPECT_EQ(loaded, strings.LoadString(id)) << id;
  }
  const wchar_t* none = nullptr;
  EXPECT_EQ(LoadStringW(GetModuleHandleW(nullptr), 138, reinterpret_cast<LPWSTR>(&none), 0), 0);
}
#endif

}  // namespace
}  // namespace tolmeric
