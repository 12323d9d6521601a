#include "runtime/TranslationModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/StringFunctions.h"
#include "runtime/tests/RuntimeFixture.h"

namespace tolmeric::testing {
namespace {

using Strings = std::vector<std::string>;

std::string Translated(std::u16string text) {
  TranslateString(text);
  return ToUtf8(text);
}

LanguageRecipe German() {
  LanguageRecipe recipe;
  recipe.stringTables = {{{u"Datei öffnen", u"Datei öffnen"},
                        {u"Speichern", u"Speichern"},
                        {u"Beenden", u"Beenden"}}};
  return recipe;
}

LanguageRecipe English() {
  LanguageRecipe recipe;
  recipe.languageName = u"English";
  recipe.programVersion = u"0.9";
  // "Beenden" has no translation; "Nur Englisch" is not in the program.
  recipe.stringTables = {{{u"Datei öffnen", u"Open file"},
                        {u"Speichern", u"Save"},
                        {u"Nur Englisch", u"Only English"}}};
  return recipe;
}

LanguageRecipe French() {
  LanguageRecipe recipe;
  recipe.languageName = u"Français";
  recipe.stringTables = {{{u"Datei öffnen", u"Ouvrir"},
                        {u"Speichern", u"Enregistrer"},
                        {u"Beenden", u"Quitter"}}};
  return recipe;
}

class StartTest : public RuntimeFixture {
 protected:
  bool Start(const std::u16string& defaultFile, bool useProfile) {
    return StartAutomaticTranslation(defaultFile, u"ignored", useProfile, false, false, 1234,
                                     4321);
  }
  void SetProfile(const std::u16string& file) {
    platform_.WriteProfileText(u"Language", u"LastTraFile", file);
  }
  std::u16string ProfileValue() const {
    const auto found = platform_.Profile().find({u"Language", u"LastTraFile"});
    return found == platform_.Profile().end() ? u"<none>" : found->second;
  }
};

TEST_F(StartTest, WithoutProfileEntryLoadsTheDefaultFileAndKeepsTheSettings) {
  const std::u16string file = Write("default.tra", German());
  ASSERT_TRUE(Start(file, true));

  EXPECT_EQ(MessageTexts(), Strings{});
  const CRuntimeState& state = RuntimeState();
  ASSERT_NE(state.currentData, nullptr);
  EXPECT_EQ(state.currentFile, file);
  EXPECT_TRUE(state.automaticStart);
  EXPECT_TRUE(state.writeProfileOnExit);
  EXPECT_FALSE(state.showOlderVersions);
  EXPECT_FALSE(state.showHelpButton);
  EXPECT_EQ(state.helpCommandId, 1234u);
  EXPECT_EQ(state.languageCommandId, 4321u);
  EXPECT_EQ(platform_.InstalledHooks().size(), 2u);
  EXPECT_NE(state.dialogRegistry, nullptr);
  EXPECT_NE(state.menuRegistry, nullptr);
}

TEST_F(StartTest, ProfileEntryNamesTheFileToLoad) {
  const std::u16string standard = Write("default.tra", German());
  const std::u16string remembered = Write("english.tra", English());
  SetProfile(remembered);

  ASSERT_TRUE(Start(standard, true));
  EXPECT_EQ(RuntimeState().currentFile, remembered);
  EXPECT_EQ(Translated(u"Speichern"), "Save");
  EXPECT_EQ(MessageTexts(), Strings{});
}

TEST_F(StartTest, MissingProfileFileFallsBackToTheDefaultWithAWarning) {
  // The default file does not support automatic switching: on this path
  // that is not reported.
  LanguageRecipe recipe = German();
  recipe.autoSwitch = false;
  const std::u16string standard = Write("default.tra", recipe);
  const std::u16string remembered = folder_.File("gone.tra");
  SetProfile(remembered);

  EXPECT_FALSE(Start(standard, true));
  EXPECT_EQ(MessageTexts(), Strings{ProfileFileMissingMessage(remembered, standard)});
  EXPECT_EQ(RuntimeState().currentFile, standard);
  EXPECT_NE(RuntimeState().currentData, nullptr);
  EXPECT_EQ(platform_.InstalledHooks().size(), 2u);
}

TEST_F(StartTest, MissingFilesLeaveTheModuleWithoutDataAndHooks) {
  const std::u16string standard = folder_.File("default.tra");
  // With the profile naming another missing file, and with no profile at all.
  SetProfile(folder_.File("gone.tra"));
  EXPECT_FALSE(Start(standard, true));
  EXPECT_EQ(MessageTexts(), Strings{MissingFileMessage(standard)});
  EXPECT_EQ(RuntimeState().currentData, nullptr);
  EXPECT_TRUE(platform_.InstalledHooks().empty());

  platform_.ClearMessages();
  ResetModule();
  EXPECT_FALSE(Start(standard, false));
  EXPECT_EQ(MessageTexts(), Strings{MissingFileMessage(standard)});
  EXPECT_EQ(RuntimeState().currentData, nullptr);
  EXPECT_EQ(platform_.HooksEverInstalled(), 0);
  EXPECT_EQ(Translated(u"Speichern"), "Speichern");
}

TEST_F(StartTest, WithoutUseProfileTheProfileIsNeitherReadNorWritten) {
  const std::u16string standard = Write("default.tra", German());
  const std::u16string remembered = Write("english.tra", English());
  SetProfile(remembered);

  ASSERT_TRUE(Start(standard, false));
  EXPECT_EQ(RuntimeState().currentFile, standard);
  ExitTranslation();
  EXPECT_EQ(ProfileValue(), remembered);
}

TEST_F(StartTest, FileWithoutAutomaticSwitchingIsUsedWithOneMessage) {
  LanguageRecipe recipe = German();
  recipe.autoSwitch = false;
  const std::u16string file = Write("plain.tra", recipe);

  EXPECT_TRUE(Start(file, true));
  EXPECT_EQ(MessageTexts(), Strings{NoAutomaticFeatureMessage(file)});
  EXPECT_EQ(RuntimeState().currentFile, file);
}

TEST_F(StartTest, ExitRemembersTheLoadedFileAndTearsEverythingDown) {
  const std::u16string file = Write("english.tra", English());
  ASSERT_TRUE(Start(Write("default.tra", German()), true));
  ASSERT_TRUE(SwitchTranslationFile(file));

  ExitTranslation();
  EXPECT_EQ(ProfileValue(), file);
  const CRuntimeState& state = RuntimeState();
  EXPECT_EQ(state.currentData, nullptr);
  EXPECT_EQ(state.previousData, nullptr);
  EXPECT_EQ(state.dialogRegistry, nullptr);
  EXPECT_EQ(state.menuRegistry, nullptr);
  EXPECT_EQ(state.callWndProcHook, nullptr);
  EXPECT_EQ(state.callWndProcRetHook, nullptr);
  EXPECT_TRUE(platform_.InstalledHooks().empty());
  EXPECT_EQ(Translated(u"Speichern"), "Speichern");

  // The next start finds the remembered file.
  ASSERT_TRUE(Start(folder_.File("default.tra"), true));
  EXPECT_EQ(RuntimeState().currentFile, file);
}

TEST_F(StartTest, LoadTranslationFileWritesTheProfileToo) {
  const std::u16string file = Write("default.tra", German());
  ASSERT_TRUE(LoadTranslationFile(file));
  EXPECT_FALSE(RuntimeState().automaticStart);
  EXPECT_EQ(RuntimeState().languageCommandId, kDefaultLanguageCommandId);
  ExitTranslation();
  EXPECT_EQ(ProfileValue(), file);

  // Nothing held: an empty path is remembered.
  ASSERT_FALSE(LoadTranslationFile(folder_.File("gone.tra")));
  ExitTranslation();
  EXPECT_EQ(ProfileValue(), u"");
}

class LoadTest : public RuntimeFixture {};

TEST_F(LoadTest, MissingFileShowsTheMessageOnlyWhenAsked) {
  const std::u16string missing = folder_.File("gone.tra");
  EXPECT_FALSE(LoadTranslationFile(missing));
  EXPECT_EQ(MessageTexts(), Strings{MissingFileMessage(missing)});
  EXPECT_EQ(platform_.HooksEverInstalled(), 0);

  platform_.ClearMessages();
  EXPECT_FALSE(LoadLanguage(missing, false));
  EXPECT_EQ(MessageTexts(), Strings{});
}

// A file that opens but ends early or is damaged counts as missing: the
// held data, its file name and the registries stay as they were.
TEST_F(LoadTest, DamagedFilesKeepTheHeldData) {
  const std::u16string good = Write("good.tra", English());
  ASSERT_TRUE(LoadTranslationFile(good));
  const CLanguageData* held = RuntimeState().currentData.get();
  const CDialogRegistry* registry = RuntimeState().dialogRegistry.get();

  auto data = MakeLanguage(French());
  const std::vector<uint8_t> bytes = LanguageFileBytes(*data);
  std::vector<std::vector<uint8_t>> damaged;
  damaged.emplace_back();                                        // empty
  damaged.emplace_back(bytes.begin(), bytes.begin() + 60);       // inside the header
  damaged.emplace_back(bytes.begin(), bytes.end() - 1);          // inside the tree
  std::vector<uint8_t> hugeCount = bytes;
  // The root's child count is the first item after "NodeThere": claim far
  // more children than the file holds.
  const std::u16string nodeThere = u"NodeThere";
  const uint8_t* units = reinterpret_cast<const uint8_t*>(nodeThere.data());
  const auto found = std::search(bytes.begin(), bytes.end(), units, units + nodeThere.size() * 2);
  ASSERT_NE(found, bytes.end());
  const size_t marker = static_cast<size_t>(found - bytes.begin()) + nodeThere.size() * 2;
  ASSERT_LT(marker + 4, bytes.size());
  hugeCount[marker] = hugeCount[marker + 1] = hugeCount[marker + 2] = 0xFF;
  hugeCount[marker + 3] = 0x7F;
  damaged.push_back(hugeCount);

  for (size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    const std::u16string path = folder_.File("damaged.tra");
    WriteBytes(path, damaged[i]);
    platform_.ClearMessages();
    EXPECT_FALSE(LoadTranslationFile(path));
    EXPECT_EQ(MessageTexts(), Strings{MissingFileMessage(path)});
    EXPECT_EQ(RuntimeState().currentData.get(), held);
    EXPECT_EQ(RuntimeState().currentFile, good);
    EXPECT_EQ(RuntimeState().dialogRegistry.get(), registry);
    EXPECT_EQ(Translated(u"Speichern"), "Save");
  }
}

TEST_F(LoadTest, WrongMagicLoadsWithAMessageAndWithoutTexts) {
  auto data = MakeLanguage(English());
  std::vector<uint8_t> bytes = LanguageFileBytes(*data);
  bytes[4] = 'X';  // first code unit of the magic
  const std::u16string path = folder_.File("corrupt.tra");
  WriteBytes(path, bytes);

  EXPECT_TRUE(LoadLanguage(path, false));
  EXPECT_EQ(MessageTexts(), Strings{"corrupt .tra - file!"});
  ASSERT_NE(RuntimeState().currentData, nullptr);
  EXPECT_EQ(RuntimeState().currentData->root, nullptr);
  EXPECT_EQ(Translated(u"Speichern"), "Speichern");
  EXPECT_EQ(FindStandardSwitchDialog(), nullptr);
}

TEST_F(LoadTest, ALaterLoadReplacesTheDataButKeepsTheOneHookPair) {
  ASSERT_TRUE(LoadTranslationFile(Write("english.tra", English())));
  ASSERT_TRUE(LoadTranslationFile(Write("french.tra", French())));

  EXPECT_EQ(Translated(u"Speichern"), "Enregistrer");
  EXPECT_EQ(platform_.HooksEverInstalled(), 2);
  EXPECT_EQ(platform_.InstalledHooks().size(), 2u);
}

class SwitchTest : public RuntimeFixture {
 protected:
  void SetUp() override {
    RuntimeFixture::SetUp();
    ASSERT_TRUE(LoadTranslationFile(Write("german.tra", German())));
  }
};

TEST_F(SwitchTest, RefusedWithoutHeldDataOrReadableFileOfTheSameProgram) {
  LanguageRecipe other = English();
  other.programName = u"Other";
  const std::u16string otherProgram = Write("other.tra", other);
  auto data = MakeLanguage(English());
  std::vector<uint8_t> bytes = LanguageFileBytes(*data);
  bytes.resize(bytes.size() - 3);
  const std::u16string truncated = folder_.File("truncated.tra");
  WriteBytes(truncated, bytes);

  const CLanguageData* held = RuntimeState().currentData.get();
  const std::u16string heldFile = RuntimeState().currentFile;

  for (const std::u16string& path : {otherProgram, truncated, folder_.File("gone.tra")}) {
    SCOPED_TRACE(ToUtf8(path));
    EXPECT_FALSE(SwitchTranslationFile(path));
    EXPECT_EQ(RuntimeState().currentData.get(), held);
    EXPECT_EQ(RuntimeState().currentFile, heldFile);
    EXPECT_EQ(RuntimeState().previousData, nullptr);
    EXPECT_EQ(Translated(u"Speichern"), "Speichern");
  }

  ResetModule();
  EXPECT_FALSE(SwitchTranslationFile(Write("english.tra", English())));
  EXPECT_EQ(RuntimeState().currentData, nullptr);
}

// A file with a wrong magic reads as a header of empty texts, which matches a
// held program without a name; its missing tree must not replace the held one.
TEST_F(SwitchTest, FileWithoutTreeIsRefused) {
  LanguageRecipe unnamed = German();
  unnamed.programName = u"";
  const std::u16string held = Write("unnamed.tra", unnamed);
  ASSERT_TRUE(LoadTranslationFile(held));
  auto data = MakeLanguage(unnamed);
  std::vector<uint8_t> bytes = LanguageFileBytes(*data);
  bytes[4] = 'X';
  const std::u16string corrupt = folder_.File("corrupt.tra");
  WriteBytes(corrupt, bytes);

  EXPECT_FALSE(SwitchTranslationFile(corrupt));
  EXPECT_EQ(RuntimeState().currentFile, held);
  ASSERT_NE(RuntimeState().currentData->root, nullptr);
  EXPECT_EQ(RuntimeState().previousData, nullptr);
}

TEST_F(SwitchTest, MergesOntoTheHeldStructureAndKeepsThePreviousData) {
  const CLanguageData* german = RuntimeState().currentData.get();
  const std::u16string english = Write("english.tra", English());
  ASSERT_TRUE(SwitchTranslationFile(english));

  const CRuntimeState& state = RuntimeState();
  EXPECT_EQ(state.previousData.get(), german);
  EXPECT_EQ(state.switchData, nullptr);
  EXPECT_EQ(state.currentFile, english);
  EXPECT_EQ(Translated(u"Datei öffnen"), "Open file");
  EXPECT_EQ(Translated(u"Speichern"), "Save");
  // Without a counterpart the held text stays; a text the program does not
  // have is not taken over.
  EXPECT_EQ(Translated(u"Beenden"), "Beenden");
  EXPECT_EQ(Translated(u"Nur Englisch"), "Nur Englisch");
  // The version is the held program's; the language is the new file's.
  CLanguageInfo info;
  ASSERT_TRUE(GetCurrentLanguageInfo(info));
  EXPECT_EQ(info.programVersion, u"1.0");
  EXPECT_EQ(info.languageName, u"English");
  EXPECT_EQ(info.filePath, english);
}

class InfoTest : public RuntimeFixture {};

TEST_F(InfoTest, HeaderFieldsOfHeldAndListedFiles) {
  CLanguageInfo info;
  EXPECT_FALSE(GetCurrentLanguageInfo(info));
  EXPECT_FALSE(ReadLanguageInfo(folder_.File("gone.tra"), info));

  LanguageRecipe recipe = English();
  recipe.autoSwitch = false;
  const std::u16string path = Write("english.tra", recipe);
  ASSERT_TRUE(ReadLanguageInfo(path, info));
  EXPECT_EQ(info.programName, u"Demo");
  EXPECT_EQ(info.programVersion, u"0.9");
  EXPECT_EQ(info.languageName, u"English");
  EXPECT_EQ(info.headerText4, u"");
  EXPECT_EQ(info.filePath, path);
  EXPECT_EQ(info.fileFlags, kFlagWrittenByTool);
  EXPECT_EQ(info.fileValue, 0);
  EXPECT_EQ(RuntimeState().currentData, nullptr);

  ASSERT_TRUE(LoadTranslationFile(path));
  CLanguageInfo held;
  ASSERT_TRUE(GetCurrentLanguageInfo(held));
  EXPECT_EQ(held.languageName, u"English");
  EXPECT_EQ(held.filePath, path);
}

TEST_F(InfoTest, StandardSwitchDialogIsFoundByItsKind) {
  EXPECT_EQ(FindStandardSwitchDialog(), nullptr);
  ASSERT_TRUE(LoadTranslationFile(Write("plain.tra", German())));
  EXPECT_EQ(FindStandardSwitchDialog(), nullptr);

  LanguageRecipe recipe = German();
  recipe.languagePrompt = u"Sprache wählen\nSprache";
  ASSERT_TRUE(LoadTranslationFile(Write("switch.tra", recipe)));
  const CTextNode* dialog = FindStandardSwitchDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->kind, kKindStandardSwitchDialog);
  EXPECT_EQ(dialog->childCount, 11);
}

}  // namespace
}  // namespace tolmeric::testing
