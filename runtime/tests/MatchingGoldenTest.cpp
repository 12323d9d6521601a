// Golden files of dialog and menu recognition: each file holds a language
// file's tree and cases of an open dialog or live menu with the exact choice
// and texts expected (see the files in data/).
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/DialogMatcher.h"
#include "runtime/MenuMatcher.h"
#include "runtime/RuntimeState.h"
#include "runtime/tests/FakeWindowSystem.h"
#include "runtime/tests/TreeText.h"
#include "translation/Utf.h"

namespace tolmeric::testing {
namespace {

struct GoldenCase {
  std::string name;
  std::vector<CTextLine> input;
  std::string expected;
};

struct GoldenFile {
  std::unique_ptr<CLanguageData> data;
  std::vector<GoldenCase> cases;
};

// "== tree", then pairs of "== case NAME" and "== expect" sections.
GoldenFile ReadGolden(const std::string& name) {
  GoldenFile golden;
  std::istringstream in(ReadTestData(name));
  std::string line;
  std::string section;
  std::string body;
  auto finish = [&] {
    if (section == "tree") {
      golden.data = MakeLanguageFromText(body);
    } else if (section.rfind("case ", 0) == 0) {
      golden.cases.push_back({section.substr(5), ReadTextLines(body), {}});
    } else if (section == "expect" && !golden.cases.empty()) {
      golden.cases.back().expected = body;
    }
    body.clear();
  };
  while (std::getline(in, line)) {
    if (line.rfind("== ", 0) == 0) {
      finish();
      section = line.substr(3);
    } else if (!line.empty() && line[0] != '#') {
      body += line + "\n";
    }
  }
  finish();
  return golden;
}

std::string DumpDialogChoice(const CDialogMatch& match, const CDialogPlan* plan) {
  if (match.index < 0) return "no dialog\n";
  char score[32];
  std::snprintf(score, sizeof score, "%.4f", match.score);
  std::string out = "dialog " + std::to_string(match.index) + " side " +
                    std::to_string(match.side) + " score " + score + "\n";
  out += "caption " + Quoted(plan->caption) + "\n";
  for (const CDialogPlan::ChildText& child : plan->childTexts) {
    out += "child " + std::to_string(child.child) + " " + Quoted(child.text) + "\n";
  }
  return out;
}

TEST(MatchingGoldenTest, Dialogs) {
  const GoldenFile golden = ReadGolden("dialogs.golden");
  const CTextNode& category = *FindDialogCategory(golden.data.get());
  const CDialogIndex index(&category);
  for (const GoldenCase& test : golden.cases) {
    SCOPED_TRACE("dialogs.golden, case: " + test.name);
    CFakeWindowSystem windows;
    const CDialogSnapshot snapshot = CDialogSnapshot::Take(windows, windows.AddDialog(test.input));
    const CDialogMatch match = index.FindBestDialog(snapshot);
    EXPECT_EQ(match, FindBestDialogExhaustive(snapshot, category));
    CDialogPlan plan;
    if (match.index >= 0) plan = ApplyDialogTexts(snapshot, *category.ChildAt(match.index), match.side);
    EXPECT_EQ(DumpDialogChoice(match, &plan), test.expected);
  }
}

// Menus by their order in the snapshot: m0 the menu itself.
class CMenuNames {
 public:
  explicit CMenuNames(const CMenuItemSnapshot& root) { Walk(root); }
  std::string operator()(MenuId menu) const { return "m" + std::to_string(names_.at(menu)); }

 private:
  void Walk(const CMenuItemSnapshot& popup) {
    names_.emplace(popup.submenu, static_cast<int32_t>(names_.size()));
    for (const auto& item : popup.items) {
      if (item && item->IsPopup()) Walk(*item);
    }
  }
  std::map<MenuId, int32_t> names_;
};

std::string DumpMenuEdit(const CMenuEdit& edit, const CMenuNames& name) {
  switch (edit.kind) {
    case CMenuEdit::Kind::kAppendSeparator:
      return "separator " + name(edit.menu) + "\n";
    case CMenuEdit::Kind::kAppendItem:
      return "append " + name(edit.menu) + " item " + std::to_string(edit.item.commandId) + " " +
             Quoted(edit.item.text) + "\n";
    case CMenuEdit::Kind::kModify:
      break;
  }
  const std::string what = edit.item.popup ? "popup " + name(edit.item.submenu)
                                           : "item " + std::to_string(edit.item.commandId);
  return "modify " + name(edit.menu) + " " + std::to_string(edit.position) + " " + what + " " +
         Quoted(edit.item.text) + "\n";
}

TEST(MatchingGoldenTest, Menus) {
  const GoldenFile golden = ReadGolden("menus.golden");
  const CTextNode& category = *FindMenuCategory(golden.data.get());
  for (const GoldenCase& test : golden.cases) {
    SCOPED_TRACE("menus.golden, case: " + test.name);
    bool popupMode = false;
    const CTextLine* language = nullptr;
    std::vector<CTextLine> menuLines;
    for (const CTextLine& line : test.input) {
      if (line.keyword == "mode") {
        popupMode = line.values.at(0) == u"popup";
      } else if (line.keyword == "language") {
        language = &line;
      } else {
        menuLines.push_back(line);
      }
    }
    CFakeWindowSystem windows;
    const auto root = CMenuItemSnapshot::Take(windows, windows.AddMenu(menuLines));
    const CMenuNames names(*root);
    const CMenuMatch match = FindBestMenu(*root, category, popupMode);
    std::string out = match.index < 0 ? "no menu\n"
                                      : "menu " + std::to_string(match.index) + " side " +
                                            std::to_string(match.side) + "\n";
    CMenuPlan plan;
    if (match.index >= 0) {
      plan = ApplyMenuTexts(*root, MenuCandidate(*category.ChildAt(match.index), popupMode),
                            match.side);
    }
    if (language && !root->items.empty() && root->items[0] && root->items[0]->IsPopup()) {
      const CMenuPlan item = EnsureLanguageItem(
          *root->items[0], std::stoi(ToUtf8(language->values.at(0))), language->values.at(1));
      plan.insert(plan.end(), item.begin(), item.end());
    }
    for (const CMenuEdit& edit : plan) out += DumpMenuEdit(edit, names);
    EXPECT_EQ(out, test.expected);
  }
}

}  // namespace
}  // namespace tolmeric::testing
