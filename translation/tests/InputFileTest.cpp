// Every reader of scripts, language files and projects takes regular files
// of a sane size only: a device, a pipe or a folder is refused with the
// reason before anything is read, and so is a file above the bound of its
// kind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "rcreader/RcTokenList.h"
#include "runtime/LanguageFileReader.h"
#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

struct Reader {
  const char* name;
  uint64_t maxBytes;
  std::function<void(const fs::path&)> read;
};

const std::vector<Reader>& Readers() {
  static const std::vector<Reader> readers = {
      {"language file", kMaxLanguageFileBytes,
       [](const fs::path& path) { LoadLanguageFile(path, nullptr); }},
      {"project", kMaxProjectFileBytes,
       [](const fs::path& path) { LoadProjectFile(path, nullptr); }},
      {"script", kMaxScriptBytes, [](const fs::path& path) { CRcTokenList(u"x.rc", path); }},
      {"run-time language file", kMaxLanguageFileBytes,
       [](const fs::path& path) { OpenLanguageFile(path.u16string()); }},
  };
  return readers;
}

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// The message of the file error reading path throws, or what went wrong.
std::string ErrorOf(const std::function<void(const fs::path&)>& read, const fs::path& path) {
  try {
    read(path);
  } catch (const CFileError& error) {
    if (error.Kind() != FileErrorKind::kCannotOpen || error.Path() != path) return "wrong error";
    return error.what();
  }
  return "no error";
}

std::string Refusal(const fs::path& path, const std::string& reason) {
  return Utf8(path) + ": cannot open file (" + reason + ")";
}

class InputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / "tolmeric_input_file_test";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(InputFileTest, EveryReaderRefusesWhatIsNoRegularFile) {
  struct Case {
    fs::path path;
    const char* reason;
  };
  std::vector<Case> cases = {{folder_, "a folder has that name"}};
#ifndef _WIN32
  const fs::path pipe = folder_ / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  cases.push_back({pipe, "a pipe, not a file"});
  cases.push_back({"/dev/zero", "a device, not a file"});
#endif
  for (const Reader& reader : Readers()) {
    for (const Case& c : cases) {
      EXPECT_EQ(ErrorOf(reader.read, c.path), Refusal(c.path, c.reason)) << reader.name;
    }
  }
}

// The size is known before reading: a sparse file just above a reader's
// bound takes no disk space and is refused without being read.
TEST_F(InputFileTest, EveryReaderRefusesAFileAboveItsBound) {
  for (const Reader& reader : Readers()) {
    const fs::path path = folder_ / "large";
    { std::ofstream create(path, std::ios::binary); }
    fs::resize_file(path, reader.maxBytes + 1);
    const std::string bound = std::to_string(reader.maxBytes >> 20) + " MiB";
    EXPECT_EQ(ErrorOf(reader.read, path), Refusal(path, "larger than " + bound)) << reader.name;
    fs::remove(path);
  }
  const fs::path path = folder_ / "small";
  std::ofstream(path, std::ios::binary) << std::string(100, 'x');
  EXPECT_EQ(ReadWholeFile(path, 100).size(), 100u);
  EXPECT_EQ(ErrorOf([](const fs::path& p) { ReadWholeFile(p, 99); }, path),
            Refusal(path, "larger than 99 bytes"));
}

}  // namespace
}  // namespace tolmeric
