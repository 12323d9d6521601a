#include <gtest/gtest.h>

#include <set>

#include "app/MainWindowState.h"

namespace tolmeric {
namespace {

// Every control and menu entry the table governs.
const std::set<int32_t> kAllControls = {1015, 1009, 1012, 1021, 1004, 1022, 1023, 1072, 1016,
                                        1011, 1006, 1008, 1017, 1025, 1013, 1056, 1067, 1068,
                                        1070, 1065, 1066, 1069, 1007, 1030, 1029, 1014};
const std::set<int32_t> kAllEntries = {32780, 32781, 32782, 32783, 32800,
                                       32784, 32785, 32795, 32796, 32797};
const std::set<int32_t> kAlwaysControls = {1015, 1009, 1012, 1021, 1004};
const std::set<int32_t> kProjectControls = {1015, 1009, 1012, 1021, 1004, 1023, 1072, 1016, 1011,
                                            1006, 1008, 1017, 1025, 1013, 1056, 1067, 1068, 1070,
                                            1065, 1066, 1069};

std::set<int32_t> Enabled(const std::vector<CItemEnabled>& items, const std::set<int32_t>& all) {
  std::set<int32_t> enabled;
  std::set<int32_t> seen;
  for (const CItemEnabled& item : items) {
    EXPECT_TRUE(all.count(item.id)) << "unexpected id " << item.id;
    EXPECT_TRUE(seen.insert(item.id).second) << "id twice " << item.id;
    if (item.enabled) enabled.insert(item.id);
  }
  EXPECT_EQ(seen, all);
  return enabled;
}

std::set<int32_t> Union(std::set<int32_t> a, const std::set<int32_t>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// A project freshly opened: known language file, complete header, nothing
// changed, nothing selected.
CMainWindowState OpenProject() {
  CMainWindowState state;
  state.projectExists = true;
  state.languageFileKnown = true;
  state.headerComplete = true;
  return state;
}

TEST(MainWindowStateTest, EnableTable) {
  struct Case {
    const char* name;
    CMainWindowState state;
    std::set<int32_t> controls;
    std::set<int32_t> entries;
  };
  CMainWindowState noProjectButEverythingElse{false, true, true, true, true, true, true, true};
  CMainWindowState changed = OpenProject();
  changed.projectChanged = true;
  CMainWindowState languageChanged = OpenProject();
  languageChanged.languageChanged = true;
  CMainWindowState emptyField = languageChanged;
  emptyField.headerComplete = false;
  CMainWindowState selected = OpenProject();
  selected.scriptSelected = true;
  CMainWindowState test = OpenProject();
  test.testVersion = true;
  CMainWindowState unknownFile = languageChanged;
  unknownFile.languageFileKnown = false;
  const Case cases[] = {
      {"no project", CMainWindowState{}, kAlwaysControls, {32780, 32781}},
      {"no project, every mark set", noProjectButEverythingElse, kAlwaysControls, {32780, 32781}},
      {"project opened", OpenProject(), Union(kProjectControls, {1029}),
       {32780, 32781, 32783, 32800, 32784, 32796}},
      {"project changed", changed, Union(kProjectControls, {1029, 1022}),
       {32780, 32781, 32783, 32800, 32784, 32796, 32782}},
      {"language changed", languageChanged, Union(kProjectControls, {1029, 1030}),
       {32780, 32781, 32783, 32800, 32784, 32796, 32795}},
      {"header field emptied", emptyField, kProjectControls, {32780, 32781, 32783, 32800, 32784}},
      {"language file not known", unknownFile, Union(kProjectControls, {1029}),
       {32780, 32781, 32783, 32800, 32784, 32796}},
      {"script selected", selected, Union(kProjectControls, {1029, 1007}),
       {32780, 32781, 32783, 32800, 32784, 32796, 32785}},
      {"test version", test, Union(kProjectControls, {1029, 1014}),
       {32780, 32781, 32783, 32800, 32784, 32796, 32797}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CControlStates states = ControlStatesFor(c.state);
    EXPECT_EQ(Enabled(states.controls, kAllControls), c.controls);
    EXPECT_EQ(Enabled(states.menuEntries, kAllEntries), c.entries);
  }
}

TEST(MainWindowStateTest, CheckMarks) {
  struct Case {
    bool project, autoInstall, testVersion;
    std::optional<bool> autoChecked;
    bool testChecked;
  };
  const Case cases[] = {
      {false, true, true, std::nullopt, false},
      {true, false, false, false, false},
      {true, true, false, true, false},
      {true, false, true, false, true},
  };
  for (const Case& c : cases) {
    CMainWindowState state;
    state.projectExists = c.project;
    state.autoInstall = c.autoInstall;
    state.testVersion = c.testVersion;
    const CControlStates states = ControlStatesFor(state);
    EXPECT_EQ(states.autoInstallChecked, c.autoChecked);
    EXPECT_EQ(states.testVersionChecked, c.testChecked);
  }
}

TEST(MainWindowStateTest, Title) {
  CMainWindowState none;
  CMainWindowState saved = OpenProject();
  CMainWindowState changed = OpenProject();
  changed.projectChanged = true;
  CMainWindowState changedWithoutProject;
  changedWithoutProject.projectChanged = true;
  EXPECT_EQ(MainWindowTitle(u"Lexivane Tolmeric", none, u"demo.lxp"), u"Lexivane Tolmeric");
  EXPECT_EQ(MainWindowTitle(u"Lexivane Tolmeric", changedWithoutProject, u""),
            u"Lexivane Tolmeric");
  EXPECT_EQ(MainWindowTitle(u"Lexivane Tolmeric", saved, u"demo.lxp"),
            u"Lexivane Tolmeric - demo.lxp");
  EXPECT_EQ(MainWindowTitle(u"Lexivane Tolmeric", changed, u"demo.lxp"),
            u"Lexivane Tolmeric - demo.lxp *");
}

}  // namespace
}  // namespace tolmeric
