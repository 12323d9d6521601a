// The commands of tolmeric-cli. Each takes the arguments after its name and
// returns the exit status: 0 done, 1 a file could not be read or written,
// 2 a usage error.
#pragma once

#include <string>
#include <vector>

namespace tolmeric::cli {

using Arguments = std::vector<std::string>;

int RunScan(const Arguments& args);
int RunDump(const Arguments& args);
int RunNew(const Arguments& args);
int RunAdd(const Arguments& args);
int RunRemove(const Arguments& args);
int RunBuild(const Arguments& args);
int RunTestFile(const Arguments& args);
int RunFlags(const Arguments& args);

}  // namespace tolmeric::cli
