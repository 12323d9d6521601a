// The switch dialog's decisions: which language files it lists, where its
// controls go, what OK does, and where its texts come from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/LanguageFileCollection.h"
#include "runtime/LanguageFileReader.h"
#include "runtime/SwitchDialogLayout.h"
#include "runtime/SwitchDialogSelection.h"
#include "runtime/SwitchDialogTexts.h"
#include "runtime/TranslationModule.h"
#include "runtime/tests/RuntimeFixture.h"
#include "translation/TextNode.h"

namespace tolmeric::testing {
namespace {

using Names = std::vector<std::string>;

// The file names (after the folder) of a list, in order.
Names FileNames(const std::vector<CLanguageInfo>& files) {
  Names names;
  for (const CLanguageInfo& info : files) {
    names.push_back(ToUtf8(info.filePath.substr(info.filePath.find_last_of(u"/\\") + 1)));
  }
  return names;
}

LanguageRecipe Recipe(std::u16string program, std::u16string version, bool autoSwitch) {
  LanguageRecipe recipe;
  recipe.programName = std::move(program);
  recipe.programVersion = std::move(version);
  recipe.autoSwitch = autoSwitch;
  return recipe;
}

class CollectionTest : public RuntimeFixture {};

TEST_F(CollectionTest, ListsTheHeldProgramsFilesByVersion) {
  // In the order the folder listing gives them; the held file is de.tra.
  const std::vector<std::pair<std::string, LanguageRecipe>> files = {
      {"fr.tra", Recipe(u"Demo", u"2.0", true)},     // another version: older
      {"de.tra", Recipe(u"Demo", u"1.0", true)},     // the held one
      {"other.tra", Recipe(u"Other", u"1.0", true)},  // another program
      {"case.tra", Recipe(u"demo", u"1.0", true)},   // names compare exactly
      {"en.tra", Recipe(u"Demo", u"1.0", false)},    // without automatic switching
      {"it.tra", Recipe(u"Demo", u"0.9", true)},     // an older version
      {"blank.tra", Recipe(u"Demo", u"1.0 ", true)},  // versions compare exactly
  };
  std::vector<std::u16string> paths;
  for (const auto& [name, recipe] : files) paths.push_back(Write(name, recipe));
  // A file that ends inside its header, one with a wrong magic, one missing.
  std::vector<uint8_t> bytes = LanguageFileBytes(*MakeLanguage(Recipe(u"Demo", u"1.0", true)));
  bytes.resize(40);
  paths.push_back(folder_.File("cut.tra"));
  WriteBytes(paths.back(), bytes);
  paths.push_back(folder_.File("magic.tra"));
  WriteBytes(paths.back(), {3, 'A', 'B', 'C', 0, 0, 0, 0});
  paths.push_back(folder_.File("missing.tra"));

  const LanguageInfoReader reader = [](const std::u16string& path, CLanguageInfo& info) {
    return ReadLanguageInfo(path, info);
  };
  struct Case {
    bool heldAutoSwitch;
    Names thisVersion;
    Names olderVersions;
  } cases[] = {
      {true, {"de.tra"}, {"fr.tra", "it.tra", "blank.tra"}},
      {false, {"de.tra", "en.tra"}, {"fr.tra", "it.tra", "blank.tra"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heldAutoSwitch);
    platform_.ClearMessages();
    CLanguageInfo held;
    ASSERT_TRUE(ReadLanguageInfo(paths[1], held));
    held.fileFlags = c.heldAutoSwitch ? kFlagAutoSwitch : 0;
    const CLanguageFileLists lists = CollectLanguageFiles(&held, paths, reader);
    EXPECT_EQ(FileNames(lists.thisVersionFiles), c.thisVersion);
    EXPECT_EQ(FileNames(lists.olderVersionFiles), c.olderVersions);
    EXPECT_EQ(lists.olderVersionFiles[0].programVersion, u"2.0");
    EXPECT_EQ(MessageTexts(), Names{"corrupt .tra - file!"});
    // Without held data nothing is read and nothing listed.
    const CLanguageFileLists none = CollectLanguageFiles(nullptr, paths, reader);
    EXPECT_TRUE(none.thisVersionFiles.empty() && none.olderVersionFiles.empty());
  }
}

TEST(LanguageFileCollection, GrowsPastOneHundredAndTwentyEightFiles) {
  std::vector<std::u16string> paths;
  for (int i = 0; i < 300; ++i) paths.push_back(FromAscii(std::to_string(i)));
  CLanguageInfo held;
  held.programName = u"Demo";
  held.programVersion = u"1.0";
  const CLanguageFileLists lists =
      CollectLanguageFiles(&held, paths, [&held](const std::u16string& path, CLanguageInfo& info) {
        info = held;
        if (path.back() == u'1') info.programVersion = u"0.9";
        return true;
      });
  EXPECT_EQ(lists.thisVersionFiles.size(), 270u);
  EXPECT_EQ(lists.olderVersionFiles.size(), 30u);
  EXPECT_EQ(lists.thisVersionFiles.back().filePath, u"299");
}

TEST(LanguageFileCollection, SearchesInsideTheFolderWithOrWithoutSeparator) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u"*.tra"},
      {u"C:\\Sprachen", u"C:\\Sprachen\\*.tra"},
      {u"C:\\Sprachen\\", u"C:\\Sprachen\\*.tra"},
      {u"lang/", u"lang/*.tra"},
  };
  for (const auto& [folder, pattern] : cases) {
    EXPECT_EQ(ToUtf8(LanguageFileSearchPattern(folder)), ToUtf8(pattern));
  }
  EXPECT_EQ(ToUtf8(LanguageFilePath(u"C:\\Sprachen", u"de.tra")), "C:\\Sprachen\\de.tra");
}

// Counts what is read of each file.
class CCountingPlatform : public CHostPlatform {
 public:
  std::vector<uint8_t> ReadFile(const std::filesystem::path& path) override {
    ++wholeReads;
    return CHostPlatform::ReadFile(path);
  }
  std::vector<uint8_t> ReadFileStart(const std::filesystem::path& path, size_t count) override {
    std::vector<uint8_t> bytes = CHostPlatform::ReadFileStart(path, count);
    bytesRead += bytes.size();
    return bytes;
  }
  int wholeReads = 0;
  size_t bytesRead = 0;
};

TEST(LanguageFileCollection, InfoReadTakesOnlyTheHeader) {
  CCountingPlatform platform;
  CRuntimeModule module(platform);
  module.Activate();
  CTempFolder folder;
  // A large tree after a short header, and a header longer than a first read.
  LanguageRecipe large = Recipe(u"Demo", u"1.0", true);
  large.stringTables = {std::vector<StringPair>(4000, {std::u16string(100, u'x'), u"y"})};
  LanguageRecipe longHeader = Recipe(u"Demo", u"1.0", true);
  longHeader.languageName = std::u16string(40000, u'L');
  const std::u16string largePath = folder.File("large.tra");
  const std::u16string longPath = folder.File("long.tra");
  WriteLanguageFile(largePath, *MakeLanguage(large));
  WriteLanguageFile(longPath, *MakeLanguage(longHeader));

  CLanguageInfo info;
  ASSERT_TRUE(ReadLanguageInfo(largePath, info));
  EXPECT_LT(platform.bytesRead, std::filesystem::file_size(PathFromText(largePath)) / 20);
  ASSERT_TRUE(ReadLanguageInfo(longPath, info));
  EXPECT_EQ(info.languageName, longHeader.languageName);
  EXPECT_EQ(platform.wholeReads, 0);
}

TEST(SwitchDialogLayout, PlacesControlsInPixels) {
  struct Case {
    CPixelRect client;
    int32_t h;
    bool older;
    bool help;
    CSwitchDialogLayout expected;
  } cases[] = {
      {{0, 0, 312, 340}, 13, true, true,
       {{10, 10, 302, 23}, {10, 33, 302, 147}, {10, 157, 302, 170}, {10, 180, 302, 294},
        {10, 304, 100, 330}, {110, 304, 200, 330}, {210, 304, 300, 330}}},
      {{0, 0, 312, 340}, 13, false, false,
       {{10, 10, 302, 23}, {10, 33, 302, 294}, {}, {}, {10, 304, 151, 330}, {161, 304, 302, 330},
        {}}},
      {{0, 0, 312, 340}, 13, true, false,
       {{10, 10, 302, 23}, {10, 33, 302, 147}, {10, 157, 302, 170}, {10, 180, 302, 294},
        {10, 304, 151, 330}, {161, 304, 302, 330}, {}}},
      {{0, 0, 312, 340}, 13, false, true,
       {{10, 10, 302, 23}, {10, 33, 302, 294}, {}, {}, {10, 304, 100, 330}, {110, 304, 200, 330},
        {210, 304, 300, 330}}},
      // Odd sizes: the list height and the button width are truncated.
      {{0, 0, 400, 301}, 16, true, true,
       {{10, 10, 390, 26}, {10, 36, 390, 124}, {10, 134, 390, 150}, {10, 160, 390, 248},
        {10, 258, 130, 290}, {140, 258, 260, 290}, {270, 258, 390, 290}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "h " << c.h << " older " << c.older << " help " << c.help);
    const CSwitchDialogLayout layout = LayOutSwitchDialog(c.client, c.h, c.older, c.help);
    const CPixelRect* actual = &layout.thisVersionLabel;
    const CPixelRect* expected = &c.expected.thisVersionLabel;
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(actual[i], expected[i]) << "control " << i << ": " << actual[i].left << ","
                                        << actual[i].top << "," << actual[i].right << ","
                                        << actual[i].bottom;
    }
  }
}

TEST(SwitchDialogSelection, OkSwitchesToTheEntryOfTheListClickedLast) {
  CLanguageFileLists lists;
  for (const char16_t* path : {u"de.tra", u"en.tra", u"fr.tra"}) {
    CLanguageInfo info;
    info.filePath = path;
    (path[0] == u'f' ? lists.olderVersionFiles : lists.thisVersionFiles).push_back(info);
  }
  struct Case {
    const char* clicks;  // T: first list, O: second list, N: a click that left nothing selected
    int32_t thisIndex;
    int32_t olderIndex;
    CSwitchDialogSelection::State state;
    std::u16string path;
    bool warn;
  } cases[] = {
      {"", 1, 0, CSwitchDialogSelection::kNothing, u"", false},  // Enter before any click
      {"T", 1, -1, CSwitchDialogSelection::kThisVersion, u"en.tra", false},
      {"O", -1, 0, CSwitchDialogSelection::kOlderVersion, u"fr.tra", true},
      {"TO", 1, 0, CSwitchDialogSelection::kOlderVersion, u"fr.tra", true},
      {"OT", 0, 0, CSwitchDialogSelection::kThisVersion, u"de.tra", false},
      {"TN", 1, 0, CSwitchDialogSelection::kNothing, u"", false},
      // The selection was removed from the keyboard: OK does nothing.
      {"T", -1, 0, CSwitchDialogSelection::kThisVersion, u"", false},
      {"O", 1, -1, CSwitchDialogSelection::kOlderVersion, u"", false},
      {"O", 0, 5, CSwitchDialogSelection::kOlderVersion, u"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks);
    CSwitchDialogSelection selection;
    for (const char* click = c.clicks; *click; ++click) {
      if (*click == 'N') {
        selection.OnListNoSelection();
      } else {
        selection.OnListSelection(*click == 'O');
      }
    }
    EXPECT_EQ(selection.Selection(), c.state);
    EXPECT_EQ(selection.OkEnabled(), c.state != CSwitchDialogSelection::kNothing);
    const CSwitchChoice choice = ChooseSwitchFile(selection.Selection(), lists, c.thisIndex,
                                                  c.olderIndex);
    EXPECT_EQ(ToUtf8(choice.path), ToUtf8(c.path));
    EXPECT_EQ(choice.warnFirst, c.warn);
  }
}

class SwitchDialogTextsTest : public RuntimeFixture {};

TEST_F(SwitchDialogTextsTest, TakesTheStandardSwitchDialogsTextsOrRefuses) {
  const std::string refusal =
      "The function DoAutomaticSwitchDialog has been called,\nbut the recent translation file "
      "%s doesn't support automatic switching.\nUnable to show the language switch dialog.";
  const auto refusalFor = [&refusal](const std::u16string& file) {
    std::string text = refusal;
    return text.replace(text.find("%s"), 2, ToUtf8(file));
  };
  LanguageRecipe complete = Recipe(u"Demo", u"1.0", true);
  complete.languagePrompt = u"&Sprache wählen...";
  LanguageRecipe short8 = complete;
  short8.switchDialogControls = 8;
  const LanguageRecipe without = Recipe(u"Demo", u"1.0", true);

  struct Case {
    const LanguageRecipe* recipe;  // null: nothing held
    bool shows;
  } cases[] = {{&complete, true}, {&short8, false}, {&without, false}, {nullptr, false}};
  for (const Case& c : cases) {
    ResetModule();
    platform_.ClearMessages();
    std::u16string path;
    if (c.recipe) {
      path = Write("held.tra", *c.recipe);
      ASSERT_TRUE(LoadLanguage(path, true));
    }
    const std::optional<CSwitchDialogTexts> texts = AutomaticSwitchDialogTexts();
    ASSERT_EQ(texts.has_value(), c.shows);
    if (!c.shows) {
      EXPECT_EQ(MessageTexts(), Names{refusalFor(path)});
      continue;
    }
    EXPECT_TRUE(MessageTexts().empty());
    const std::u16string expected[] = {
        u"Sprache umschalten", u"Steuerelement 1", u"Steuerelement 2",
        u"Steuerelement 3",    u"Steuerelement 4", u"Steuerelement 5",
        u"Steuerelement 6",    u"Steuerelement 7", u"Steuerelement 8"};
    const std::u16string* actual = &texts->titleText;
    for (int i = 0; i < 9; ++i) EXPECT_EQ(ToUtf8(actual[i]), ToUtf8(expected[i])) << i;
  }
}

TEST_F(SwitchDialogTextsTest, LoadsStringResourcesThroughTheTranslation) {
  LanguageRecipe english = Recipe(u"Demo", u"1.0", true);
  english.stringTables = {{{u"Abbrechen", u"Cancel"}, {u"Sprache umschalten", u"Switch language"}}};
  ASSERT_TRUE(LoadLanguage(Write("en.tra", english), true));
  const std::u16string german[] = {u"Sprache umschalten", u"Diese", u"Ältere", u"OK", u"Abbrechen",
                                   u"Hilfe", u"Ver.", u"Warnung", u"Fehler"};
  SwitchDialogTextIds ids{};
  for (uint32_t i = 0; i < 9; ++i) {
    ids[i] = 61204 + i;
    platform_.SetString(ids[i], german[i]);
  }
  const CSwitchDialogTexts texts = LoadSwitchDialogTexts(ids);
  EXPECT_EQ(texts.titleText, u"Switch language");
  EXPECT_EQ(texts.cancelText, u"Cancel");
  EXPECT_EQ(texts.olderVersionsLabel, u"Ältere");
  EXPECT_EQ(texts.errorText, u"Fehler");

  CLanguageInfo info;
  info.languageName = u"Deutsch";
  info.programVersion = u"1.0";
  EXPECT_EQ(ToUtf8(OlderVersionEntryText(info, u"Ver.")), "Deutsch (Ver.1.0)");
}

}  // namespace
}  // namespace tolmeric::testing
