// Scan throughput and memory: a generated resource script of thousands of
// dialogs, menus and string tables is scanned into a language file. Run at
// several sizes: the time and the memory per MB must stay flat. The program
// runs under an address space limit.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/CountingAllocator.h"
#include "bench/MemoryLimit.h"
#include "rcreader/ProblemLog.h"
#include "rcreader/RcFile.h"
#include "rcreader/RcGrammar.h"
#include "rcreader/RcReader.h"
#include "rcreader/RcTokenList.h"
#include "translation/LanguageData.h"
#include "translation/StringSource.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

class CBenchStrings : public IStringSource {
 public:
  std::u16string LoadString(uint32_t id) const override { return u"message"; }
};

// One block of sections as an application's script holds them: a dialog, a
// menu with nested popups, a string table, a toolbar and a version block,
// and one bad control statement (its comma after the text is missing), so
// that the log is written to as well. The classic grammar also fails on the
// automatic radio button, once for each of its tokens.
std::string Block(int n) {
  const std::string id = std::to_string(n);
  std::string s;
  s += "IDD_DIALOG" + id + " DIALOGEX 0, 0, 320, 200\n"
       "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
       "CAPTION \"Dialog " + id + "\"\n"
       "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
       "BEGIN\n"
       "    DEFPUSHBUTTON   \"OK\",IDOK,263,7,50,14\n"
       "    PUSHBUTTON      \"Cancel\",IDCANCEL,263,24,50,14\n"
       "    LTEXT           \"&Name:\",IDC_STATIC,7,7,40,8\n"
       "    EDITTEXT        IDC_NAME" + id + ",50,7,100,12,ES_AUTOHSCROLL\n"
       "    GROUPBOX        \"Options\",IDC_STATIC,7,30,200,80\n"
       "    CONTROL         \"Check &" + id + "\",IDC_CHECK,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP,14,44,80,10\n"
       "    CONTROL         \"\",IDC_SPIN,\"msctls_updown32\",UDS_ARROWKEYS,14,60,10,14\n"
       "    COMBOBOX        IDC_COMBO,14,80,100,60,CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n"
       "    AUTORADIOBUTTON \"Radio\",IDC_RADIO,14,96,50,10\n"
       "    LTEXT           \"Broken\" IDC_BROKEN,7,120,40,8\n"
       "END\n\n"
       "IDR_MENU" + id + " MENU\n"
       "BEGIN\n"
       "    POPUP \"&File\"\n"
       "    BEGIN\n"
       "        MENUITEM \"&Open...\\tCtrl+O\",       ID_FILE_OPEN\n"
       "        MENUITEM SEPARATOR\n"
       "        POPUP \"Recent\"\n"
       "        BEGIN\n"
       "            MENUITEM \"File " + id + "\", ID_FILE_MRU, GRAYED\n"
       "        END\n"
       "        MENUITEM \"E&xit\",                   ID_APP_EXIT\n"
       "    END\n"
       "END\n\n"
       "STRINGTABLE DISCARDABLE\n"
       "BEGIN\n";
  for (int i = 0; i < 8; ++i)
    s += "    IDS_STRING" + id + "_" + std::to_string(i) + "  \"Text number " + std::to_string(i) +
         " of block " + id + "\\n\"\n";
  s += "END\n\n"
       "IDR_TOOLBAR" + id + " TOOLBAR 16, 15\n"
       "BEGIN\n    BUTTON ID_FILE_NEW\n    SEPARATOR\n    BUTTON ID_APP_ABOUT\nEND\n\n"
       "// A comment line /* and */ a block comment\n"
       "#define SYMBOL" + id + " 100\n\n";
  return s;
}

std::string MakeScript(size_t bytes) {
  std::string script;
  script.reserve(bytes + 4096);
  for (int n = 0; script.size() < bytes; ++n) script += Block(n);
  return script;
}

// A file that is removed when the benchmark is done with it.
class CTemporaryFile {
 public:
  explicit CTemporaryFile(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              (std::to_string(::getpid()) + "-" + name)) {}
  ~CTemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The whole scan as a project runs it: the script read from disk, decoded,
// tokenised and parsed, the tree built and the language file written.
std::unique_ptr<CLanguageData> Scan(const std::u16string& script, RcGrammar grammar,
                                    const std::filesystem::path& languageFile) {
  const CBenchStrings strings;
  auto data = std::make_unique<CLanguageData>();
  {
    CRcReader reader({script}, nullptr, 0, 0, 0, grammar);
    CProblemLog log(strings);
    log.Begin();
    data->root = reader.ParseTree(log, false, strings);
  }
  SaveLanguageFile(*data, languageFile);
  return data;
}

// range(0) is the script's size in MB, range(1) 1 for the resource
// compiler's grammar (which new projects and the command line read), 0 for
// the classic one. The scans are timed without counting the heap; peak_ratio
// is the most heap one counted scan held at once, as a multiple of the
// script's size. Letting go of the tree afterwards is no step of a scan (the
// tool keeps the tree it shows, the command line ends), so it is timed on
// its own: free_ms.
void BM_Scan(benchmark::State& state) {
  CTemporaryFile script("scan-bench.rc");
  CTemporaryFile languageFile("scan-bench.tra");
  size_t scriptBytes = 0;
  {
    const std::string text = MakeScript(static_cast<size_t>(state.range(0)) << 20);
    std::ofstream(script.path(), std::ios::binary) << text;
    scriptBytes = text.size();
  }
  const std::u16string name = FromUtf8(script.path().string());
  const RcGrammar grammar = state.range(1) != 0 ? RcGrammar::kCompiler : RcGrammar::kClassic;
  ResetHeapPeak();
  const size_t before = HeapBytesInUse();
  const int32_t dialogs = Scan(name, grammar, languageFile.path())->root->ChildAt(1)->childCount;
  const size_t peak = HeapPeakBytes() - before;
  CountHeap(false);
  std::chrono::duration<double, std::milli> freeing{0};
  for (auto _ : state) {
    std::unique_ptr<CLanguageData> data = Scan(name, grammar, languageFile.path());
    state.PauseTiming();
    const auto start = std::chrono::steady_clock::now();
    data.reset();
    freeing += std::chrono::steady_clock::now() - start;
    state.ResumeTiming();
  }
  CountHeap(true);
  const double megabytes = static_cast<double>(scriptBytes) / (1024.0 * 1024.0);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(scriptBytes));
  state.counters["MB"] = megabytes;
  state.counters["dialogs"] = dialogs;
  state.counters["peak_ratio"] = static_cast<double>(peak) / static_cast<double>(scriptBytes);
  state.counters["free_ms"] = freeing.count() / static_cast<double>(state.iterations());
}
// Every size is measured after a warm-up of at least one scan, so that all
// are measured alike: otherwise the small script runs many times on memory
// the process already has, and the large ones once on memory it first has
// to get from the system, which looks like a cost that grows with size.
// The scripts are read into tokens on a thread of their own while the parse
// goes on, so the rate is that of the time a user waits (real time); the
// CPU time is that of the whole process, both threads.
BENCHMARK(BM_Scan)
    ->ArgNames({"MB", "compiler"})
    ->ArgsProduct({{5, 20, 50}, {1, 0}})
    ->MinWarmUpTime(1.0)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Sections left open to the end of the list: every level fails at once and
// the search ends, so the cost stays that of reading the tokens.
void BM_ScanUnclosedPopups(benchmark::State& state) {
  std::string script = "IDR_MENU MENU\nBEGIN\n";
  for (int64_t i = 0; i < state.range(0); ++i)
    script += "POPUP \"Level\"\nBEGIN\nMENUITEM \"Item\", 1\n";
  const CBenchStrings strings;
  for (auto _ : state) {
    const CRcTokenList list = CRcTokenList::FromBytes(u"open.rc", script);
    CProblemLog log(strings);
    CRcFile file;
    file.Parse(list, 0, log);
    benchmark::DoNotOptimize(file.MenuCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(script.size()));
}
BENCHMARK(BM_ScanUnclosedPopups)->Arg(50)->Arg(100)->Arg(190)->Unit(benchmark::kMicrosecond);

// The 50 MB scan needs a few hundred MiB; a scan that held ten times the
// script's size or more would fail.
constexpr size_t kAddressSpaceLimit = size_t{1536} << 20;

}  // namespace
}  // namespace tolmeric

// The process keeps the heap it has had: memory freed at the end of one
// scan is not handed back to the system only to be taken again (page by
// page, at a cost that differs widely between machines) by the next, which
// made a run's figure depend on what ran before it. The memory a scan takes
// is what peak_ratio shows.
int main(int argc, char** argv) {
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  return tolmeric::RunBenchmarksWithMemoryLimit(argc, argv, tolmeric::kAddressSpaceLimit);
}
