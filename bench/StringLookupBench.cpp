// String lookup of the run-time module with 50,000 string-table entries:
// TranslateString through the index, against the plain depth-first walk that
// it replaces, for texts that are found and texts that are not; and the cost
// of building the index when a language is loaded.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "runtime/StringIndex.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

constexpr int kTables = 250;
constexpr int kEntriesPerTable = 200;  // 50,000 entries

std::u16string EntryText(int number) {
  return FromUtf8("Die Datei " + std::to_string(number) +
                   " konnte nicht geöffnet werden.\nBitte prüfen Sie den Pfad.");
}

CTextNode* Add(CTextNode& parent, std::u16string base, std::u16string text, int32_t kind) {
  auto node = std::make_unique<CTextNode>(&parent, std::move(base), std::move(text), kind, -1, -1);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

std::unique_ptr<CLanguageData> MakeData() {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  Add(*root, u"Menus", u"Menus", kKindMenuCategory);
  Add(*root, u"Dialoge", u"Dialoge", kKindDialogCategory);
  CTextNode* tables = Add(*root, u"Stringtables", u"Stringtables", kKindStringTableCategory);
  for (int t = 0; t < kTables; ++t) {
    const std::u16string number = FromAscii(std::to_string(t + 1));
    CTextNode* table = Add(*tables, number, number, kKindStringTable);
    for (int e = 0; e < kEntriesPerTable; ++e) {
      const int entry = t * kEntriesPerTable + e;
      Add(*table, EntryText(entry), u"Translated " + EntryText(entry), kKindStringEntry);
    }
  }
  return std::make_unique<CLanguageData>(std::move(root));
}

// Texts to look up: spread over all entries, or texts that no entry has.
std::vector<std::u16string> Queries(bool hits) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> entry(0, kTables * kEntriesPerTable - 1);
  std::vector<std::u16string> queries;
  for (int i = 0; i < 1024; ++i) {
    std::u16string text = EntryText(entry(random));
    if (!hits) text += u" ";  // differs only by a trailing blank
    queries.push_back(std::move(text));
  }
  return queries;
}

class LookupFixture : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    if (!RuntimeState().currentData) {
      CRuntimeModule::Active().HoldLanguage(u"strings.tra", MakeData());
    }
  }
};

void RunTranslateString(benchmark::State& state, bool hits) {
  const std::vector<std::u16string> queries = Queries(hits);
  size_t i = 0;
  for (auto _ : state) {
    std::u16string text = queries[i++ % queries.size()];
    benchmark::DoNotOptimize(TranslateString(text));
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void RunDepthFirst(benchmark::State& state, bool hits) {
  const std::vector<std::u16string> queries = Queries(hits);
  const CTextNode* category = FindStringTables(RuntimeState().currentData.get());
  size_t i = 0;
  for (auto _ : state) {
    std::u16string text = queries[i++ % queries.size()];
    const CTextNode* found = CStringIndex::SearchDepthFirst(*category, text);
    if (found) text = found->text;
    benchmark::DoNotOptimize(found);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_DEFINE_F(LookupFixture, IndexedHit)(benchmark::State& state) {
  RunTranslateString(state, true);
}
BENCHMARK_DEFINE_F(LookupFixture, IndexedMiss)(benchmark::State& state) {
  RunTranslateString(state, false);
}
BENCHMARK_DEFINE_F(LookupFixture, DepthFirstHit)(benchmark::State& state) {
  RunDepthFirst(state, true);
}
BENCHMARK_DEFINE_F(LookupFixture, DepthFirstMiss)(benchmark::State& state) {
  RunDepthFirst(state, false);
}
BENCHMARK_REGISTER_F(LookupFixture, IndexedHit);
BENCHMARK_REGISTER_F(LookupFixture, IndexedMiss);
BENCHMARK_REGISTER_F(LookupFixture, DepthFirstHit);
BENCHMARK_REGISTER_F(LookupFixture, DepthFirstMiss);

// What a load or a switch pays once for the index.
void BuildIndex(benchmark::State& state) {
  const auto data = MakeData();
  const CTextNode* category = FindStringTables(data.get());
  for (auto _ : state) {
    CStringIndex index;
    index.Build(category);
    benchmark::DoNotOptimize(index.IsEmpty());
  }
  state.SetItemsProcessed(state.iterations() * kTables * kEntriesPerTable);
}
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolmeric

BENCHMARK_MAIN();
