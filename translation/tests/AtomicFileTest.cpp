#include "translation/AtomicFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "translation/FileError.h"

namespace tolmeric {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tolmeric_atomic_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static Bytes Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The names in the folder, to show that no temporary file is left.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path folder_;
};

TEST_F(AtomicFileTest, CreatesAndReplaces) {
  fs::path target = folder_ / "demo.tra";
  SaveFileAtomically(target, {1, 2, 3});
  EXPECT_EQ(Read(target), (Bytes{1, 2, 3}));
  Bytes big(300000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i % 251);
  SaveFileAtomically(target, big);
  EXPECT_EQ(Read(target), big);
  SaveFileAtomically(target, {});
  EXPECT_EQ(fs::file_size(target), 0u);
  EXPECT_EQ(Names(), std::vector<std::string>{"demo.tra"});
}

// Whatever step fails, the previous file stays as it was, no temporary file
// remains, and the error names the target.
TEST_F(AtomicFileTest, FailureKeepsThePreviousFile) {
  fs::path target = folder_ / "demo.tra";
  const Bytes previous = {'o', 'l', 'd'};
  SaveFileAtomically(target, previous);
  struct Case {
    SaveStep failing;
    FileErrorKind kind;
  };
  const Case cases[] = {
      {SaveStep::kCreate, FileErrorKind::kCannotCreate},
      {SaveStep::kWrite, FileErrorKind::kWriteFailed},
      {SaveStep::kFlush, FileErrorKind::kWriteFailed},
      {SaveStep::kReplace, FileErrorKind::kWriteFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.failing));
    std::vector<SaveStep> asked;
    auto hook = [&](SaveStep step) {
      asked.push_back(step);
      return step != c.failing;
    };
    try {
      SaveFileAtomically(target, Bytes(5000, 'n'), hook);
      ADD_FAILURE() << "no error";
    } catch (const CFileError& error) {
      EXPECT_EQ(error.Kind(), c.kind);
      EXPECT_EQ(error.Path(), target);
    }
    EXPECT_EQ(asked.back(), c.failing);
    EXPECT_EQ(Read(target), previous);
    EXPECT_EQ(Names(), std::vector<std::string>{"demo.tra"});
  }
}

// A file made in pieces: what the maker throws after some pieces ends the
// save with the previous file intact and no temporary file left.
TEST_F(AtomicFileTest, PiecesAreWrittenInOrderAndAFailingMakerKeepsThePreviousFile) {
  fs::path target = folder_ / "demo.tra";
  SavePiecesAtomically(target, [](const ByteSink& write) {
    const uint8_t first[] = {1, 2};
    const uint8_t second[] = {3};
    write(first, 2);
    write(second, 1);
  });
  EXPECT_EQ(Read(target), (Bytes{1, 2, 3}));
  auto failing = [](const ByteSink& write) {
    const Bytes piece(70000, 'n');
    write(piece.data(), piece.size());
    throw CFileError(FileErrorKind::kWriteFailed, "demo.tra", "text too long");
  };
  EXPECT_THROW(SavePiecesAtomically(target, failing), CFileError);
  EXPECT_EQ(Read(target), (Bytes{1, 2, 3}));
  EXPECT_EQ(Names(), std::vector<std::string>{"demo.tra"});
}

TEST_F(AtomicFileTest, RealFailures) {
  // A folder that does not exist: nothing can be created there.
  fs::path missing = folder_ / "no such folder" / "demo.tra";
  try {
    SaveFileAtomically(missing, {1});
    FAIL() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotCreate);
    EXPECT_EQ(error.Path(), missing);
  }
  // A folder in the target's place cannot be replaced by a file.
  fs::path occupied = folder_ / "occupied.tra";
  fs::create_directory(occupied);
  fs::create_directory(occupied / "inside");
  EXPECT_THROW(SaveFileAtomically(occupied, {1}), CFileError);
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
  EXPECT_EQ(Names(), std::vector<std::string>{"occupied.tra"});
}

// Several files saved as one: a file that cannot be written leaves every
// target as it was, also those listed before it.
TEST_F(AtomicFileTest, SeveralFilesAreWrittenAllOrNone) {
  const fs::path first = folder_ / "out.tra";
  const fs::path second = folder_ / "out.log";
  SaveFileAtomically(first, {'o', 'l', 'd'});
  const fs::path unwritable = folder_ / "no such folder" / "x";
  EXPECT_THROW(SaveFilesAtomically({{first, {1}}, {second, {2}}, {unwritable, {3}}}), CFileError);
  EXPECT_EQ(Read(first), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(Names(), std::vector<std::string>{"out.tra"});

  int writes = 0;
  auto failSecondWrite = [&](SaveStep step) { return step != SaveStep::kWrite || ++writes < 2; };
  EXPECT_THROW(SaveFilesAtomically({{first, {1}}, {second, {2}}}, failSecondWrite), CFileError);
  EXPECT_EQ(Read(first), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(Names(), std::vector<std::string>{"out.tra"});

  // A folder in the second target's place is found before the first
  // target is replaced.
  fs::create_directory(second);
  EXPECT_THROW(SaveFilesAtomically({{first, {1}}, {second, {2}}}), CFileError);
  EXPECT_EQ(Read(first), (Bytes{'o', 'l', 'd'}));
  fs::remove(second);

  // A file made in pieces whose maker fails after the first file was
  // written: neither target changes and no temporary file is left.
  auto failing = [](const ByteSink& write) {
    const Bytes piece(70000, 'n');
    write(piece.data(), piece.size());
    throw std::length_error("text too long");
  };
  EXPECT_THROW(SaveFilesAtomically({{first, {1}}, {second, {}, failing}}), std::length_error);
  EXPECT_EQ(Read(first), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(Names(), std::vector<std::string>{"out.tra"});

  auto pieces = [](const ByteSink& write) {
    const uint8_t bytes[] = {7, 8};
    write(bytes, 1);
    write(bytes + 1, 1);
  };
  SaveFilesAtomically({{first, {1}}, {second, {}, pieces}});
  EXPECT_EQ(Read(first), Bytes{1});
  EXPECT_EQ(Read(second), (Bytes{7, 8}));
}

}  // namespace
}  // namespace tolmeric
