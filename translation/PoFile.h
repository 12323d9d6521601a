// GNU gettext message catalogues (.po): reading and writing, following the
// grammar of gettext's own tools. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolmeric {

// A file that cannot be read as its format: names the file, the line
// (1-based) and the reason, as "FILE:LINE: REASON".
class CFormatError : public std::runtime_error {
 public:
  CFormatError(const std::string& fileName, int32_t line, const std::string& reason);
  int32_t Line() const { return line_; }
  const std::string& Reason() const { return reason_; }

 private:
  int32_t line_;
  std::string reason_;
};

struct CPoEntry {
  std::vector<std::string> translatorComments;  // "# ..."
  std::vector<std::string> extractedComments;   // "#. ..."
  std::vector<std::string> references;          // "#: ...", one per reference
  std::vector<std::string> flags;               // "#, ...", one per flag
  std::vector<std::string> previous;            // "#| ..." lines as written
  bool hasContext = false;
  std::string context;
  std::string msgid;
  std::string msgstr;
  bool obsolete = false;
  int32_t line = 0;  // line of the entry's first line

  bool HasFlag(std::string_view flag) const;
  bool IsHeader() const { return !hasContext && msgid.empty() && !obsolete; }
};

struct CPoFile {
  std::vector<CPoEntry> entries;  // the header first, when there is one

  // The header's value of a field such as "Language", or "".
  std::string HeaderField(std::string_view name) const;
};

// Reads a whole catalogue; CFormatError for anything outside the grammar,
// for plural forms and for a character set other than UTF-8.
CPoFile ReadPoFile(std::string_view bytes, const std::string& fileName);

// Writes a catalogue as gettext's tools write it without line wrapping:
// a text with inner line feeds is split after each of them.
std::string WritePoFile(const CPoFile& file);

}  // namespace tolmeric
