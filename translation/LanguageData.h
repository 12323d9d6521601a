// The content of one language file: header strings, numbers, flag image and
// the owned text tree.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "AtomicFile.h"
#include "TextNode.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolmeric {

class CArchive;
class IMessageSink;

inline constexpr int32_t kFlagSize = 32;
inline constexpr int32_t kFlagPixels = kFlagSize * kFlagSize;
inline constexpr uint32_t kFlagAutoSwitch = 1u << 1;
inline constexpr uint32_t kFlagWrittenByTool = 1u << 0;

// The deepest tree a language file may hold, counting the root as level 1.
// Real trees are a handful of levels deep; the bound keeps a damaged or
// hostile file from nesting without end.
inline constexpr int32_t kMaxTreeDepth = 4096;

// 1024 colour values, row-major, red in the lowest byte.
using FlagImage = std::array<uint32_t, kFlagPixels>;

class CLanguageData {
 public:
  explicit CLanguageData(std::unique_ptr<CTextNode> root = nullptr);
  virtual ~CLanguageData();

  CLanguageData(const CLanguageData&) = delete;
  CLanguageData& operator=(const CLanguageData&) = delete;

  // A deep copy: tree, strings, numbers and flag.
  std::unique_ptr<CLanguageData> Copy() const;
  // The run-time merge of freshly loaded data (this) onto the data held so
  // far (reference). True when the merge reported missing texts.
  bool AdoptReference(const CLanguageData& reference);
  void CopyFlag(const CLanguageData& other);
  void SetAutoSwitch(bool on);
  bool SupportsAutoSwitch() const;

  // Stores or loads the whole file. A wrong magic shows "corrupt .tra - file!"
  // through the archive's message sink and leaves no tree.
  void Serialize(CArchive& archive);
  // Load only the header (items up to the reserved value), or the header and
  // the flag; nothing happens when the archive is storing.
  void SerializeHeader(CArchive& archive);
  void SerializeHeaderAndFlag(CArchive& archive);

  // Copies the 32 by 32 block whose top left corner is (x, y) from an image
  // of imageWidth by imageHeight colour values, row-major. Pixels outside the
  // image read as 0.
  void SetFlagFromPixels(const uint32_t* image, int32_t imageWidth, int32_t imageHeight,
                         int32_t x, int32_t y);

#ifdef _WIN32
  // Reads the flag from a bitmap, selected into a memory device context
  // compatible with dc: entry row*32+column <- pixel (x+column, y+row).
  void SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int32_t x, int32_t y);
  // A new 32 by 32 bitmap compatible with dc showing the flag; the caller
  // owns it.
  HBITMAP CreateFlagBitmap(HDC dc) const;
#endif

  std::unique_ptr<CTextNode> root;
  std::u16string programName;
  std::u16string programVersion;
  std::u16string languageName;
  std::u16string headerText4;
  std::u16string headerText5;
  FlagImage flagImage{};
  int32_t formatNumber = 10000;
  int32_t reservedValue = -1;
  uint32_t fileFlags = kFlagWrittenByTool;
  int32_t fileValue = 0;
};

// Writes data as a language file, replacing path only once the whole file is
// written (CFileError kCannotCreate or kWriteFailed naming path).
void SaveLanguageFile(const CLanguageData& data, const std::filesystem::path& path);
// The bytes of data's language file, handed to write about a megabyte at a
// time, so that the whole file is never held at once; path names the file
// in errors.
void WriteLanguageFile(const CLanguageData& data, const std::filesystem::path& path,
                       const ByteSink& write);
// Reads a whole language file; messages such as a wrong magic go to sink,
// which may be null. CFileError kCannotOpen, kEndOfFile or kBadData.
std::unique_ptr<CLanguageData> LoadLanguageFile(const std::filesystem::path& path,
                                                IMessageSink* sink);

}  // namespace tolmeric
