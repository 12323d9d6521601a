// The tokens of all scripts of one scan, in script order.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rcreader/RcGrammar.h"
#include "rcreader/RcPreprocessor.h"
#include "rcreader/RcTextArena.h"
#include "rcreader/RcToken.h"

namespace tolmeric {

class CRcTokenizer;
struct CRcTokenBatch;

// A script is read either at once (the constructors, ReadScript) or as its
// tokens are asked for (AddScript): then TokenAt, Has and count read on as
// far as they look, and a reader that is done with the front of the list
// lets it go with ReleaseBefore, so that a scan holds only the tokens near
// where it reads.
class CRcTokenList {
 public:
  explicit CRcTokenList(RcGrammar grammar = RcGrammar::kClassic);
  // Reads the whole script into a new list; fileName is what tokens carry,
  // path is where the bytes are read from (CFileError kCannotOpen).
  // defaultCodePage as for CScriptDecoder; grammar is the one the tokens are
  // read in, and the one the section parsers apply to them.
  CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
               int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic,
               const CPreprocessorOptions& options = {}, CRcWarnings* warnings = nullptr);
  CRcTokenList(CRcTokenList&&) noexcept;
  CRcTokenList& operator=(CRcTokenList&&) noexcept;
  ~CRcTokenList();

  // Reads a script whose bytes are already in memory.
  static CRcTokenList FromBytes(const std::u16string& fileName, std::string bytes,
                                int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Reads a further script to the end of this list, in the list's grammar
  // (which also decides whether its preprocessor lines are evaluated, with
  // options; path locates its includes, warnings may be null), from its
  // bytes or from the file at path.
  void ReadScript(const std::u16string& fileName, std::string bytes, int defaultCodePage = 0,
                  const std::filesystem::path& path = {},
                  const CPreprocessorOptions& options = {}, CRcWarnings* warnings = nullptr);
  void ReadScriptFile(const std::u16string& fileName, const std::filesystem::path& path,
                      int defaultCodePage = 0, const CPreprocessorOptions& options = {},
                      CRcWarnings* warnings = nullptr);
  // Queues a further script whose tokens are read when they are asked for,
  // after those of the scripts before it; from the file at path, which is
  // opened now (CFileError as for ReadScriptFile).
  void AddScript(std::unique_ptr<CRcPreprocessor> lines);
  void AddScriptFile(const std::u16string& fileName, const std::filesystem::path& path,
                     int defaultCodePage = 0, const CPreprocessorOptions& options = {},
                     CRcWarnings* warnings = nullptr);
  // Called with the number of the queued script (from 0) when its reading
  // begins.
  void OnScriptStart(std::function<void(size_t)> started) { onScriptStart_ = std::move(started); }

  RcGrammar grammar() const { return grammar_; }

  // Appends a token of the script named file (null: no script). The text
  // is copied into the list.
  void Append(int32_t type, std::u16string_view text, int32_t line,
              const std::shared_ptr<const std::u16string>& file);
  // Appends copies of all tokens of other, in order.
  void AppendList(const CRcTokenList& other);

  // The token at index, or the empty token (type 0, text "", line -1) when
  // the index lies outside the list or was let go.
  CRcToken TokenAt(int32_t index) const {
    if (index >= 0 && index < count_) return TokenInList(index);
    return Has(index) ? TokenInList(index) : CRcToken();
  }
  // TokenAt(index).text, without the rest of the token.
  std::u16string_view TextAt(int32_t index) const {
    if (index >= 0 && (index < count_ || Has(index))) {
      const Chunk& chunk = chunks_[static_cast<uint32_t>(index) >> kChunkBits];
      if (chunk.entries) return TextOf(chunk.entries[static_cast<uint32_t>(index) & (kChunkSize - 1)]);
    }
    return {};
  }
  // True when the list holds a token at index (let go or not).
  bool Has(int32_t index) const {
    if (index < 0) return false;
    if (index >= count_) ReadUpTo(index);
    return index < count_;
  }
  // The number of tokens: reads the queued scripts to their end.
  int32_t count() const;

  // Lets go of the tokens well before index, and of their texts: those of
  // the token chunks before the one before index's chunk. TokenAt then
  // gives the empty token for them.
  void ReleaseBefore(int32_t index);

 private:
  using Entry = CRcTokenEntry;
  static constexpr uint32_t kChunkBits = kTokenChunkBits;
  static constexpr uint32_t kChunkSize = kTokenChunkSize;

  // Entries in chunks of fixed size: a list of millions of tokens is never
  // moved as a whole, which keeps reading linear in the script's size.
  struct Chunk {
    std::unique_ptr<Entry[]> entries;  // null once let go
    uint32_t firstText;                // texts_ offset of the chunk's first quoted text, or later
  };

  // The tokens from firstToken on, up to the next script's, come from
  // fileName.
  struct Script {
    int32_t firstToken;
    std::shared_ptr<const std::u16string> fileName;
  };

  // Every UTF-16 code unit once: the text of a single-character token is
  // a view of its place here.
  static const char16_t* AllCharacters();

  std::u16string_view TextOf(const Entry& entry) const {
    const uint32_t length = entry.length();
    if (length == 0) return {};
    return {entry.Unstored() ? AllCharacters() + entry.offset : texts_.At(entry.offset), length};
  }
  CRcToken TokenInList(int32_t index) const {
    CRcToken token;
    const Chunk& chunk = chunks_[static_cast<uint32_t>(index) >> kChunkBits];
    if (!chunk.entries) return token;
    const Entry& entry = chunk.entries[static_cast<uint32_t>(index) & (kChunkSize - 1)];
    token.type = entry.type();
    token.text = TextOf(entry);
    token.line = entry.line;
    token.file = FileOf(index);
    return token;
  }
  const std::u16string* FileOf(int32_t index) const {
    if (!scripts_.empty() && scripts_.back().firstToken <= index) {
      return scripts_.back().fileName.get();
    }
    return FileBefore(index);
  }
  // The file of a token of a script before the last.
  const std::u16string* FileBefore(int32_t index) const;
  // Reads all of a script at once, after the queued ones.
  void ReadWhole(std::unique_ptr<CRcPreprocessor> lines);
  // Reads queued scripts until the list holds index or none is left.
  void ReadUpTo(int32_t index) const;
  // Moves all tokens of the tokenizer into the list.
  void ReadTokens(CRcTokenizer& tokenizer);
  // Takes on a batch's tokens, their entries and texts as they are, after
  // telling of each script whose reading begins among them.
  void AppendBatch(CRcTokenBatch& batch);
  // A new chunk for the entries from count_ on, whose texts lie at
  // firstText or later.
  void StartChunk(std::unique_ptr<Entry[]> entries, uint32_t firstText);
  // The entries of a chunk let go before, or new ones.
  std::unique_ptr<Entry[]> NewChunkEntries();

  std::vector<Chunk> chunks_;
  size_t releasedChunks_ = 0;
  // The last chunk let go, kept for the next: a list read and let go as it
  // is read takes no fresh memory for its entries.
  std::unique_ptr<Entry[]> spareChunk_;
  int32_t count_ = 0;
  CRcTextArena texts_;
  std::vector<Script> scripts_;
  RcGrammar grammar_ = RcGrammar::kClassic;

  // Reading on demand: the script being read and those after it. Reading
  // ahead changes nothing a reader of the list can see, so the const
  // members that look ahead may do it.
  struct Pending;
  mutable std::unique_ptr<Pending> pending_;
  std::function<void(size_t)> onScriptStart_;
};

}  // namespace tolmeric
