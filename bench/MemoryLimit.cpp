#include "bench/MemoryLimit.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

namespace tolmeric {

int RunBenchmarksWithMemoryLimit(int argc, char** argv, size_t limitBytes) {
  const rlimit limit{limitBytes, limitBytes};
  if (setrlimit(RLIMIT_AS, &limit) != 0) {
    std::perror("setrlimit");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tolmeric
