// Save and load of a language file of about 100,000 nodes, shaped like the
// tree of a large application: menus with popups and items, dialogs with
// controls, string tables with entries.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "translation/Archive.h"
#include "translation/LanguageData.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

constexpr int kMenus = 200;
constexpr int kPopupsPerMenu = 6;
constexpr int kItemsPerPopup = 12;
constexpr int kDialogs = 3000;
constexpr int kControlsPerDialog = 16;
constexpr int kStringTables = 1950;
constexpr int kStringsPerTable = 16;

std::u16string Text(const char* stem, int n) {
  return FromUtf8(stem) + FromAscii(std::to_string(n));
}

CTextNode* Add(CTextNode& parent, const std::u16string& text, int32_t kind, int32_t n1 = -1,
               int32_t n2 = -1) {
  auto node = std::make_unique<CTextNode>(&parent, text, text, kind, n1, n2);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

std::unique_ptr<CLanguageData> BuildLargeData() {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  CTextNode* menus = Add(*root, u"Menus", kKindMenuCategory);
  CTextNode* dialogs = Add(*root, u"Dialoge", kKindDialogCategory);
  CTextNode* tables = Add(*root, u"Stringtables", kKindStringTableCategory);
  for (int m = 0; m < kMenus; ++m) {
    CTextNode* menu = Add(*menus, Text("IDR_MAINFRAME_", m), kKindMenu);
    for (int p = 0; p < kPopupsPerMenu; ++p) {
      CTextNode* popup = Add(*menu, Text("&Bearbeiten ", p), kKindPopup);
      for (int i = 0; i < kItemsPerPopup; ++i) {
        Add(*popup, Text("Alles &ausw\xc3\xa4hlen\tStrg+", i), kKindMenuItem);
      }
    }
  }
  for (int d = 0; d < kDialogs; ++d) {
    CTextNode* dialog = Add(*dialogs, Text("Eigenschaften von Dokument ", d), kKindDialog, 280, 160);
    for (int c = 0; c < kControlsPerDialog; ++c) {
      Add(*dialog, Text("&Zeilenumbruch f\xc3\xbcr Spalte ", c), kKindStaticText + c % 3, 60, 14);
    }
  }
  for (int t = 0; t < kStringTables; ++t) {
    CTextNode* table = Add(*tables, Text("Stringtable ", t), kKindStringTable);
    for (int s = 0; s < kStringsPerTable; ++s) {
      Add(*table, Text("Die Datei %s konnte nicht gespeichert werden (Fehler %d). ", s),
          kKindStringEntry);
    }
  }
  root->ResetStates();
  auto data = std::make_unique<CLanguageData>(std::move(root));
  data->programName = u"Bench";
  data->programVersion = u"4.2";
  data->languageName = u"Deutsch";
  data->SetAutoSwitch(true);
  return data;
}

const CLanguageData& LargeData() {
  static const std::unique_ptr<CLanguageData> data = BuildLargeData();
  return *data;
}

std::vector<uint8_t> Stored(const CLanguageData& data) {
  auto copy = data.Copy();
  CArchive archive = CArchive::ForStoring("bench.tra");
  copy->Serialize(archive);
  return archive.Bytes();
}

void SetCounters(benchmark::State& state, size_t bytes) {
  const double nodes = LargeData().root->CountNodes();
  state.counters["nodes"] = nodes;
  state.counters["nodes/s"] = benchmark::Counter(nodes, benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_StoreLanguageFile(benchmark::State& state) {
  CLanguageData& data = const_cast<CLanguageData&>(LargeData());
  size_t bytes = 0;
  for (auto _ : state) {
    CArchive archive = CArchive::ForStoring("bench.tra");
    data.Serialize(archive);
    bytes = archive.Bytes().size();
    benchmark::DoNotOptimize(archive.Bytes().data());
  }
  SetCounters(state, bytes);
}
BENCHMARK(BM_StoreLanguageFile)->Unit(benchmark::kMillisecond);

void BM_LoadLanguageFile(benchmark::State& state) {
  const std::vector<uint8_t> bytes = Stored(LargeData());
  for (auto _ : state) {
    CArchive archive = CArchive::ForLoading(bytes, "bench.tra");
    CLanguageData data;
    data.Serialize(archive);
    benchmark::DoNotOptimize(data.root.get());
  }
  SetCounters(state, bytes.size());
}
BENCHMARK(BM_LoadLanguageFile)->Unit(benchmark::kMillisecond);

// Through the file system: atomic save (temporary file, flush, rename) and a
// load that reads the whole file.
void BM_SaveAndLoadFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tolmeric_language_file_bench.tra";
  size_t bytes = 0;
  for (auto _ : state) {
    SaveLanguageFile(LargeData(), path);
    auto loaded = LoadLanguageFile(path, nullptr);
    benchmark::DoNotOptimize(loaded->root.get());
    bytes = std::filesystem::file_size(path);
  }
  std::filesystem::remove(path);
  SetCounters(state, bytes);
}
BENCHMARK(BM_SaveAndLoadFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolmeric

BENCHMARK_MAIN();
