// The main function of a benchmark program that runs under an address space
// limit, so that a regression that allocates without bound fails instead of
// taking the machine down.
#pragma once

#include <cstddef>

namespace tolmeric {

// Sets the limit, then runs the benchmarks the command line selects.
// Returns the program's exit code.
int RunBenchmarksWithMemoryLimit(int argc, char** argv, size_t limitBytes);

}  // namespace tolmeric
