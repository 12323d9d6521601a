// Runs the Windows tolmeric-cli the way a user of cmd does, to show that the
// check of outputs against inputs sees one file behind different letter
// case and either slash.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// tolmeric-cli.exe lies beside this test program.
fs::path CliProgram() {
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  return fs::path(std::wstring(module, length)).parent_path() / L"tolmeric-cli.exe";
}

// Runs the program with args in folder and returns its exit status.
DWORD RunCli(const fs::path& folder, const std::vector<std::wstring>& args) {
  std::wstring line = L"\"" + CliProgram().native() + L"\"";
  for (const std::wstring& arg : args) line += L" \"" + arg + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    return 9999;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 9999;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status;
}

TEST(CliWindows, OutputIsNoInputWhateverItsSpelling) {
  const fs::path folder = fs::temp_directory_path() / L"tolmeric-cli-windows";
  fs::remove_all(folder);
  fs::create_directories(folder / L"sub");
  const std::string script = "STRINGTABLE BEGIN 1 \"a\" END\r\n";
  std::ofstream(folder / L"app.rc", std::ios::binary) << script;

  ASSERT_EQ(RunCli(folder, {L"scan", L"--output", L"app.tra", L"app.rc"}), 0u);
  const std::string language = ReadFile(folder / L"app.tra");
  struct Case {
    std::vector<std::wstring> args;
    DWORD status;
  };
  const Case cases[] = {
      {{L"scan", L"--output", L"APP.RC", L"app.rc"}, 2},
      {{L"scan", L"--output", L".\\App.rc", L"app.rc"}, 2},
      {{L"scan", L"--output", L"sub/../app.RC", L"app.rc"}, 2},
      {{L"scan", L"--output", (folder / L"app.rc").wstring(), L"./APP.rc"}, 2},
      {{L"scan", L"--output", L"other.tra", L"--log", L"sub\\..\\APP.RC", L"app.rc"}, 2},
      {{L"scan", L"--output", L"App.Tra", L"--log", L"app.tra", L"app.rc"}, 2},
      {{L"testfile", L"--input", L"app.tra", L"--output", L".\\sub/..\\APP.tra"}, 2},
      {{L"scan", L"--output", L"app.lxp", L"app.rc"}, 0},  // a control: another file
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunCli(folder, c.args), c.status) << fs::path(c.args[2]).string();
  }
  EXPECT_EQ(ReadFile(folder / L"app.rc"), script);
  EXPECT_EQ(ReadFile(folder / L"app.tra"), language);
  EXPECT_FALSE(fs::exists(folder / L"other.tra"));
  fs::remove_all(folder);
}

}  // namespace
