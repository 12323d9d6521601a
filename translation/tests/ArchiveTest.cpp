#include "translation/Archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "translation/FileError.h"

namespace tolmeric {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Stored(const std::u16string& text) {
  CArchive archive = CArchive::ForStoring("demo.tra");
  archive.WriteString(text);
  return archive.Bytes();
}

std::u16string ReadOne(Bytes bytes) {
  CArchive archive = CArchive::ForLoading(std::move(bytes), "demo.tra");
  std::u16string text = archive.ReadString();
  EXPECT_EQ(archive.Remaining(), 0u);
  return text;
}

// The kind of error reading one string from bytes throws.
FileErrorKind ReadError(Bytes bytes) {
  CArchive archive = CArchive::ForLoading(std::move(bytes), "demo.tra");
  try {
    archive.ReadString();
  } catch (const CFileError& error) {
    return error.Kind();
  }
  ADD_FAILURE() << "no error";
  return FileErrorKind::kCannotOpen;
}

Bytes Prefix(const Bytes& bytes, size_t n) { return Bytes(bytes.begin(), bytes.begin() + n); }

TEST(ArchiveString, NoNodeGoldenBytes) {
  const Bytes expected = {0xFF, 0xFE, 0xFF, 0x06, 0x4E, 0x00, 0x6F, 0x00,
                          0x4E, 0x00, 0x6F, 0x00, 0x64, 0x00, 0x65, 0x00};
  EXPECT_EQ(Stored(u"NoNode"), expected);
  EXPECT_EQ(ReadOne(expected), u"NoNode");
  EXPECT_EQ(Stored(u""), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
}

// Each length form at its boundary: the bytes after the marker, and the text
// read back unit for unit.
TEST(ArchiveString, LengthFormsAtTheirBoundaries) {
  struct Case {
    size_t units;
    Bytes lengthBytes;
  };
  const Case cases[] = {
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
      {200000, {0xFF, 0xFF, 0xFF, 0x40, 0x0D, 0x03, 0x00}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    std::u16string text(c.units, u'a');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(0x100 + i % 0xD000);
    Bytes bytes = Stored(text);
    ASSERT_EQ(bytes.size(), 3 + c.lengthBytes.size() + 2 * c.units);
    EXPECT_EQ(Bytes(bytes.begin() + 3, bytes.begin() + 3 + c.lengthBytes.size()), c.lengthBytes);
    EXPECT_EQ(bytes[3 + c.lengthBytes.size()], 0x00);  // low byte of 0x100
    EXPECT_EQ(bytes[4 + c.lengthBytes.size()], 0x01);
    EXPECT_EQ(ReadOne(bytes), text);
  }
}

TEST(ArchiveString, EightBitStringsWithoutMarker) {
  EXPECT_EQ(ReadOne({0x03, 'a', 'b', 'c'}), u"abc");
  EXPECT_EQ(ReadOne({0x00}), u"");
  // The 16-bit and 32-bit length forms count 8-bit characters as well.
  Bytes medium = {0xFF, 0x2C, 0x01};
  medium.insert(medium.end(), 300, 'x');
  EXPECT_EQ(ReadOne(medium), std::u16string(300, u'x'));
  Bytes longest = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'o', 'k'};
  EXPECT_EQ(ReadOne(longest), u"ok");
}

#ifndef _WIN32
// The portable reader converts as code page 1252; its five unassigned bytes
// keep their value.
TEST(ArchiveString, EightBitStringsAreCodePage1252) {
  EXPECT_EQ(ReadOne({0x07, 0x80, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x9F}),
            u"\u20AC\u0081\u008D\u008F\u0090\u009D\u0178");
  EXPECT_EQ(ReadOne({0x05, 0x8A, 0x99, 0xA0, 0xE4, 0xFF}), u"\u0160\u2122\u00A0\u00E4\u00FF");
}
#endif

// After the marker the length is read again in any of its forms; a second
// marker directly after the first is damage, not a string.
TEST(ArchiveString, MarkerHandling) {
  EXPECT_EQ(ReadOne({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x41, 0x00}), u"A");
  EXPECT_EQ(ReadOne({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x42, 0x00}),
            u"B");
  EXPECT_EQ(ReadError({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 0x41, 0x00}),
            FileErrorKind::kBadData);
}

TEST(ArchiveString, ShortDataIsEndOfFile) {
  const Bytes full = Stored(u"Datei");
  for (size_t n = 0; n < full.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(ReadError(Prefix(full, n)), FileErrorKind::kEndOfFile);
  }
  // Lengths far beyond the data fail before anything is allocated.
  EXPECT_EQ(ReadError({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
            FileErrorKind::kEndOfFile);
  EXPECT_EQ(ReadError({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), FileErrorKind::kEndOfFile);
  EXPECT_EQ(ReadError({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42}), FileErrorKind::kEndOfFile);
}

TEST(ArchiveIntegers, LittleEndianAndShortData) {
  CArchive out = CArchive::ForStoring("x.tra");
  out.WriteU32(0x12345678u);
  out.WriteI32(-2);
  EXPECT_EQ(out.Bytes(), (Bytes{0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(out.Offset(), 8u);

  CArchive in = CArchive::ForLoading(out.Bytes(), "x.tra");
  EXPECT_EQ(in.ReadU32(), 0x12345678u);
  EXPECT_EQ(in.Offset(), 4u);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_THROW(in.ReadU32(), CFileError);

  CArchive three = CArchive::ForLoading({1, 2, 3}, "x.tra");
  EXPECT_THROW(three.ReadI32(), CFileError);
}

TEST(ArchiveErrors, MessagesNameFileAndKind) {
  CArchive archive = CArchive::ForLoading({}, "demo.tra");
  try {
    archive.ReadU32();
    FAIL() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kEndOfFile);
    EXPECT_EQ(error.Path(), std::filesystem::path("demo.tra"));
    EXPECT_STREQ(error.what(), "demo.tra: unexpected end of file");
  }
  try {
    archive.ThrowBadData("tree nested too deeply");
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kBadData);
    EXPECT_STREQ(error.what(), "demo.tra: damaged data (tree nested too deeply)");
  }
  CFileError cannotOpen(FileErrorKind::kCannotOpen, "a/b.tra");
  EXPECT_STREQ(cannotOpen.what(), "a/b.tra: cannot open file");
}

TEST(ArchiveFile, OpenForLoadingReadsWholeFileOrFails) {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tolmeric_archive_open_test.bin";
  Bytes bytes(70000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  CArchive archive = CArchive::OpenForLoading(path);
  EXPECT_TRUE(archive.IsLoading());
  EXPECT_EQ(archive.Bytes(), bytes);
  EXPECT_EQ(archive.FileName(), path);
  std::filesystem::remove(path);

  try {
    CArchive::OpenForLoading(path);
    FAIL() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
    EXPECT_EQ(error.Path(), path);
  }
}

}  // namespace
}  // namespace tolmeric
