// Recognising an open dialog among a large application's dialogs, and a
// menu among its menus: the indexed dialog search against the exhaustive
// scoring it replaces, for a dialog that is in the language file and one
// that is not (but shows the usual buttons every dialog has), the index's
// build at load time, and the menu search.
//
// Runs under an address-space limit, so that a regression that blows up
// memory fails instead of taking the machine down.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/DialogMatcher.h"
#include "runtime/MenuMatcher.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

constexpr int kDialogs = 2000;
constexpr int kControls = 22;
constexpr int kVocabulary = 3000;  // control texts shared between dialogs
constexpr int kMenus = 300;
constexpr int kMatchingDialog = 1234;

std::u16string Numbered(const char* prefix, int number) {
  return FromUtf8(prefix + std::to_string(number));
}

CTextNode* Add(CTextNode& parent, std::u16string base, std::u16string text, int32_t kind) {
  auto node = std::make_unique<CTextNode>(&parent, std::move(base), std::move(text), kind, -1, -1);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

CTextNode* AddSame(CTextNode& parent, const std::u16string& text, int32_t kind) {
  return Add(parent, text, u"Translated " + text, kind);
}

// Each dialog: the three buttons every dialog has, and 19 texts drawn from a
// vocabulary (each shared by about a dozen dialogs).
std::unique_ptr<CTextNode> MakeDialogs() {
  auto category =
      std::make_unique<CTextNode>(nullptr, u"Dialoge", u"Dialoge", kKindDialogCategory, -1, -1);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> word(0, kVocabulary - 1);
  for (int d = 0; d < kDialogs; ++d) {
    CTextNode* dialog = AddSame(*category, Numbered("Dialog ", d), kKindDialog);
    for (const char16_t* button : {u"OK", u"Abbrechen", u"Hilfe"}) {
      AddSame(*dialog, button, kKindPushButton);
    }
    for (int c = 3; c < kControls; ++c) AddSame(*dialog, Numbered("Feld ", word(random)), kKindStaticText);
  }
  return category;
}

CDialogSnapshot SnapshotOf(const CTextNode& dialog) {
  std::vector<CDialogChild> children;
  for (int32_t k = 0; k < dialog.childCount; ++k) {
    children.push_back({static_cast<WindowId>(k + 1), dialog.ChildAt(k)->baseText});
  }
  return CDialogSnapshot(1, dialog.baseText, std::move(children));
}

CDialogSnapshot ForeignSnapshot() {
  std::vector<CDialogChild> children{{1, u"OK"}, {2, u"Abbrechen"}, {3, u"Hilfe"}};
  for (int c = 3; c < kControls; ++c) children.push_back({static_cast<WindowId>(c + 1), Numbered("Fremd ", c)});
  return CDialogSnapshot(1, u"Fremder Dialog", std::move(children));
}

const CTextNode& Dialogs() {
  static const std::unique_ptr<CTextNode> dialogs = MakeDialogs();
  return *dialogs;
}

const CDialogIndex& Index() {
  static const CDialogIndex index(&Dialogs());
  return index;
}

void RunIndexed(benchmark::State& state, const CDialogSnapshot& snapshot, int expected) {
  if (Index().FindBestDialog(snapshot).index != expected) state.SkipWithError("wrong dialog");
  for (auto _ : state) benchmark::DoNotOptimize(Index().FindBestDialog(snapshot));
}

void RunExhaustive(benchmark::State& state, const CDialogSnapshot& snapshot, int expected) {
  if (FindBestDialogExhaustive(snapshot, Dialogs()).index != expected) {
    state.SkipWithError("wrong dialog");
  }
  for (auto _ : state) benchmark::DoNotOptimize(FindBestDialogExhaustive(snapshot, Dialogs()));
}

void FindBestDialogMatching(benchmark::State& state) {
  RunIndexed(state, SnapshotOf(*Dialogs().ChildAt(kMatchingDialog)), kMatchingDialog);
}
void FindBestDialogForeign(benchmark::State& state) { RunIndexed(state, ForeignSnapshot(), -1); }
void ExhaustiveMatching(benchmark::State& state) {
  RunExhaustive(state, SnapshotOf(*Dialogs().ChildAt(kMatchingDialog)), kMatchingDialog);
}
void ExhaustiveForeign(benchmark::State& state) { RunExhaustive(state, ForeignSnapshot(), -1); }

void BuildDialogIndex(benchmark::State& state) {
  for (auto _ : state) {
    CDialogIndex index(&Dialogs());
    benchmark::DoNotOptimize(&index);
  }
}

// 300 menus of five popups with eight items each and one nested popup.
std::unique_ptr<CTextNode> MakeMenus() {
  auto category = std::make_unique<CTextNode>(nullptr, u"Menus", u"Menus", kKindMenuCategory, -1, -1);
  for (int m = 0; m < kMenus; ++m) {
    CTextNode* menu = AddSame(*category, Numbered("IDR_MENU", m), kKindMenu);
    for (int p = 0; p < 5; ++p) {
      CTextNode* popup = AddSame(*menu, Numbered("&Menü ", (m + p) % 40), kKindPopup);
      for (int i = 0; i < 8; ++i) AddSame(*popup, Numbered("Befehl ", (m * 7 + p * 8 + i) % 500), kKindMenuItem);
      AddSame(*AddSame(*popup, u"&Weitere", kKindPopup), Numbered("Befehl ", m), kKindMenuItem);
    }
  }
  return category;
}

// The live menu bar of menu m: the same texts.
std::unique_ptr<CMenuItemSnapshot> MenuSnapshot(const CTextNode& menu) {
  auto root = std::make_unique<CMenuItemSnapshot>(u"", MenuId{1});
  for (int32_t p = 0; p < menu.childCount; ++p) {
    const CTextNode& popupNode = *menu.ChildAt(p);
    auto popup = std::make_unique<CMenuItemSnapshot>(popupNode.baseText, MenuId{2});
    for (int32_t i = 0; i < popupNode.childCount; ++i) {
      popup->items.push_back(std::make_unique<CMenuItemSnapshot>(popupNode.ChildAt(i)->baseText, 100 + i));
    }
    root->items.push_back(std::move(popup));
  }
  return root;
}

void FindBestMenuBar(benchmark::State& state) {
  static const std::unique_ptr<CTextNode> menus = MakeMenus();
  const auto snapshot = MenuSnapshot(*menus->ChildAt(kMenus / 2));
  for (auto _ : state) benchmark::DoNotOptimize(FindBestMenu(*snapshot, *menus, false));
}

BENCHMARK(FindBestDialogMatching)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindBestDialogForeign)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExhaustiveMatching)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExhaustiveForeign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildDialogIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(FindBestMenuBar)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tolmeric

int main(int argc, char** argv) {
  // 1 GiB of address space is far more than 2,000 dialogs need.
  const rlimit limit{1ul << 30, 1ul << 30};
  setrlimit(RLIMIT_AS, &limit);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
