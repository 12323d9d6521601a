#include "translation/LanguageData.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "translation/Archive.h"
#include "translation/MessageSink.h"
#include "translation/tests/SampleTree.h"
#include "translation/tests/TreeCompare.h"

namespace tolmeric {
namespace {

using Bytes = std::vector<uint8_t>;

class CRecordingSink : public IMessageSink {
 public:
  void ShowMessage(const std::u16string& message) override { messages.push_back(message); }
  std::vector<std::u16string> messages;
};

Bytes Store(const CLanguageData& data) {
  auto copy = data.Copy();
  CArchive archive = CArchive::ForStoring("demo.tra");
  copy->Serialize(archive);
  return archive.Bytes();
}

std::unique_ptr<CLanguageData> Load(Bytes bytes, IMessageSink* sink = nullptr) {
  CArchive archive = CArchive::ForLoading(std::move(bytes), "demo.tra");
  archive.SetMessageSink(sink);
  auto data = std::make_unique<CLanguageData>();
  data->Serialize(archive);
  EXPECT_EQ(archive.Remaining(), 0u);
  return data;
}

void AppendUtf16(Bytes& bytes, const char* ascii) {
  for (const char* c = ascii; *c != 0; ++c) {
    bytes.push_back(static_cast<uint8_t>(*c));
    bytes.push_back(0);
  }
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectSameHeader(const CLanguageData& expected, const CLanguageData& actual) {
  EXPECT_EQ(actual.programName, expected.programName);
  EXPECT_EQ(actual.programVersion, expected.programVersion);
  EXPECT_EQ(actual.languageName, expected.languageName);
  EXPECT_EQ(actual.headerText4, expected.headerText4);
  EXPECT_EQ(actual.headerText5, expected.headerText5);
  EXPECT_EQ(actual.formatNumber, expected.formatNumber);
  EXPECT_EQ(actual.reservedValue, expected.reservedValue);
  EXPECT_EQ(actual.fileFlags, expected.fileFlags);
  EXPECT_EQ(actual.fileValue, expected.fileValue);
}

// The header the tool writes for a new project demo with automatic switching.
TEST(LanguageFileStore, DemoHeaderGoldenBytes) {
  CLanguageData data;
  data.programName = u"demo";
  data.programVersion = u"1.0";
  data.languageName = u"Deutsch";
  data.SetAutoSwitch(true);

  Bytes expected = {0xFF, 0xFE, 0xFF, 0x19};
  AppendUtf16(expected, "_LEXIVANE__LANGUAGE_FILE_");
  for (uint8_t b : {0x10, 0x27, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}) {
    expected.push_back(b);
  }
  for (const char* text : {"demo", "1.0", "Deutsch", "", ""}) {
    expected.insert(expected.end(), {0xFF, 0xFE, 0xFF, static_cast<uint8_t>(std::string(text).size())});
    AppendUtf16(expected, text);
  }
  expected.insert(expected.end(), {0xFF, 0xFF, 0xFF, 0xFF});

  Bytes bytes = Store(data);
  ASSERT_GT(bytes.size(), expected.size() + 4096);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(expected.size())), expected);
  // The flag (all 0), then "NoNode".
  Bytes tail(bytes.begin() + static_cast<long>(expected.size()), bytes.end());
  Bytes noNode = {0xFF, 0xFE, 0xFF, 0x06};
  AppendUtf16(noNode, "NoNode");
  ASSERT_EQ(tail.size(), 4096 + noNode.size());
  EXPECT_EQ(Bytes(tail.begin() + 4096, tail.end()), noNode);

  EXPECT_TRUE(data.SupportsAutoSwitch());
  data.SetAutoSwitch(false);
  EXPECT_EQ(data.fileFlags, 1u);
  EXPECT_FALSE(data.SupportsAutoSwitch());
}

TEST(LanguageFileStore, RoundTripIsByteIdentical) {
  auto data = BuildSampleData(3, 5, 4);
  Bytes first = Store(*data);
  auto loaded = Load(first);
  ExpectSameHeader(*data, *loaded);
  EXPECT_EQ(loaded->flagImage, data->flagImage);
  ASSERT_NE(loaded->root, nullptr);
  EXPECT_EQ(loaded->root->parent, nullptr);
  EXPECT_TRUE(SameTree(*data->root, *loaded->root));
  EXPECT_EQ(Store(*loaded), first);
}

// A file written by an earlier version of the tool must still read, and the
// writer must not drift from it.
TEST(LanguageFileStore, GoldenSampleFile) {
  Bytes golden = ReadFileBytes(std::filesystem::path(TOLMERIC_TEST_DATA) / "sample.tra");
  auto expected = BuildSampleData(2, 3, 2);
  EXPECT_EQ(Store(*expected), golden);
  auto loaded = Load(golden);
  ExpectSameHeader(*expected, *loaded);
  ASSERT_NE(loaded->root, nullptr);
  EXPECT_TRUE(SameTree(*expected->root, *loaded->root));
}

// Node records are written in place rather than through WriteString: their
// texts in every length form must come out as WriteString writes them.
TEST(LanguageFileStore, NodeTextsInEveryLengthForm) {
  auto root = std::make_unique<CTextNode>(nullptr, u"R", u"R", kKindRoot, -1, -1);
  CArchive expected = CArchive::ForStoring("expected.tra");
  auto writeRecord = [&expected](const CTextNode& node) {
    expected.WriteU32(static_cast<uint32_t>(node.childCount));
    expected.WriteString(node.baseText);
    expected.WriteString(node.text);
    for (int32_t value : {node.kind, node.number1, node.number2, node.state}) {
      expected.WriteI32(value);
    }
  };
  for (size_t units : {0, 254, 255, 65533, 65534, 65535, 70000}) {
    const auto n = static_cast<int32_t>(units);
    std::u16string base(units, u'b');
    for (size_t i = 0; i < units; ++i) base[i] = static_cast<char16_t>(0x100 + i % 0xD000);
    root->AddChild(std::make_unique<CTextNode>(root.get(), base, std::u16string(units / 2, u't'),
                                               kKindStringEntry, n, -n));
  }
  writeRecord(*root);
  for (int32_t i = 0; i < root->childCount; ++i) writeRecord(*root->ChildAt(i));
  CLanguageData data(std::move(root));
  const Bytes stored = Store(data);
  const Bytes& tree = expected.Bytes();
  ASSERT_GT(stored.size(), tree.size());
  EXPECT_EQ(Bytes(stored.end() - static_cast<ptrdiff_t>(tree.size()), stored.end()), tree);
  auto loaded = Load(stored);
  ASSERT_NE(loaded->root, nullptr);
  EXPECT_TRUE(SameTree(*data.root, *loaded->root));
}

TEST(LanguageFileStore, NoTreeRoundTrip) {
  auto data = BuildSampleData(1, 1, 1);
  data->root.reset();
  Bytes bytes = Store(*data);
  auto loaded = Load(bytes);
  EXPECT_EQ(loaded->root, nullptr);
  ExpectSameHeader(*data, *loaded);
  EXPECT_EQ(Store(*loaded), bytes);
}

TEST(LanguageFileLoad, ChildrenAreAppendedInStepsOfTen) {
  auto root = std::make_unique<CTextNode>(nullptr, u"Dialoge", u"Dialoge", kKindDialogCategory, -1, -1);
  for (int i = 0; i < 25; ++i) {
    std::u16string text = u"c" + std::u16string(1, static_cast<char16_t>(u'A' + i));
    root->AddChild(std::make_unique<CTextNode>(root.get(), text, text, kKindControl, 1, 2));
  }
  CLanguageData data(std::move(root));
  auto loaded = Load(Store(data));
  ASSERT_NE(loaded->root, nullptr);
  EXPECT_EQ(loaded->root->childCount, 25);
  EXPECT_EQ(loaded->root->capacity, 30);
  EXPECT_EQ(loaded->root->ChildAt(24)->baseText, u"cY");
  EXPECT_EQ(loaded->root->ChildAt(24)->capacity, 0);
}

// Any marker other than "NodeThere" means no tree, even one that looks like
// it.
TEST(LanguageFileLoad, OnlyExactNodeThereStartsATree) {
  Bytes bytes = Store(CLanguageData());
  Bytes noNode = {0xFF, 0xFE, 0xFF, 0x06};
  AppendUtf16(noNode, "NoNode");
  bytes.resize(bytes.size() - noNode.size());
  bytes.insert(bytes.end(), {0xFF, 0xFE, 0xFF, 0x09});
  AppendUtf16(bytes, "nodeThere");
  CLanguageData data(BuildChain(3));
  CArchive archive = CArchive::ForLoading(bytes, "demo.tra");
  data.Serialize(archive);
  EXPECT_EQ(data.root, nullptr);
}

TEST(LanguageFileLoad, WrongMagicShowsMessageAndDropsTree) {
  auto data = BuildSampleData(1, 1, 1);
  auto before = data->Copy();
  Bytes bytes = Store(*data);
  bytes[4] = 'X';  // first unit of the magic
  for (int depth = 0; depth < 3; ++depth) {
    SCOPED_TRACE(depth);
    auto target = before->Copy();
    target->programName = u"kept";
    CRecordingSink sink;
    CArchive archive = CArchive::ForLoading(bytes, "demo.tra");
    archive.SetMessageSink(&sink);
    if (depth == 0) target->Serialize(archive);
    if (depth == 1) target->SerializeHeader(archive);
    if (depth == 2) target->SerializeHeaderAndFlag(archive);
    EXPECT_EQ(sink.messages, std::vector<std::u16string>{u"corrupt .tra - file!"});
    // Reading stops after the magic.
    EXPECT_EQ(archive.Offset(), 4u + 2 * 25);
    EXPECT_EQ(target->programName, u"kept");
    EXPECT_EQ(target->languageName, before->languageName);
    EXPECT_EQ(target->fileValue, before->fileValue);
    // Only the full load gives up the tree.
    EXPECT_EQ(target->root == nullptr, depth == 0);
  }
  // Without a sink the load still stops quietly.
  CArchive quiet = CArchive::ForLoading(bytes, "demo.tra");
  CLanguageData target;
  target.Serialize(quiet);
  EXPECT_EQ(target.programName, u"");
}

// Header reads stop before the damage, so a damaged tree does not matter.
TEST(LanguageFileLoad, HeaderReadsIgnoreDamagedTree) {
  auto data = BuildSampleData(2, 2, 2);
  auto withoutTree = data->Copy();
  withoutTree->root.reset();
  const size_t headerAndFlag = Store(*withoutTree).size() - 16;  // before "NoNode"
  Bytes damaged = Store(*data);
  // "NodeThere" (22 bytes), then a root record cut after two bytes.
  damaged.resize(headerAndFlag + 24);
  for (int depth = 0; depth < 2; ++depth) {
    CArchive archive = CArchive::ForLoading(damaged, "demo.tra");
    CLanguageData header;
    if (depth == 0) header.SerializeHeader(archive);
    if (depth == 1) header.SerializeHeaderAndFlag(archive);
    ExpectSameHeader(*data, header);
    EXPECT_EQ(header.flagImage == data->flagImage, depth == 1);
    EXPECT_EQ(header.root, nullptr);
  }
  CArchive full = CArchive::ForLoading(damaged, "demo.tra");
  CLanguageData all;
  EXPECT_THROW(all.Serialize(full), CFileError);
}

// A load that fails part way leaves the object as it was.
TEST(LanguageFileLoad, FailedLoadChangesNothing) {
  Bytes bytes = Store(*BuildSampleData(2, 2, 2));
  bytes.pop_back();
  CLanguageData target(BuildChain(4));
  target.programName = u"before";
  target.flagImage[5] = 77;
  CArchive archive = CArchive::ForLoading(bytes, "demo.tra");
  EXPECT_THROW(target.Serialize(archive), CFileError);
  EXPECT_EQ(target.programName, u"before");
  EXPECT_EQ(target.flagImage[5], 77u);
  ASSERT_NE(target.root, nullptr);
  EXPECT_EQ(target.root->CountNodes(), 4);
}

TEST(LanguageData, CopyIsDeep) {
  auto data = BuildSampleData(1, 2, 1);
  auto copy = data->Copy();
  ExpectSameHeader(*data, *copy);
  EXPECT_EQ(copy->flagImage, data->flagImage);
  ASSERT_NE(copy->root, nullptr);
  EXPECT_NE(copy->root.get(), data->root.get());
  EXPECT_TRUE(SameTree(*data->root, *copy->root, true));
  copy->root->ChildAt(0)->text = u"changed";
  EXPECT_EQ(data->root->ChildAt(0)->text, u"Menus");
  EXPECT_EQ(CLanguageData().Copy()->root, nullptr);
}

TEST(LanguageData, AdoptReferenceFlagsAndNumbers) {
  struct Case {
    uint32_t loaded, reference, expected;
  };
  const Case cases[] = {
      {1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 3, 2}, {3, 1, 1}, {1, 2, 2}, {1, 0x13, 0x13}, {2, 3, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.loaded << " " << c.reference);
    CLanguageData loaded(BuildSampleTree(1, 1, 1));
    loaded.fileFlags = c.loaded;
    loaded.programVersion = u"2.0";
    loaded.languageName = u"English";
    loaded.fileValue = 4;
    CLanguageData reference(BuildSampleTree(1, 1, 1));
    reference.fileFlags = c.reference;
    reference.programVersion = u"1.0";
    reference.languageName = u"Deutsch";
    reference.fileValue = 9;
    EXPECT_FALSE(loaded.AdoptReference(reference));
    EXPECT_EQ(loaded.fileFlags, c.expected);
    EXPECT_EQ(loaded.programVersion, u"1.0");
    EXPECT_EQ(loaded.fileValue, 9);
    EXPECT_EQ(loaded.languageName, u"English");
  }
}

// The reference's structure wins; texts come from the loaded tree; a node the
// loaded tree lacks keeps the reference text and is marked.
TEST(LanguageData, AdoptReferenceMergesOntoReferenceStructure) {
  auto reference = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  auto dialog = std::make_unique<CTextNode>(reference.get(), u"Suchen", u"Suchen", kKindDialog, 9, 9);
  dialog->AddChild(std::make_unique<CTextNode>(dialog.get(), u"OK", u"OK", kKindPushButton, 1, 1));
  dialog->AddChild(std::make_unique<CTextNode>(dialog.get(), u"Neu", u"Neu", kKindPushButton, 1, 1));
  reference->AddChild(std::move(dialog));
  CLanguageData held(std::move(reference));

  auto file = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  auto translated = std::make_unique<CTextNode>(file.get(), u"Suchen", u"Find", kKindDialog, 1, 1);
  translated->AddChild(std::make_unique<CTextNode>(translated.get(), u"OK", u"Okay", kKindPushButton, 1, 1));
  translated->AddChild(std::make_unique<CTextNode>(translated.get(), u"Alt", u"Old", kKindPushButton, 1, 1));
  file->AddChild(std::move(translated));
  CLanguageData loaded(std::move(file));

  EXPECT_TRUE(loaded.AdoptReference(held));
  const CTextNode* result = loaded.root->ChildAt(0);
  EXPECT_EQ(result->text, u"Find");
  EXPECT_EQ(result->number1, 9);  // the reference's node, not the file's
  EXPECT_EQ(result->childCount, 2);
  EXPECT_EQ(result->ChildAt(0)->text, u"Okay");
  EXPECT_EQ(result->ChildAt(0)->state, kStateLeafPresent);
  EXPECT_EQ(result->ChildAt(1)->text, u"Neu");
  EXPECT_EQ(result->ChildAt(1)->state, kStateLeafMissing);
  EXPECT_EQ(result->state, kStateSomeMissing);
  // The held data is untouched.
  EXPECT_EQ(held.root->ChildAt(0)->text, u"Suchen");
}

TEST(LanguageData, AdoptReferenceWithoutATree) {
  CLanguageData loaded(BuildSampleTree(1, 1, 0));
  CLanguageData bare;
  EXPECT_FALSE(loaded.AdoptReference(bare));
  ASSERT_NE(loaded.root, nullptr);
  EXPECT_EQ(loaded.root->CountNodes(), BuildSampleTree(1, 1, 0)->CountNodes());

  CLanguageData empty;
  CLanguageData held(BuildSampleTree(0, 1, 0));
  EXPECT_TRUE(empty.AdoptReference(held));
  ASSERT_NE(empty.root, nullptr);
  EXPECT_EQ(empty.root->state, kStateSubtreeMissing);
  EXPECT_EQ(empty.root->ChildAt(1)->ChildAt(0)->ChildAt(0)->state, kStateLeafMissing);
}

// Entry row*32+column takes pixel (x+column, y+row); outside the image is 0.
TEST(LanguageData, SetFlagFromPixelsCopiesTheBlock) {
  const int32_t width = 32 * 5, height = 40;
  std::vector<uint32_t> image(width * height);
  for (int32_t py = 0; py < height; ++py) {
    for (int32_t px = 0; px < width; ++px) image[py * width + px] = static_cast<uint32_t>(py * 1000 + px);
  }
  CLanguageData data;
  data.SetFlagFromPixels(image.data(), width, height, 96, 3);
  EXPECT_EQ(data.flagImage[0], 3u * 1000 + 96);
  EXPECT_EQ(data.flagImage[1], 3u * 1000 + 97);
  EXPECT_EQ(data.flagImage[32], 4u * 1000 + 96);
  EXPECT_EQ(data.flagImage[31 * 32 + 31], 34u * 1000 + 127);

  data.SetFlagFromPixels(image.data(), width, height, 150, 20);
  EXPECT_EQ(data.flagImage[0], 20u * 1000 + 150);
  EXPECT_EQ(data.flagImage[9], 20u * 1000 + 159);
  EXPECT_EQ(data.flagImage[10], 0u);             // column 160 is outside
  EXPECT_EQ(data.flagImage[19 * 32 + 9], 39u * 1000 + 159);
  EXPECT_EQ(data.flagImage[20 * 32], 0u);        // row 40 is outside

  data.SetFlagFromPixels(image.data(), width, height, -1, -1);
  EXPECT_EQ(data.flagImage[0], 0u);
  EXPECT_EQ(data.flagImage[33], 0u);
  EXPECT_EQ(data.flagImage[34], 1u);
}

// The file is written in pieces of about a megabyte: a tree of several
// gives the bytes that storing it whole gives.
TEST(LanguageFile, SaveAndLoadThroughFiles) {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("tolmeric_language_file_" + std::to_string(::getpid()) + ".tra");
  auto data = BuildSampleData(2, 2, 2);
  data->root->ChildAt(0)->ChildAt(0)->text = std::u16string(600000, u'x');  // one record past a piece
  for (int32_t i = 0; i < 20000; ++i) {
    data->root->AddChild(std::make_unique<CTextNode>(data->root.get(), u"base text", u"Text " + FromAscii(std::to_string(i)),
                                                     kKindStringEntry, i, 0));
  }
  SaveLanguageFile(*data, path);
  const Bytes whole = Store(*data);
  ASSERT_GT(whole.size(), 2 * CArchive::kOutputPiece);
  EXPECT_TRUE(ReadFileBytes(path) == whole);
  CRecordingSink sink;
  auto loaded = LoadLanguageFile(path, &sink);
  EXPECT_TRUE(sink.messages.empty());
  ExpectSameHeader(*data, *loaded);
  ASSERT_NE(loaded->root, nullptr);
  EXPECT_TRUE(SameTree(*data->root, *loaded->root));
  std::filesystem::remove(path);
  EXPECT_THROW(LoadLanguageFile(path, &sink), CFileError);
}

}  // namespace
}  // namespace tolmeric
