#include "app/MainWindowState.h"

#include <initializer_list>

namespace tolmeric {
namespace {

// One row of the enable table: a condition and the controls and menu
// entries that work exactly while it holds.
struct EnableRow {
  bool condition;
  std::initializer_list<int32_t> controls;
  std::initializer_list<int32_t> menuEntries;
};

}  // namespace

CControlStates ControlStatesFor(const CMainWindowState& state) {
  const bool p = state.projectExists;
  const bool s = p && state.projectChanged;
  const bool r = p && state.scriptSelected;
  const bool l = p && state.languageFileKnown && state.languageChanged;
  const bool t = p && state.testVersion;
  const bool f = p && state.headerComplete;
  const bool w = f && l;
  const EnableRow rows[] = {
      {true, {1015, 1009, 1012, 1021, 1004}, {32780, 32781}},
      {s, {1022}, {32782}},
      {p,
       {1023, 1072, 1016, 1011, 1006, 1008, 1017, 1025, 1013, 1056, 1067, 1068, 1070, 1065, 1066,
        1069},
       {32783, 32800, 32784}},
      {r, {1007}, {32785}},
      {w, {1030}, {32795}},
      {f, {1029}, {32796}},
      {t, {1014}, {32797}},
  };
  CControlStates states;
  for (const EnableRow& row : rows) {
    for (int32_t id : row.controls) states.controls.push_back({id, row.condition});
    for (int32_t id : row.menuEntries) states.menuEntries.push_back({id, row.condition});
  }
  if (p) states.autoInstallChecked = state.autoInstall;
  states.testVersionChecked = t;
  return states;
}

std::u16string MainWindowTitle(const std::u16string& programTitle, const CMainWindowState& state,
                               const std::u16string& projectFileTitle) {
  std::u16string title = programTitle;
  if (!state.projectExists) return title;
  title += u" - ";
  title += projectFileTitle;
  if (state.projectChanged) title += u" *";
  return title;
}

}  // namespace tolmeric
