// Damaged and hostile language files: every load either succeeds or throws
// the archive's end-of-file or bad-data error; none crashes, hangs, recurses
// without bound or allocates more than the file could describe.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "translation/Archive.h"
#include "translation/LanguageData.h"
#include "translation/tests/SampleTree.h"
#include "translation/tests/StackLimit.h"
#include "translation/tests/TreeCompare.h"

namespace tolmeric {
namespace {

using Bytes = std::vector<uint8_t>;

// The smallest stored node: a count, two empty 8-bit strings, four numbers.
constexpr size_t kSmallestNode = 22;

Bytes Store(CLanguageData& data) {
  CArchive archive = CArchive::ForStoring("damaged.tra");
  data.Serialize(archive);
  return archive.Bytes();
}

enum class Outcome { kLoaded, kEndOfFile, kBadData, kOtherError };

// Loads bytes; a tree that loads may not have more nodes than the bytes
// could hold.
Outcome TryLoad(const Bytes& bytes) {
  CArchive archive = CArchive::ForLoading(bytes, "damaged.tra");
  CLanguageData data;
  try {
    data.Serialize(archive);
  } catch (const CFileError& error) {
    if (error.Kind() == FileErrorKind::kEndOfFile) return Outcome::kEndOfFile;
    if (error.Kind() == FileErrorKind::kBadData) return Outcome::kBadData;
    return Outcome::kOtherError;
  }
  if (data.root) {
    EXPECT_LE(static_cast<size_t>(data.root->CountNodes()), bytes.size() / kSmallestNode);
  }
  return Outcome::kLoaded;
}

Bytes SampleFile() {
  auto data = BuildSampleData(2, 10, 2);
  return Store(*data);
}

// Header, flag and "NodeThere" of a valid file, for inputs that should reach
// the tree reader.
Bytes TreePrefix() {
  CLanguageData data(std::make_unique<CTextNode>(nullptr));
  Bytes bytes = Store(data);
  bytes.resize(bytes.size() - kSmallestNode - 6);  // the empty root record
  return bytes;
}

void AppendU32(Bytes& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A node record with empty 8-bit strings.
void AppendNode(Bytes& bytes, uint32_t childCount) {
  AppendU32(bytes, childCount);
  bytes.push_back(0);
  bytes.push_back(0);
  for (int i = 0; i < 4; ++i) AppendU32(bytes, 0);
}

TEST(LanguageFileRobustness, EveryTruncationFailsCleanly) {
  const Bytes full = SampleFile();
  ASSERT_GT(BuildSampleTree(2, 10, 2)->CountNodes(), 200);
  for (size_t n = 0; n < full.size(); ++n) {
    Outcome outcome = TryLoad(Bytes(full.begin(), full.begin() + static_cast<long>(n)));
    ASSERT_TRUE(outcome == Outcome::kEndOfFile || outcome == Outcome::kBadData) << "cut at " << n;
  }
  EXPECT_EQ(TryLoad(full), Outcome::kLoaded);
}

TEST(LanguageFileRobustness, RandomBytes) {
  std::mt19937 random(20261206);
  const Bytes prefix = TreePrefix();
  int reachedTree = 0;
  for (int round = 0; round < 3000; ++round) {
    // Half the inputs start with a valid header so that they reach the tree.
    Bytes bytes = round % 2 == 0 ? Bytes() : prefix;
    const size_t length = random() % 300;
    for (size_t i = 0; i < length; ++i) {
      // Bias towards the bytes that matter to lengths and counts.
      uint32_t r = random();
      bytes.push_back(r % 4 == 0 ? 0xFF : r % 4 == 1 ? static_cast<uint8_t>(r >> 8 & 3)
                                                     : static_cast<uint8_t>(r >> 8));
    }
    Outcome outcome = TryLoad(bytes);
    ASSERT_NE(outcome, Outcome::kOtherError) << "round " << round;
    if (round % 2 == 1 && outcome != Outcome::kEndOfFile) ++reachedTree;
  }
  // Some inputs get past the first node record.
  EXPECT_GT(reachedTree, 0);
}

TEST(LanguageFileRobustness, RandomMutationsOfARealFile) {
  std::mt19937 random(4711);
  const Bytes original = SampleFile();
  int loaded = 0;
  int failed = 0;
  for (int round = 0; round < 2000; ++round) {
    Bytes bytes = original;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c) {
      size_t at = random() % bytes.size();
      switch (random() % 3) {
        case 0: bytes[at] = static_cast<uint8_t>(random()); break;
        case 1: bytes[at] = 0xFF; break;
        default: bytes.erase(bytes.begin() + static_cast<long>(at)); break;
      }
    }
    Outcome outcome = TryLoad(bytes);
    ASSERT_NE(outcome, Outcome::kOtherError) << "round " << round;
    (outcome == Outcome::kLoaded ? loaded : failed)++;
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(failed, 0);
}

// Child counts are checked against the remaining bytes before any child is
// read, counting the children still owed by the nodes above.
TEST(LanguageFileRobustness, ImpossibleChildCountsAreBadData) {
  Bytes huge = TreePrefix();
  AppendNode(huge, 0xFFFFFFFFu);
  EXPECT_EQ(TryLoad(huge), Outcome::kBadData);

  // Two children announced, room for one.
  Bytes owed = TreePrefix();
  AppendNode(owed, 2);
  AppendNode(owed, 0);
  EXPECT_EQ(TryLoad(owed), Outcome::kBadData);

  // Each count alone fits the bytes that remain, but not both together.
  Bytes joint = TreePrefix();
  AppendNode(joint, 2);
  AppendNode(joint, 1);
  AppendNode(joint, 0);
  EXPECT_EQ(TryLoad(joint), Outcome::kBadData);
  AppendNode(joint, 0);
  EXPECT_EQ(TryLoad(joint), Outcome::kLoaded);
}

TEST(LanguageFileRobustness, ThousandLevelsRoundTrip) {
  CLanguageData data(BuildChain(1000));
  Bytes bytes = Store(data);
  CArchive archive = CArchive::ForLoading(bytes, "deep.tra");
  CLanguageData loaded;
  loaded.Serialize(archive);
  ASSERT_NE(loaded.root, nullptr);
  EXPECT_EQ(loaded.root->CountNodes(), 1000);
  EXPECT_TRUE(SameTree(*data.root, *loaded.root));
  EXPECT_EQ(Store(loaded), bytes);
}

TEST(LanguageFileRobustness, NestingBeyondTheLimitIsBadData) {
  CLanguageData atLimit(BuildChain(kMaxTreeDepth));
  EXPECT_EQ(TryLoad(Store(atLimit)), Outcome::kLoaded);
  CLanguageData beyond(BuildChain(kMaxTreeDepth + 1));
  EXPECT_EQ(TryLoad(Store(beyond)), Outcome::kBadData);

  // A hand-made chain whose nodes each claim one child.
  Bytes chain = TreePrefix();
  for (int32_t level = 0; level < kMaxTreeDepth + 5; ++level) AppendNode(chain, 1);
  AppendNode(chain, 0);
  EXPECT_EQ(TryLoad(chain), Outcome::kBadData);
}

// Far below the 1 MB main-thread stack of a Windows program: every walk over
// a tree uses a work list, and one that recursed through the deepest tree a
// file may hold would overflow this.
constexpr size_t kStackBytes = 128u << 10;

// What the tests below observe of the operations on a deep tree.
struct DeepTreeResults {
  int32_t counted = 0;
  int32_t cloned = 0;
  bool gap = true;
  bool adoptGap = true;
  std::u16string deepestText;
  Bytes stored;
};

// Loads bytes and runs every operation used on loaded trees; all trees are
// destroyed before it returns.
DeepTreeResults RunDeepTreeOperations(const Bytes& bytes) {
  DeepTreeResults results;
  CArchive archive = CArchive::ForLoading(bytes, "deep.tra");
  CLanguageData data;
  data.Serialize(archive);
  results.counted = data.root->CountNodes();
  std::unique_ptr<CTextNode> clone = data.root->Clone(nullptr);
  results.cloned = clone->CountNodes();
  results.gap = clone->MergeTexts(*data.root);
  clone->ResetStates();
  clone->MarkMissing();
  clone->CopyTextsAsBase(*data.root, 0);
  clone->ApplyTestMarks(true, u"[", true, u"]");
  const CTextNode* deepest = clone.get();
  while (deepest->childCount > 0) deepest = deepest->ChildAt(0);
  results.deepestText = deepest->text;
  auto copy = data.Copy();
  CLanguageData reference(data.root->Clone(nullptr));
  results.adoptGap = copy->AdoptReference(reference);
  CArchive out = CArchive::ForStoring("deep.tra");
  data.Serialize(out);
  results.stored = out.Bytes();
  return results;
}

void ExpectDeepTreeResults(const DeepTreeResults& results, const Bytes& bytes) {
  EXPECT_EQ(results.counted, kMaxTreeDepth);
  EXPECT_EQ(results.cloned, kMaxTreeDepth);
  EXPECT_FALSE(results.gap);
  EXPECT_FALSE(results.adoptGap);
  std::u16string expected = u"Ebene " + FromAscii(std::to_string(kMaxTreeDepth));
  expected.front() = u'[';
  expected.back() = u']';
  EXPECT_EQ(results.deepestText, expected);
  EXPECT_EQ(results.stored, bytes);
}

// Everything done with a loaded tree must work at the deepest tree a file may
// hold: on the main thread, and on a stack much smaller than Windows gives it.
TEST(LanguageFileRobustness, TreeAtTheLimitFitsASmallStack) {
  CLanguageData source(BuildChain(kMaxTreeDepth));
  const Bytes bytes = Store(source);
  ExpectDeepTreeResults(RunDeepTreeOperations(bytes), bytes);
  DeepTreeResults onSmallStack;
  ASSERT_TRUE(RunWithStack(kStackBytes, [&] { onSmallStack = RunDeepTreeOperations(bytes); }));
  ExpectDeepTreeResults(onSmallStack, bytes);
}

}  // namespace
}  // namespace tolmeric
