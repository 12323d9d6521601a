// Turns the bytes of a resource script into lines of UTF-16 text.
#pragma once

#include <memory>
#include <string>

#include "rcreader/CodePageDecoder.h"
#include "rcreader/ScriptFile.h"

namespace tolmeric {

// Delivers the lines of a script one at a time, decoded, without their line
// ends. A line ends at a line feed; a carriage return right before it belongs
// to the line end; no empty line follows a final line feed.
//
// A script starting with FF FE is UTF-16LE, one starting with FE FF is
// UTF-16BE, one starting with EF BB BF is UTF-8 (the mark is dropped in all
// three). Any other script is read in its default code page until a line
// `#pragma code_page(N)` selects code page N for the lines after it, as the
// resource compiler does; `code_page(DEFAULT)` returns to the default code
// page, and an unknown N changes nothing. The default code page is the one
// given, as with the resource compiler's /c option, or one byte per character.
class CScriptDecoder {
 public:
  // defaultCodePage: a supported code page, or 0 for one byte per character
  // (an unsupported one counts as 0).
  // With loneCrEndsLine, a carriage return not followed by a line feed ends
  // a line as well (scripts saved with old Macintosh line ends).
  explicit CScriptDecoder(std::string bytes, int defaultCodePage = 0, bool loneCrEndsLine = false);
  // The same over a file read in blocks as lines are needed: only the
  // block in hand and the line it ends are held.
  explicit CScriptDecoder(std::unique_ptr<CScriptFile> file, int defaultCodePage = 0,
                          bool loneCrEndsLine = false);
  ~CScriptDecoder();

  // True for bytes that cannot be a script: a NUL byte outside a UTF-16
  // script (one with its byte order mark). Such bytes are refused before
  // they are decoded.
  static bool IsBinary(const std::string& bytes);

  // The next line, or false when none is left.
  bool NextLine(std::u16string& line);

  // From now on `#pragma code_page` lines are left to the caller, who
  // knows which of them count (not those in a false conditional branch),
  // and selects with SelectCodePage.
  void LeavePragmasToCaller() { followPragmas_ = false; }
  // A code page number, or kDefault; an unsupported one changes nothing.
  void SelectCodePage(int codePage);

  // The code page that decodes the next line of a byte script: 0 for one
  // byte per character.
  int CodePage() const { return decoder_ ? decoder_->CodePage() : 0; }

  // What a `#pragma code_page` line selects: a code page number (any
  // number, kUnknownCodePage for one too long to be one), kDefault, or
  // kNoPragma when the line is no such pragma.
  static constexpr int kNoPragma = -1;
  static constexpr int kDefault = -2;
  static constexpr int kUnknownCodePage = 999999;
  static int ParseCodePagePragma(const std::u16string& line);

 private:
  enum class Encoding { kBytes, kUtf8, kUtf16, kUtf16BigEndian };

  void DetectEncoding();
  bool MoreBytes();
  size_t FindByteLineEnd(size_t from) const;
  bool NextByteLine(std::u16string& line);
  bool NextUtf16Line(std::u16string& line);
  char16_t UnitAt(size_t offset) const;
  size_t FindUtf16LineEnd(size_t from) const;

  // The bytes in hand: all of them, or those of the file from the next
  // line's start on.
  std::string bytes_;
  std::unique_ptr<CScriptFile> file_;  // null once all bytes are in hand
  size_t next_ = 0;  // offset of the next line's first byte
  Encoding encoding_ = Encoding::kBytes;
  int defaultCodePage_ = 0;
  bool followPragmas_ = true;
  bool loneCrEndsLine_ = false;
  std::unique_ptr<CCodePageDecoder> decoder_;  // null: one byte per character
};

}  // namespace tolmeric
