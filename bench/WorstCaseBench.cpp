// The worst shapes a language file can have for loading and for the merge of
// a language switch: one node with hundreds of thousands of children, and
// many children with the same base text. Both must stay linear (or n log n)
// in the number of nodes. And the worst scripts for a scan: one long line of
// tokens that all fail, and a UTF-16 script shifted by one stray byte, which
// leaves no line end; the scan's time and memory must stay linear in the
// script's size. The program runs under an address space limit, so
// a regression that allocates without bound fails instead of taking the
// machine down.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/CountingAllocator.h"
#include "bench/MemoryLimit.h"
#include "rcreader/ProblemLog.h"
#include "rcreader/RcFile.h"
#include "rcreader/RcTokenList.h"
#include "translation/Archive.h"
#include "translation/StringSource.h"
#include "translation/LanguageData.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

// Far above what these inputs need (a few hundred MiB at most).
constexpr size_t kAddressSpaceLimit = size_t{4} << 30;

std::u16string Numbered(const char* stem, int64_t n) {
  return FromAscii(stem) + FromAscii(std::to_string(n));
}

// A root with count leaf children, their base texts taken from text(i).
template <typename TextOf>
std::unique_ptr<CLanguageData> WideData(int64_t count, TextOf textOf) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFile", kKindRoot, -1, -1);
  for (int64_t i = 0; i < count; ++i) {
    std::u16string base = textOf(i);
    root->AddChild(std::make_unique<CTextNode>(root.get(), base, Numbered("Text ", i),
                                               kKindStringEntry, -1, -1));
  }
  return std::make_unique<CLanguageData>(std::move(root));
}

std::vector<uint8_t> StoredBytes(CLanguageData& data) {
  CArchive archive = CArchive::ForStoring("wide.tra");
  data.Serialize(archive);
  return archive.Bytes();
}

// Loading a language file whose root has range(0) children.
void BM_LoadWideNode(benchmark::State& state) {
  const std::vector<uint8_t> bytes =
      StoredBytes(*WideData(state.range(0), [](int64_t i) { return Numbered("Eintrag ", i); }));
  for (auto _ : state) {
    CArchive archive = CArchive::ForLoading(bytes, "wide.tra");
    CLanguageData data;
    data.Serialize(archive);
    benchmark::DoNotOptimize(data.root->childCount);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadWideNode)->Arg(400000)->Arg(800000)->Unit(benchmark::kMillisecond);

// Building a node of range(0) children one at a time, as a reader does.
void BM_AddChildrenOneByOne(benchmark::State& state) {
  for (auto _ : state) {
    auto data = WideData(state.range(0), [](int64_t) { return std::u16string(u"x"); });
    benchmark::DoNotOptimize(data->root->childCount);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddChildrenOneByOne)->Arg(400000)->Unit(benchmark::kMillisecond);

// The merge of a switch: the held structure and the new file both have
// range(0) children with the base texts textOf gives.
template <typename TextOf>
void MergeWideNodes(benchmark::State& state, TextOf textOf) {
  const auto reference = WideData(state.range(0), textOf);
  const auto loaded = WideData(state.range(0), textOf);
  for (auto _ : state) {
    auto data = loaded->Copy();
    benchmark::DoNotOptimize(data->AdoptReference(*reference));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every child with the same base text.
void BM_MergeEqualChildren(benchmark::State& state) {
  MergeWideNodes(state, [](int64_t) { return std::u16string(u"OK"); });
}
BENCHMARK(BM_MergeEqualChildren)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

// A few hundred distinct texts, each repeated many times.
void BM_MergeRepeatedChildren(benchmark::State& state) {
  MergeWideNodes(state, [](int64_t i) { return Numbered("Text ", i % 300); });
}
BENCHMARK(BM_MergeRepeatedChildren)->Arg(20000)->Unit(benchmark::kMillisecond);

class CBenchStrings : public IStringSource {
 public:
  std::u16string LoadString(uint32_t) const override { return u"message %i"; }
};

// Scans script, reporting the peak heap of a scan as a multiple of the
// script's size and the number of problems found.
void ScanScript(benchmark::State& state, const std::string& script) {
  const CBenchStrings strings;
  size_t peak = 0;
  int32_t problems = 0;
  for (auto _ : state) {
    ResetHeapPeak();
    const size_t before = HeapBytesInUse();
    const CRcTokenList list = CRcTokenList::FromBytes(u"worst.rc", script);
    CProblemLog log(strings);
    log.Begin();
    CRcFile file;
    file.Parse(list, 0, log);
    benchmark::DoNotOptimize(log.text.data());
    problems = log.problemCount();
    peak = HeapPeakBytes() - before;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(script.size()));
  state.counters["problems"] = problems;
  state.counters["peak_ratio"] = static_cast<double>(peak) / static_cast<double>(script.size());
}

// A dialog whose body is one line of range(0) KB of tokens that are no
// control: every token costs a message about the same line.
void BM_ScanLongFailingLine(benchmark::State& state) {
  std::string script = "IDD_WORST DIALOG 0, 0, 10, 10\nBEGIN\n";
  const size_t bytes = static_cast<size_t>(state.range(0)) << 10;
  while (script.size() < bytes) script += "IDC_NAME , 12 , ";
  script += "\nEND\n";
  ScanScript(state, script);
}
BENCHMARK(BM_ScanLongFailingLine)->Arg(64)->Arg(256)->Arg(5120)->Unit(benchmark::kMillisecond);

// A UTF-16 script with one stray byte after the beginning of its first
// dialog's body: every later code unit is made of two halves of others, so
// no line end is left and the rest of the script is one line of strange
// characters, each a token that fails.
void BM_ScanShiftedUtf16(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0)) << 10;
  std::string ascii = "IDD_FIRST DIALOG 0, 0, 10, 10\nBEGIN\n";
  const std::string body = "  LTEXT \"Name\", IDC_NAME, 7, 7, 40, 8\n";
  while (2 * ascii.size() < bytes) ascii += body;
  ascii += "END\n";
  std::string script = "\xFF\xFE";
  for (char c : ascii) {
    script += c;
    script += '\0';
  }
  script.insert(2 + 2 * ascii.find("BEGIN\n") + 12, 1, 'x');
  ScanScript(state, script);
}
BENCHMARK(BM_ScanShiftedUtf16)->Arg(64)->Arg(256)->Arg(5120)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolmeric

int main(int argc, char** argv) {
  return tolmeric::RunBenchmarksWithMemoryLimit(argc, argv, tolmeric::kAddressSpaceLimit);
}
