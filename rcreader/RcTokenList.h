// The tokens of all scripts of one scan, in script order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rcreader/RcGrammar.h"
#include "rcreader/RcTextArena.h"
#include "rcreader/RcToken.h"

namespace tolmeric {

class CRcTokenList {
 public:
  explicit CRcTokenList(RcGrammar grammar = RcGrammar::kClassic) : grammar_(grammar) {}
  // Reads the whole script into a new list; fileName is what tokens carry,
  // path is where the bytes are read from (CFileError kCannotOpen).
  // defaultCodePage as for CScriptDecoder; grammar is the one the tokens are
  // read in, and the one the section parsers apply to them.
  CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
               int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Reads a script whose bytes are already in memory.
  static CRcTokenList FromBytes(const std::u16string& fileName, std::string bytes,
                                int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Reads a further script to the end of this list, in the list's grammar,
  // from its bytes or from the file at path.
  void ReadScript(const std::u16string& fileName, std::string bytes, int defaultCodePage = 0);
  void ReadScriptFile(const std::u16string& fileName, const std::filesystem::path& path,
                      int defaultCodePage = 0);

  RcGrammar grammar() const { return grammar_; }

  // Appends a token of the script named file (null: no script). The text
  // is copied into the list.
  void Append(int32_t type, std::u16string_view text, int32_t line,
              const std::shared_ptr<const std::u16string>& file);
  // Appends copies of all tokens of other, in order.
  void AppendList(const CRcTokenList& other);
  // The token at index, or the empty token (type 0, text "", line -1) when
  // the index lies outside the list.
  CRcToken TokenAt(int32_t index) const;
  int32_t count() const { return count_; }

 private:
  // 12 bytes a token: its text's offset in texts_ (for a single character,
  // the character itself), its length and type, and its line.
  struct Entry {
    uint32_t offset;
    uint32_t lengthAndType;
    int32_t line;
  };
  static constexpr uint32_t kTypeShift = 29;
  static constexpr uint32_t kChunkBits = 12;
  static constexpr uint32_t kChunkSize = uint32_t{1} << kChunkBits;

  // The tokens from firstToken on, up to the next script's, come from
  // fileName.
  struct Script {
    int32_t firstToken;
    std::shared_ptr<const std::u16string> fileName;
  };

  const Entry& EntryAt(int32_t index) const {
    return chunks_[static_cast<uint32_t>(index) >> kChunkBits]
                  [static_cast<uint32_t>(index) & (kChunkSize - 1)];
  }
  const std::u16string* FileOf(int32_t index) const;

  // Entries in chunks of fixed size: a list of millions of tokens is never
  // moved as a whole, which keeps reading linear in the script's size.
  std::vector<std::unique_ptr<Entry[]>> chunks_;
  int32_t count_ = 0;
  CRcTextArena texts_;
  std::vector<Script> scripts_;
  RcGrammar grammar_ = RcGrammar::kClassic;
};

}  // namespace tolmeric
