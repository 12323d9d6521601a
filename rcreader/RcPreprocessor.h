// The line level of a scan, before tokenising: evaluates conditional lines,
// keeps the macros of #define lines and -D options, reads included scripts in
// place and the macros of included headers, and hands the tokenizer only the
// lines that a resource compiler would see.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "rcreader/RcGrammar.h"
#include "rcreader/ScriptDecoder.h"

namespace tolmeric {

// How the lines of a script are read.
struct CPreprocessorOptions {
  // -D options: name and value (a name given alone has the value 1).
  std::vector<std::pair<std::u16string, std::u16string>> defines;
  // -I folders, searched in order after the including file's folder.
  std::vector<std::filesystem::path> includeFolders;
};

// "NAME" or "NAME=VALUE" as -D takes it; false for a text that does not
// start with a name.
bool ParseDefineOption(const std::u16string& text, std::pair<std::u16string, std::u16string>& define);

// The value of a C integer literal: decimal, 0x hexadecimal or 0 octal,
// with any of the suffixes u U l L; nothing for a text that is none.
std::optional<int64_t> ParseIntegerLiteral(const std::u16string& text);

// Something a scan reports that is not a failed statement. file is null for
// a warning about the whole scan.
struct CRcWarning {
  std::shared_ptr<const std::u16string> file;
  int32_t line = 0;  // from 0
  std::u16string text;

  // "file(line): text", or the text alone without a file.
  std::u16string Format() const;
};

// The warnings of one scan; past a limit further warnings are counted only,
// and one last warning says how many were left out.
class CRcWarnings {
 public:
  static constexpr size_t kLimit = 200;
  void Add(CRcWarning warning);
  std::vector<CRcWarning> Take();
  // True the first time an include file of this name is not found: each is
  // reported once per scan.
  bool FirstMissing(const std::u16string& include);

 private:
  std::vector<CRcWarning> list_;
  std::set<std::u16string> missing_;
  size_t leftOut_ = 0;
};

// A token of a preprocessor line, as #if expressions and macro bodies are
// read.
enum class PpKind { kNumber, kName, kCharacter, kPunctuator };
struct PpToken {
  PpKind kind;
  std::u16string text;
};

class CRcPreprocessor {
 public:
  // The script's bytes as read from path (which locates its includes);
  // fileName is what its tokens carry. defaultCodePage as for
  // CScriptDecoder. warnings may be null. The classic grammar hands on
  // every line as it is (preprocessor lines become tokens, every branch is
  // read); the compiler's grammar evaluates them, and ends a line at a lone
  // carriage return too.
  CRcPreprocessor(std::shared_ptr<const std::u16string> fileName, std::filesystem::path path,
                  std::string bytes, int defaultCodePage, RcGrammar grammar,
                  const CPreprocessorOptions& options, CRcWarnings* warnings);
  // The same for the script at path, read in blocks as its lines are
  // needed (see CScriptFile), so that its bytes are never held whole.
  // Before any line: CFileError kCannotOpen, naming path, for a file that
  // cannot be read or is larger than kMaxScriptBytes, and kBadData for one
  // with NUL bytes outside a UTF-16 script.
  CRcPreprocessor(std::shared_ptr<const std::u16string> fileName, const std::filesystem::path& path,
                  int defaultCodePage, RcGrammar grammar, const CPreprocessorOptions& options,
                  CRcWarnings* warnings);
  ~CRcPreprocessor();

  // The next line for the tokenizer, or false when none is left. file() and
  // lineNumber() then name where it stands.
  bool NextLine(std::u16string& line);
  const std::shared_ptr<const std::u16string>& file() const { return file_; }
  int32_t lineNumber() const { return lineNumber_; }
  RcGrammar grammar() const { return grammar_; }

  // Limits that keep a hostile script from taking the scan down.
  static constexpr size_t kMaxIncludeDepth = 32;
  static constexpr size_t kMaxFilesRead = 2000;
  static constexpr size_t kMaxConditionalDepth = 256;

  // A macro as defined: its body as written, read into tokens when an #if
  // first expands it (most never are).
  struct Macro {
    bool functionLike = false;  // recorded for defined(), never expanded
    std::u16string text;
    std::optional<std::vector<PpToken>> body;
  };
  struct OpenFile;

 private:
  CRcPreprocessor(std::shared_ptr<const std::u16string> fileName, const std::filesystem::path& path,
                  int defaultCodePage, RcGrammar grammar, const CPreprocessorOptions& options,
                  CRcWarnings* warnings, std::unique_ptr<CScriptDecoder> decoder);
  void Directive(OpenFile& file, const std::u16string& text, int32_t line);
  void Conditional(OpenFile& file, const std::u16string& name, const std::u16string& rest,
                   int32_t line);
  void Define(const std::u16string& rest);
  void Include(OpenFile& file, const std::u16string& rest, int32_t line);
  bool Evaluate(const std::u16string& expression, OpenFile& file, int32_t line);
  void FinishFile();
  void Warn(const OpenFile& file, int32_t line, std::u16string text);

  CPreprocessorOptions options_;
  RcGrammar grammar_;
  bool enabled_;  // the compiler's grammar
  CRcWarnings* warnings_;
  int defaultCodePage_;
  std::vector<std::unique_ptr<OpenFile>> files_;  // the innermost last
  std::unordered_map<std::u16string, Macro> macros_;
  size_t filesRead_ = 1;
  std::shared_ptr<const std::u16string> file_;
  int32_t lineNumber_ = -1;
};

}  // namespace tolmeric
