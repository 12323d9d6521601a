#include "translation/LanguageData.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "translation/Archive.h"
#include "translation/AtomicFile.h"
#include "translation/MessageSink.h"

namespace tolmeric {

namespace {

const std::u16string kMagic = u"_LEXIVANE__LANGUAGE_FILE_";
const std::u16string kNodeThere = u"NodeThere";
const std::u16string kNoNode = u"NoNode";
const std::u16string kCorruptMessage = u"corrupt .tra - file!";

// The smallest record a node can have: a child count, two empty strings in
// the one-byte form without marker, and four numbers.
constexpr uint64_t kMinNodeBytes = 4 + 1 + 1 + 4 * 4;

// Items 2 to 10 of a language file.
struct Header {
  int32_t formatNumber = 0;
  uint32_t fileFlags = 0;
  int32_t fileValue = 0;
  std::u16string programName;
  std::u16string programVersion;
  std::u16string languageName;
  std::u16string headerText4;
  std::u16string headerText5;
  int32_t reservedValue = 0;
};

// Reads the magic; a wrong one is shown through the archive's sink.
bool ReadMagic(CArchive& archive) {
  if (archive.ReadString() == kMagic) return true;
  if (IMessageSink* sink = archive.MessageSink()) sink->ShowMessage(kCorruptMessage);
  return false;
}

// header := u32 formatNumber, u32 fileFlags, i32 fileValue, string programName,
//           string programVersion, string languageName, string headerText4,
//           string headerText5, i32 reservedValue
Header ReadHeader(CArchive& archive) {
  Header header;
  header.formatNumber = static_cast<int32_t>(archive.ReadU32());
  header.fileFlags = archive.ReadU32();
  header.fileValue = archive.ReadI32();
  header.programName = archive.ReadString();
  header.programVersion = archive.ReadString();
  header.languageName = archive.ReadString();
  header.headerText4 = archive.ReadString();
  header.headerText5 = archive.ReadString();
  header.reservedValue = archive.ReadI32();
  return header;
}

void ApplyHeader(Header&& header, CLanguageData& data) {
  data.formatNumber = header.formatNumber;
  data.fileFlags = header.fileFlags;
  data.fileValue = header.fileValue;
  data.programName = std::move(header.programName);
  data.programVersion = std::move(header.programVersion);
  data.languageName = std::move(header.languageName);
  data.headerText4 = std::move(header.headerText4);
  data.headerText5 = std::move(header.headerText5);
  data.reservedValue = header.reservedValue;
}

// flag := 1024 u32, top row first
FlagImage ReadFlag(CArchive& archive) {
  FlagImage flag;
  for (uint32_t& value : flag) value = archive.ReadU32();
  return flag;
}

// node record := u32 childCount, string baseText, string text, i32 kind,
//                i32 number1, i32 number2, i32 state
// Returns the child count; the children follow the record.
uint32_t ReadNodeRecord(CArchive& archive, CTextNode& node) {
  uint32_t childCount = archive.ReadU32();
  node.baseText = archive.ReadString();
  node.text = archive.ReadString();
  node.kind = archive.ReadI32();
  node.number1 = archive.ReadI32();
  node.number2 = archive.ReadI32();
  node.state = archive.ReadI32();
  return childCount;
}

// tree := node record, then childCount trees
// Read through a work list rather than recursion; every child count is
// checked, together with the children still owed by the nodes above, against
// the bytes that remain, and the nesting is bounded by kMaxTreeDepth.
std::unique_ptr<CTextNode> ReadTree(CArchive& archive) {
  struct Open {
    CTextNode* node;
    uint32_t childrenLeft;
  };
  std::vector<Open> open;
  uint64_t owed = 0;  // nodes announced by a child count and not yet read

  auto accept = [&](CTextNode* node, uint32_t childCount) {
    if ((owed + childCount) * kMinNodeBytes > archive.Remaining()) {
      archive.ThrowBadData("child count larger than the data");
    }
    if (childCount == 0) return;
    if (open.size() + 1 >= static_cast<size_t>(kMaxTreeDepth)) {
      archive.ThrowBadData("tree nested too deeply");
    }
    owed += childCount;
    // The count is known and checked: one allocation instead of growing.
    node->ReserveChildren(static_cast<int32_t>(childCount));
    open.push_back({node, childCount});
  };

  auto root = std::make_unique<CTextNode>(nullptr);
  accept(root.get(), ReadNodeRecord(archive, *root));
  while (!open.empty()) {
    Open& top = open.back();
    if (top.childrenLeft == 0) {
      open.pop_back();
      continue;
    }
    --top.childrenLeft;
    --owed;
    CTextNode* parent = top.node;
    auto child = std::make_unique<CTextNode>(parent);
    CTextNode* node = child.get();
    uint32_t childCount = ReadNodeRecord(archive, *node);
    parent->AddChild(std::move(child));
    accept(node, childCount);
  }
  return root;
}

// node record := u32 childCount, string baseText, string text, i32 kind,
//                i32 number1, i32 number2, i32 state
// Written at out, which has room for NodeRecordSize(node) bytes; returns
// the end.
uint8_t* PutNodeRecord(uint8_t* out, const CTextNode& node) {
  out = CArchive::PutU32(out, static_cast<uint32_t>(node.childCount));
  out = CArchive::PutString(out, node.baseText);
  out = CArchive::PutString(out, node.text);
  out = CArchive::PutI32(out, node.kind);
  out = CArchive::PutI32(out, node.number1);
  out = CArchive::PutI32(out, node.number2);
  return CArchive::PutI32(out, node.state);
}

// The bytes PutNodeRecord writes for node.
size_t NodeRecordSize(const CTextNode& node) {
  return 4 + CArchive::StoredStringSize(node.baseText.size()) +
         CArchive::StoredStringSize(node.text.size()) + 4 * 4;
}

// The records of the subtree below root, in any order: their size in bytes.
// Throws, before anything is written, for a text too long to be stored.
size_t TreeSize(const CArchive& archive, const CTextNode& root) {
  size_t bytes = 0;
  std::vector<const CTextNode*> pending{&root};
  while (!pending.empty()) {
    const CTextNode* node = pending.back();
    pending.pop_back();
    archive.CheckStringLength(node->baseText);
    archive.CheckStringLength(node->text);
    bytes += NodeRecordSize(*node);
    for (int32_t i = 0; i < node->childCount; ++i) pending.push_back(node->children[i].get());
  }
  return bytes;
}

// Depth first, each node before its children, without recursion. Into a
// buffer, the records' size is added up first, so that the buffer is sized
// once; written in pieces, each record's texts are checked as it comes. Each
// record is written in place, into room made for the whole record.
void WriteTree(CArchive& archive, const CTextNode& root) {
  const bool inPieces = archive.HasOutput();
  if (!inPieces) archive.Reserve(TreeSize(archive, root));
  std::vector<const CTextNode*> pending{&root};
  while (!pending.empty()) {
    const CTextNode* node = pending.back();
    pending.pop_back();
    if (inPieces) {
      archive.CheckStringLength(node->baseText);
      archive.CheckStringLength(node->text);
    }
    PutNodeRecord(archive.Extend(NodeRecordSize(*node)), *node);
    for (int32_t i = node->childCount - 1; i >= 0; --i) pending.push_back(node->children[i].get());
  }
}

void Store(const CLanguageData& data, CArchive& archive) {
  archive.WriteString(kMagic);
  archive.WriteU32(static_cast<uint32_t>(data.formatNumber));
  archive.WriteU32(data.fileFlags);
  archive.WriteI32(data.fileValue);
  archive.WriteString(data.programName);
  archive.WriteString(data.programVersion);
  archive.WriteString(data.languageName);
  archive.WriteString(data.headerText4);
  archive.WriteString(data.headerText5);
  archive.WriteI32(data.reservedValue);
  for (uint32_t value : data.flagImage) archive.WriteU32(value);
  if (data.root) {
    archive.WriteString(kNodeThere);
    WriteTree(archive, *data.root);
  } else {
    archive.WriteString(kNoNode);
  }
}

}  // namespace

CLanguageData::CLanguageData(std::unique_ptr<CTextNode> root) : root(std::move(root)) {}

CLanguageData::~CLanguageData() = default;

std::unique_ptr<CLanguageData> CLanguageData::Copy() const {
  auto copy = std::make_unique<CLanguageData>(root ? root->Clone(nullptr) : nullptr);
  copy->programName = programName;
  copy->programVersion = programVersion;
  copy->languageName = languageName;
  copy->headerText4 = headerText4;
  copy->headerText5 = headerText5;
  copy->flagImage = flagImage;
  copy->formatNumber = formatNumber;
  copy->reservedValue = reservedValue;
  copy->fileFlags = fileFlags;
  copy->fileValue = fileValue;
  return copy;
}

// The reference's structure with this object's texts. Without a reference
// tree there is no structure to adopt and this tree stays; without a tree of
// its own every reference node counts as missing.
// Everything that allocates happens before this object changes, so running
// out of memory half-way leaves it as it was.
bool CLanguageData::AdoptReference(const CLanguageData& reference) {
  bool missing = false;
  std::unique_ptr<CTextNode> merged;
  if (reference.root) {
    merged = reference.root->Clone(nullptr);
    if (root) {
      missing = merged->MergeTexts(*root);
    } else {
      merged->MarkMissing();
      missing = true;
    }
  }
  std::u16string version = reference.programVersion;
  if (merged) root = std::move(merged);
  programVersion = std::move(version);
  const bool hadWrittenByTool = (fileFlags & kFlagWrittenByTool) != 0;
  fileFlags = reference.fileFlags;
  if (!hadWrittenByTool) fileFlags &= ~kFlagWrittenByTool;
  fileValue = reference.fileValue;
  return missing;
}

void CLanguageData::CopyFlag(const CLanguageData& other) { flagImage = other.flagImage; }

void CLanguageData::SetAutoSwitch(bool on) {
  if (on) {
    fileFlags |= kFlagAutoSwitch;
  } else {
    fileFlags &= ~kFlagAutoSwitch;
  }
}

bool CLanguageData::SupportsAutoSwitch() const { return (fileFlags & kFlagAutoSwitch) != 0; }

// file := string magic, header, flag, string marker, [tree]
// Everything is read before anything is changed, so a file that ends early
// or is damaged leaves this object as it was.
void CLanguageData::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    Store(*this, archive);
    return;
  }
  if (!ReadMagic(archive)) {
    root.reset();
    return;
  }
  Header header = ReadHeader(archive);
  FlagImage flag = ReadFlag(archive);
  std::unique_ptr<CTextNode> tree;
  if (archive.ReadString() == kNodeThere) tree = ReadTree(archive);
  ApplyHeader(std::move(header), *this);
  flagImage = flag;
  root = std::move(tree);
}

void CLanguageData::SerializeHeader(CArchive& archive) {
  if (archive.IsStoring() || !ReadMagic(archive)) return;
  ApplyHeader(ReadHeader(archive), *this);
}

void CLanguageData::SerializeHeaderAndFlag(CArchive& archive) {
  if (archive.IsStoring() || !ReadMagic(archive)) return;
  Header header = ReadHeader(archive);
  FlagImage flag = ReadFlag(archive);
  ApplyHeader(std::move(header), *this);
  flagImage = flag;
}

void CLanguageData::SetFlagFromPixels(const uint32_t* image, int32_t imageWidth,
                                      int32_t imageHeight, int32_t x, int32_t y) {
  for (int32_t row = 0; row < kFlagSize; ++row) {
    for (int32_t column = 0; column < kFlagSize; ++column) {
      const int64_t px = static_cast<int64_t>(x) + column;
      const int64_t py = static_cast<int64_t>(y) + row;
      const bool inside = image != nullptr && px >= 0 && py >= 0 && px < imageWidth &&
                          py < imageHeight;
      flagImage[row * kFlagSize + column] = inside ? image[py * imageWidth + px] : 0;
    }
  }
}

// The file is written in pieces as it is stored, never held whole.
void WriteLanguageFile(const CLanguageData& data, const std::filesystem::path& path,
                       const ByteSink& write) {
  CArchive archive = CArchive::ForStoring(path);
  archive.SetOutput(write);
  Store(data, archive);
  archive.FlushOutput();
}

void SaveLanguageFile(const CLanguageData& data, const std::filesystem::path& path) {
  SavePiecesAtomically(path,
                       [&](const ByteSink& write) { WriteLanguageFile(data, path, write); });
}

std::unique_ptr<CLanguageData> LoadLanguageFile(const std::filesystem::path& path,
                                                IMessageSink* sink) {
  CArchive archive = CArchive::OpenForLoading(path, kMaxLanguageFileBytes);
  archive.SetMessageSink(sink);
  auto data = std::make_unique<CLanguageData>();
  data->Serialize(archive);
  return data;
}

}  // namespace tolmeric
