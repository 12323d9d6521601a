// What the main window shows for the state of the project: which controls
// and menu entries work, which boxes are checked, and the window's title.
// Portable: the window takes a snapshot of its state, asks these functions
// and applies the answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolmeric {

// The state the main window's controls depend on.
struct CMainWindowState {
  bool projectExists = false;
  bool projectChanged = false;
  bool languageFileKnown = false;
  bool languageChanged = false;
  // The script list has at least one selected row.
  bool scriptSelected = false;
  // The three header fields of the language data are all non-empty.
  bool headerComplete = false;
  bool testVersion = false;
  bool autoInstall = false;
};

struct CItemEnabled {
  int32_t id;
  bool enabled;
  bool operator==(const CItemEnabled&) const = default;
};

// The states to set. Controls and menu entries not listed keep the state of
// the resource: the three bottom buttons and the language, help and
// test-version entries stay enabled.
struct CControlStates {
  std::vector<CItemEnabled> controls;
  std::vector<CItemEnabled> menuEntries;
  // Check box 1072 and menu entry 32800; no value without a project (they
  // keep their check mark).
  std::optional<bool> autoInstallChecked;
  // Check box 1056.
  bool testVersionChecked = false;
};

CControlStates ControlStatesFor(const CMainWindowState& state);

// The window's title: the program's title, then " - " and the project's file
// title when there is a project, then " *" when it has unsaved changes.
std::u16string MainWindowTitle(const std::u16string& programTitle, const CMainWindowState& state,
                               const std::u16string& projectFileTitle);

}  // namespace tolmeric
