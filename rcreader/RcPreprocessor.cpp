#include "rcreader/RcPreprocessor.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <system_error>

#include "rcreader/UnitSearch.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v'; }
bool IsNameStart(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNameChar(char16_t c) { return IsNameStart(c) || IsDigit(c); }

std::u16string Trim(const std::u16string& text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::u16string NameAt(const std::u16string& text, size_t& i) {
  size_t start = i;
  if (i < text.size() && IsNameStart(text[i])) {
    while (i < text.size() && IsNameChar(text[i])) ++i;
  }
  return text.substr(start, i - start);
}

std::u16string Number(int64_t value) { return FromAscii(std::to_string(value)); }

std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

// ---------------------------------------------------------------------------
// Comments. The line level follows the C rules (quotes protect, "//" ends
// the line, "/*" to "*/" may span lines) to know which lines are directives
// and what a directive says.

// Puts the line without its comments into code (when not null), starting
// inside a block comment when inComment is set, which is updated for the
// next line.
void StripComments(const std::u16string& line, bool& inComment, std::u16string* code) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char16_t c = line[i];
    const char16_t next = i + 1 < line.size() ? line[i + 1] : u'\0';
    if (inComment) {
      if (c == u'*' && next == u'/') {
        inComment = false;
        ++i;
        if (code) *code += u' ';
      }
      continue;
    }
    if (!quoted && c == u'/' && next == u'/') break;
    if (!quoted && c == u'/' && next == u'*') {
      inComment = true;
      ++i;
      continue;
    }
    if (c == u'"') quoted = !quoted;
    if (code) *code += c;
  }
}

// What StripComments does to inComment, without the code. Quotes count
// only before a slash: a line outside a comment without one leaves it as
// it is.
void FollowComments(const std::u16string& line, bool& inComment) {
  const char16_t* const text = line.data();
  const size_t size = line.size();
  bool quoted = false;
  size_t i = 0;
  while (i < size) {
    if (inComment) {
      while (i + 1 < size && !(text[i] == u'*' && text[i + 1] == u'/')) ++i;
      if (i + 1 >= size) return;
      inComment = false;
      i += 2;
      continue;
    }
    const size_t slash = FindUnit(text, i, size, u'/');
    if (slash + 1 >= size) return;
    for (; i < slash; ++i) {
      if (text[i] == u'"') quoted = !quoted;
    }
    i = slash + 1;
    if (quoted) continue;
    if (text[i] == u'/') return;
    if (text[i] == u'*') {
      inComment = true;
      ++i;
    }
  }
}

// Where the block comment that a line starts in ends: just after its "*/",
// or npos when it goes on past the line.
size_t EndOfOpenComment(const std::u16string& line) {
  size_t end = line.find(u"*/");
  return end == std::u16string::npos ? end : end + 2;
}

// "#" after blanks starts a directive; the rest after the "#".
bool DirectiveText(const std::u16string& line, std::u16string& rest) {
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i >= line.size() || line[i] != u'#') return false;
  rest = line.substr(i + 1);
  return true;
}

bool EndsWithBackslash(const std::u16string& line) { return !line.empty() && line.back() == u'\\'; }

// ---------------------------------------------------------------------------
// Tokens of #if expressions and macro bodies.

const char16_t* const kTwoCharPunctuators[] = {u"<<", u">>", u"<=", u">=", u"==",
                                                u"!=", u"&&", u"||"};

std::vector<PpToken> Lex(const std::u16string& text) {
  std::vector<PpToken> tokens;
  size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (IsBlank(c)) {
      ++i;
    } else if (IsNameStart(c)) {
      tokens.push_back({PpKind::kName, NameAt(text, i)});
    } else if (IsDigit(c)) {
      size_t start = i;
      while (i < text.size() && IsNameChar(text[i])) ++i;
      tokens.push_back({PpKind::kNumber, text.substr(start, i - start)});
    } else if (c == u'\'') {
      size_t start = i++;
      while (i < text.size() && text[i] != u'\'') i += text[i] == u'\\' ? 2 : 1;
      i = std::min(i + 1, text.size());
      tokens.push_back({PpKind::kCharacter, text.substr(start, i - start)});
    } else {
      size_t length = 1;
      for (const char16_t* two : kTwoCharPunctuators) {
        if (text.compare(i, 2, two) == 0) length = 2;
      }
      tokens.push_back({PpKind::kPunctuator, text.substr(i, length)});
      i += length;
    }
  }
  return tokens;
}

}  // namespace

// Values wrap around in 64 bits.
std::optional<int64_t> ParseIntegerLiteral(const std::u16string& text) {
  if (text.empty()) return std::nullopt;
  size_t i = 0;
  int base = 10;
  if (text.size() > 1 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    i = 2;
  } else if (text[0] == u'0') {
    base = 8;
  }
  uint64_t value = 0;
  size_t digits = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    int digit = -1;
    if (IsDigit(c)) digit = c - u'0';
    if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    ++digits;
  }
  if (digits == 0 && base == 16) return std::nullopt;
  for (; i < text.size(); ++i) {
    if (text[i] != u'u' && text[i] != u'U' && text[i] != u'l' && text[i] != u'L') {
      return std::nullopt;
    }
  }
  return static_cast<int64_t>(value);
}

namespace {

// 'a', and the escapes \n \t \r \0 \\ \' \" \a \b \f \v, octal and \x.
std::optional<int64_t> CharacterValue(const std::u16string& text) {
  if (text.size() < 3 || text.back() != u'\'') return std::nullopt;
  const std::u16string body = text.substr(1, text.size() - 2);
  if (body.size() == 1 && body[0] != u'\\') return body[0];
  if (body.size() < 2 || body[0] != u'\\') return std::nullopt;
  static const std::u16string kSimple = u"ntr\\'\"abfv?";
  static const char16_t kValues[] = {u'\n', u'\t', u'\r', u'\\', u'\'', u'"',
                                     7,     8,     12,    11,    u'?'};
  if (body.size() == 2 && kSimple.find(body[1]) != std::u16string::npos) {
    return kValues[kSimple.find(body[1])];
  }
  int base = body[1] == u'x' ? 16 : 8;
  std::u16string digits = body.substr(base == 16 ? 2 : 1);
  if (digits.empty()) return std::nullopt;
  std::optional<int64_t> value = ParseIntegerLiteral((base == 16 ? u"0x" : u"0") + digits);
  return value ? std::optional<int64_t>(*value & 0xFFFF) : std::nullopt;
}

// Evaluates an expanded #if expression:
//   conditional := binary [ "?" conditional ":" conditional ]
//   binary      := unary { operator binary-of-higher-precedence }
//   unary       := ( "!" | "~" | "-" | "+" ) unary | primary
//   primary     := number | character | name (0) | "(" conditional ")"
// Division by zero is an error only where it is evaluated.
class CExpression {
 public:
  explicit CExpression(const std::vector<PpToken>& tokens) : tokens_(tokens) {}

  std::optional<int64_t> Value(std::u16string& error) {
    int64_t value = ConditionalExpression(true, 0);
    if (error_.empty() && position_ < tokens_.size()) {
      error_ = u"unexpected " + tokens_[position_].text;
    }
    if (error_.empty() && tokens_.empty()) error_ = u"no expression";
    error = error_;
    return error_.empty() ? std::optional<int64_t>(value) : std::nullopt;
  }

 private:
  static constexpr int kMaxNesting = 64;

  bool At(const char16_t* text) const {
    return position_ < tokens_.size() && tokens_[position_].kind == PpKind::kPunctuator &&
           tokens_[position_].text == text;
  }
  void Fail(std::u16string message) {
    if (error_.empty()) error_ = std::move(message);
  }

  int64_t ConditionalExpression(bool live, int depth) {
    if (depth > kMaxNesting) {
      Fail(u"nested too deeply");
      return 0;
    }
    int64_t condition = Binary(1, live, depth);
    if (!At(u"?")) return condition;
    ++position_;
    int64_t yes = ConditionalExpression(live && condition != 0, depth + 1);
    if (!At(u":")) {
      Fail(u"expected : in a ?: expression");
      return 0;
    }
    ++position_;
    int64_t no = ConditionalExpression(live && condition == 0, depth + 1);
    return condition != 0 ? yes : no;
  }

  // Precedence of a binary operator, 0 for none.
  int Precedence() const {
    struct Level {
      const char16_t* op;
      int precedence;
    };
    static const Level kLevels[] = {{u"||", 1}, {u"&&", 2}, {u"|", 3},  {u"^", 4},  {u"&", 5},
                                    {u"==", 6}, {u"!=", 6}, {u"<", 7},  {u"<=", 7}, {u">", 7},
                                    {u">=", 7}, {u"<<", 8}, {u">>", 8}, {u"+", 9},  {u"-", 9},
                                    {u"*", 10}, {u"/", 10}, {u"%", 10}};
    for (const Level& level : kLevels) {
      if (At(level.op)) return level.precedence;
    }
    return 0;
  }

  int64_t Binary(int minimum, bool live, int depth) {
    int64_t left = Unary(live, depth);
    for (int precedence = Precedence(); precedence >= minimum && error_.empty();
         precedence = Precedence()) {
      const std::u16string op = tokens_[position_++].text;
      bool rightLive = live;
      if (op == u"&&") rightLive = live && left != 0;
      if (op == u"||") rightLive = live && left == 0;
      int64_t right = Binary(precedence + 1, rightLive, depth);
      left = Apply(op, left, right, rightLive);
    }
    return left;
  }

  int64_t Apply(const std::u16string& op, int64_t a, int64_t b, bool live) {
    const auto ua = static_cast<uint64_t>(a);
    const auto ub = static_cast<uint64_t>(b);
    if (op == u"||") return a != 0 || b != 0;
    if (op == u"&&") return a != 0 && b != 0;
    if (op == u"|") return a | b;
    if (op == u"^") return a ^ b;
    if (op == u"&") return a & b;
    if (op == u"==") return a == b;
    if (op == u"!=") return a != b;
    if (op == u"<") return a < b;
    if (op == u"<=") return a <= b;
    if (op == u">") return a > b;
    if (op == u">=") return a >= b;
    if (op == u"<<") return b < 0 || b > 63 ? 0 : static_cast<int64_t>(ua << ub);
    if (op == u">>") return b < 0 || b > 63 ? (a < 0 ? -1 : 0) : a >> b;
    if (op == u"+") return static_cast<int64_t>(ua + ub);
    if (op == u"-") return static_cast<int64_t>(ua - ub);
    if (op == u"*") return static_cast<int64_t>(ua * ub);
    if (b == 0 || (a == INT64_MIN && b == -1)) {
      if (live) Fail(u"division by zero");
      return 0;
    }
    return op == u"/" ? a / b : a % b;
  }

  int64_t Unary(bool live, int depth) {
    if (depth > kMaxNesting) {
      Fail(u"nested too deeply");
      return 0;
    }
    if (position_ >= tokens_.size()) {
      Fail(u"the expression ends too early");
      return 0;
    }
    const PpToken& token = tokens_[position_++];
    if (token.kind == PpKind::kPunctuator) {
      if (token.text == u"!") return Unary(live, depth + 1) == 0;
      if (token.text == u"~") return ~Unary(live, depth + 1);
      if (token.text == u"-") return static_cast<int64_t>(0 - static_cast<uint64_t>(Unary(live, depth + 1)));
      if (token.text == u"+") return Unary(live, depth + 1);
      if (token.text == u"(") {
        int64_t value = ConditionalExpression(live, depth + 1);
        if (!At(u")")) Fail(u"expected )");
        ++position_;
        return value;
      }
      Fail(u"unexpected " + token.text);
      return 0;
    }
    if (token.kind == PpKind::kName) return 0;
    std::optional<int64_t> value =
        token.kind == PpKind::kNumber ? ParseIntegerLiteral(token.text) : CharacterValue(token.text);
    if (!value) Fail(u"bad number " + token.text);
    return value.value_or(0);
  }

  const std::vector<PpToken>& tokens_;
  size_t position_ = 0;
  std::u16string error_;
};

const char16_t* const kQuietIncludes[] = {
    u"windows.h", u"winres.h",  u"afxres.h",   u"commctrl.h", u"winuser.h",  u"winver.h",
    u"winnt.h",   u"richedit.h", u"dlgs.h",    u"prsht.h",    u"winresrc.h", u"ntverp.h",
    u"common.ver", u"afxres.rc", u"afxprint.rc", u"afxolecl.rc", u"afxolesv.rc", u"afxdb.rc",
    u"afxctl.rc", u"afxribbon.rc"};

// The system and framework headers that a script names but a scan has no
// copy of; not finding them is normal.
bool IsQuietInclude(const std::u16string& name) {
  const size_t slash = name.find_last_of(u"\\/");
  const std::u16string base = Lower(slash == std::u16string::npos ? name : name.substr(slash + 1));
  return std::any_of(std::begin(kQuietIncludes), std::end(kQuietIncludes),
                     [&base](const char16_t* quiet) { return base == quiet; });
}

// Included files with these extensions are resource scripts, read in
// place; all others are headers that give only their macros.
bool IsScriptName(const std::u16string& name) {
  const size_t dot = name.find_last_of(u'.');
  if (dot == std::u16string::npos) return false;
  const std::u16string extension = Lower(name.substr(dot));
  return extension == u".rc" || extension == u".rc2" || extension == u".dlg";
}

std::u16string FolderOf(const std::u16string& name) {
  const size_t slash = name.find_last_of(u"\\/");
  return slash == std::u16string::npos ? std::u16string() : name.substr(0, slash + 1);
}

std::filesystem::path Canonical(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  return error ? path : canonical;
}

// The decoder of the script at path, read in blocks; a binary file is
// refused before any line is read.
std::unique_ptr<CScriptDecoder> OpenScript(const std::filesystem::path& path, int defaultCodePage,
                                           RcGrammar grammar) {
  auto file = std::make_unique<CScriptFile>(path);
  file->RefuseBinary();
  return std::make_unique<CScriptDecoder>(std::move(file), defaultCodePage,
                                          grammar == RcGrammar::kCompiler);
}

}  // namespace

// ---------------------------------------------------------------------------

// One branch level of #if ... #endif.
struct ConditionalLevel {
  bool active = false;    // its lines are read
  bool taken = false;     // a branch of it was (or cannot be) chosen
  bool elseSeen = false;
  bool parentActive = false;
};

struct CRcPreprocessor::OpenFile {
  std::shared_ptr<const std::u16string> name;
  std::filesystem::path path;  // canonical, for cycles
  std::unique_ptr<CScriptDecoder> decoder;
  int32_t nextLine = 0;
  bool macrosOnly = false;
  std::vector<ConditionalLevel> conditionals;
  size_t excessDepth = 0;       // levels past the limit, all inactive
  int32_t firstOpenLine = 0;    // line of the outermost open #if
  bool inComment = false;
  bool commentHidden = false;   // the open comment began on a line not handed on

  bool Active() const {
    return excessDepth == 0 && (conditionals.empty() || conditionals.back().active);
  }
};

bool ParseDefineOption(const std::u16string& text,
                       std::pair<std::u16string, std::u16string>& define) {
  size_t i = 0;
  std::u16string name = NameAt(text, i);
  if (name.empty()) return false;
  if (i == text.size()) {
    define = {name, u"1"};
    return true;
  }
  if (text[i] != u'=') return false;
  define = {name, text.substr(i + 1)};
  return true;
}

std::u16string CRcWarning::Format() const {
  if (!file) return text;
  return *file + u"(" + Number(int64_t{line} + 1) + u"): " + text;
}

void CRcWarnings::Add(CRcWarning warning) {
  if (list_.size() < kLimit) {
    list_.push_back(std::move(warning));
  } else {
    ++leftOut_;
  }
}

bool CRcWarnings::FirstMissing(const std::u16string& include) {
  return missing_.insert(include).second;
}

std::vector<CRcWarning> CRcWarnings::Take() {
  std::vector<CRcWarning> result = std::move(list_);
  if (leftOut_ > 0) {
    result.push_back({nullptr, 0, Number(static_cast<int64_t>(leftOut_)) + u" more warnings left out"});
  }
  list_.clear();
  leftOut_ = 0;
  return result;
}

CRcPreprocessor::CRcPreprocessor(std::shared_ptr<const std::u16string> fileName,
                                 std::filesystem::path path, std::string bytes,
                                 int defaultCodePage, RcGrammar grammar,
                                 const CPreprocessorOptions& options, CRcWarnings* warnings)
    : CRcPreprocessor(std::move(fileName), path, defaultCodePage, grammar, options, warnings,
                      std::make_unique<CScriptDecoder>(std::move(bytes), defaultCodePage,
                                                       grammar == RcGrammar::kCompiler)) {}

CRcPreprocessor::CRcPreprocessor(std::shared_ptr<const std::u16string> fileName,
                                 const std::filesystem::path& path, int defaultCodePage,
                                 RcGrammar grammar, const CPreprocessorOptions& options,
                                 CRcWarnings* warnings)
    : CRcPreprocessor(std::move(fileName), path, defaultCodePage, grammar, options, warnings,
                      OpenScript(path, defaultCodePage, grammar)) {}

CRcPreprocessor::CRcPreprocessor(std::shared_ptr<const std::u16string> fileName,
                                 const std::filesystem::path& path, int defaultCodePage,
                                 RcGrammar grammar, const CPreprocessorOptions& options,
                                 CRcWarnings* warnings, std::unique_ptr<CScriptDecoder> decoder)
    : options_(options),
      grammar_(grammar),
      enabled_(grammar == RcGrammar::kCompiler),
      warnings_(warnings), defaultCodePage_(defaultCodePage), file_(fileName) {
  auto file = std::make_unique<OpenFile>();
  file->name = std::move(fileName);
  file->path = Canonical(path);
  file->decoder = std::move(decoder);
  if (enabled_) file->decoder->LeavePragmasToCaller();
  files_.push_back(std::move(file));
  auto define = [this](const std::u16string& name, const std::u16string& value) {
    macros_.insert_or_assign(name, Macro{false, value, std::nullopt});
  };
  // The resource compiler's own macros come first, so that -D may change them.
  for (const char16_t* name : {u"RC_INVOKED", u"_WIN32"}) define(name, u"1");
  for (const auto& [name, value] : options_.defines) define(name, value);
}

CRcPreprocessor::~CRcPreprocessor() = default;

// Lines of directives, of false branches and of headers are not handed on;
// a line that starts inside a comment opened on such a line loses the
// comment's rest.
bool CRcPreprocessor::NextLine(std::u16string& line) {
  while (!files_.empty()) {
    OpenFile& file = *files_.back();
    if (!file.decoder->NextLine(line)) {
      FinishFile();
      continue;
    }
    const int32_t number = file.nextLine++;
    if (!enabled_) {
      if (file_ != file.name) file_ = file.name;
      lineNumber_ = number;
      return true;
    }
    const bool startsInComment = file.inComment;
    std::u16string directive;
    if (!startsInComment && DirectiveText(line, directive)) {
      std::u16string more;
      while (EndsWithBackslash(directive) && file.decoder->NextLine(more)) {
        directive.pop_back();
        directive += more;
        ++file.nextLine;
      }
      std::u16string code;
      StripComments(directive, file.inComment, &code);
      if (file.inComment) file.commentHidden = true;
      Directive(file, code, number);
      continue;
    }
    FollowComments(line, file.inComment);
    if (!file.Active() || file.macrosOnly) {
      if (file.inComment) file.commentHidden = true;
      continue;
    }
    if (startsInComment && file.commentHidden) {
      const size_t end = EndOfOpenComment(line);
      if (end == std::u16string::npos) continue;
      line.erase(0, end);
    }
    // A comment left open on a line handed on is the character reader's.
    file.commentHidden = false;
    if (file_ != file.name) file_ = file.name;
    lineNumber_ = number;
    return true;
  }
  return false;
}

void CRcPreprocessor::FinishFile() {
  OpenFile& file = *files_.back();
  if (!file.conditionals.empty() || file.excessDepth > 0) {
    Warn(file, file.firstOpenLine, u"#if without #endif");
  }
  files_.pop_back();
}

void CRcPreprocessor::Warn(const OpenFile& file, int32_t line, std::u16string text) {
  if (warnings_) warnings_->Add({file.name, line, std::move(text)});
}

// directive := "#" name rest
// Conditional lines count in every branch; the others only where lines are
// read. Unknown directives (#line, #pragma other than code_page, #undef
// of nothing ...) are passed over.
void CRcPreprocessor::Directive(OpenFile& file, const std::u16string& text, int32_t line) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::u16string name = NameAt(text, i);
  const std::u16string rest = Trim(text.substr(i));
  if (name == u"if" || name == u"ifdef" || name == u"ifndef" || name == u"elif" ||
      name == u"else" || name == u"endif") {
    Conditional(file, name, rest, line);
    return;
  }
  if (!file.Active()) return;
  if (name == u"define") {
    Define(rest);
  } else if (name == u"undef") {
    size_t j = 0;
    macros_.erase(NameAt(rest, j));
  } else if (name == u"include") {
    Include(file, rest, line);
  } else if (name == u"pragma") {
    const int selected = CScriptDecoder::ParseCodePagePragma(u"#pragma " + rest);
    if (selected != CScriptDecoder::kNoPragma) file.decoder->SelectCodePage(selected);
  } else if (name == u"error") {
    Warn(file, line, u"#error " + rest);
  }
}

void CRcPreprocessor::Conditional(OpenFile& file, const std::u16string& name,
                                  const std::u16string& rest, int32_t line) {
  if (name == u"if" || name == u"ifdef" || name == u"ifndef") {
    if (file.conditionals.empty() && file.excessDepth == 0) file.firstOpenLine = line;
    if (file.excessDepth > 0 || file.conditionals.size() >= kMaxConditionalDepth) {
      if (file.excessDepth++ == 0) Warn(file, line, u"#if nested too deeply: read as false");
      return;
    }
    ConditionalLevel level;
    level.parentActive = file.Active();
    bool value = false;
    if (level.parentActive) {
      size_t j = 0;
      const std::u16string macro = NameAt(rest, j);
      if (name == u"if") {
        value = Evaluate(rest, file, line);
      } else if (macro.empty()) {
        Warn(file, line, u"#" + name + u" without a name");
      } else {
        value = macros_.count(macro) != 0;
        if (name == u"ifndef") value = !value;
      }
    }
    level.active = value;
    level.taken = value || !level.parentActive;
    file.conditionals.push_back(level);
    return;
  }
  if (file.excessDepth > 0) {
    if (name == u"endif") --file.excessDepth;
    return;
  }
  if (file.conditionals.empty()) {
    Warn(file, line, u"#" + name + u" without #if");
    return;
  }
  ConditionalLevel& level = file.conditionals.back();
  if (name == u"endif") {
    file.conditionals.pop_back();
    return;
  }
  if (level.elseSeen) {
    Warn(file, line, u"#" + name + u" after #else");
    level.active = false;
    return;
  }
  if (name == u"else") {
    level.elseSeen = true;
    level.active = !level.taken;
    level.taken = true;
    return;
  }
  // #elif
  level.active = !level.taken && Evaluate(rest, file, line);
  level.taken = level.taken || level.active;
}

// define := name [ "(" parameters ")" ] body
void CRcPreprocessor::Define(const std::u16string& rest) {
  size_t i = 0;
  std::u16string name = NameAt(rest, i);
  if (name.empty()) return;
  Macro macro;
  if (i < rest.size() && rest[i] == u'(') {
    macro.functionLike = true;
  } else {
    macro.text = rest.substr(i);
  }
  macros_.insert_or_assign(std::move(name), std::move(macro));
}

// Object-like macros are expanded, "defined NAME" and "defined(NAME)"
// become 1 or 0; a macro is not expanded inside its own expansion, and
// depth and size are bounded. An error is a warning and reads as false.
bool CRcPreprocessor::Evaluate(const std::u16string& expression, OpenFile& file, int32_t line) {
  constexpr size_t kMaxTokens = 100000;
  constexpr size_t kMaxDepth = 64;
  std::vector<PpToken> out;
  std::vector<const std::u16string*> expanding;
  std::u16string error;
  // Expands one list of tokens; false once a bound is passed.
  std::function<bool(const std::vector<PpToken>&)> expand =
      [&](const std::vector<PpToken>& tokens) -> bool {
    for (size_t i = 0; i < tokens.size(); ++i) {
      const PpToken& token = tokens[i];
      if (token.kind == PpKind::kName && token.text == u"defined") {
        size_t j = i + 1;
        const bool parenthesised = j < tokens.size() && tokens[j].text == u"(";
        if (parenthesised) ++j;
        if (j >= tokens.size() || tokens[j].kind != PpKind::kName ||
            (parenthesised && (j + 1 >= tokens.size() || tokens[j + 1].text != u")"))) {
          error = u"defined needs a name";
          return false;
        }
        out.push_back({PpKind::kNumber, macros_.count(tokens[j].text) ? u"1" : u"0"});
        i = parenthesised ? j + 1 : j;
        continue;
      }
      auto found = token.kind == PpKind::kName ? macros_.find(token.text) : macros_.end();
      const bool expandable =
          found != macros_.end() && !found->second.functionLike &&
          std::none_of(expanding.begin(), expanding.end(),
                       [&token](const std::u16string* name) { return *name == token.text; });
      if (!expandable) {
        out.push_back(token);
      } else {
        if (expanding.size() >= kMaxDepth) {
          error = u"macros nested too deeply";
          return false;
        }
        expanding.push_back(&found->first);
        Macro& macro = found->second;
        if (!macro.body) macro.body = Lex(macro.text);
        const bool ok = expand(*macro.body);
        expanding.pop_back();
        if (!ok) return false;
      }
      if (out.size() > kMaxTokens) {
        error = u"macros expand too far";
        return false;
      }
    }
    return true;
  };
  std::optional<int64_t> value;
  if (expand(Lex(expression))) value = CExpression(out).Value(error);
  if (!value) {
    Warn(file, line, u"cannot evaluate #if " + expression + u": " + error + u"; read as false");
    return false;
  }
  return *value != 0;
}

// include := "#include" ( '"' name '"' | '<' name '>' )
// Searched beside the including file, then in the -I folders in order.
void CRcPreprocessor::Include(OpenFile& file, const std::u16string& rest, int32_t line) {
  char16_t close = u'\0';
  if (!rest.empty() && rest[0] == u'"') close = u'"';
  if (!rest.empty() && rest[0] == u'<') close = u'>';
  const size_t end = close ? rest.find(close, 1) : std::u16string::npos;
  if (end == std::u16string::npos || end == 1) {
    Warn(file, line, u"#include not understood: " + rest);
    return;
  }
  // Scripts written on Windows name folders with backslashes, often
  // doubled as in a C string; the name is kept with slashes.
  std::u16string name;
  const std::u16string written = rest.substr(1, end - 1);
  for (size_t k = 0; k < written.size(); ++k) {
    const bool backslash = written[k] == u'\\';
    if (backslash && k + 1 < written.size() && written[k + 1] == u'\\') ++k;
    name += backslash ? u'/' : written[k];
  }
  std::u16string shownName;
  std::filesystem::path found;
  std::error_code error;
  const std::filesystem::path relative(name);
  const std::filesystem::path beside = file.path.parent_path() / relative;
  if (std::filesystem::is_regular_file(beside, error)) {
    found = beside;
    shownName = FolderOf(*file.name) + name;
  }
  for (size_t k = 0; found.empty() && k < options_.includeFolders.size(); ++k) {
    const std::filesystem::path candidate = options_.includeFolders[k] / relative;
    if (std::filesystem::is_regular_file(candidate, error)) {
      found = candidate;
      shownName = options_.includeFolders[k].u16string();
      if (!shownName.empty() && shownName.back() != u'/' && shownName.back() != u'\\') {
        shownName += u'/';
      }
      shownName += name;
    }
  }
  if (found.empty()) {
    if (!IsQuietInclude(name) && warnings_ && warnings_->FirstMissing(name)) {
      Warn(file, line, u"include file not found: " + name);
    }
    return;
  }
  const std::filesystem::path canonical = Canonical(found);
  for (const auto& open : files_) {
    if (open->path == canonical) {
      Warn(file, line, u"include cycle: " + name + u" is already being read");
      return;
    }
  }
  if (files_.size() >= kMaxIncludeDepth) {
    Warn(file, line, u"includes nested too deeply: " + name + u" not read");
    return;
  }
  if (filesRead_ >= kMaxFilesRead) {
    Warn(file, line, u"too many includes: " + name + u" not read");
    return;
  }
  ++filesRead_;
  auto bytes = std::make_unique<CScriptFile>(found);
  if (bytes->binary()) {
    Warn(file, line, u"include file is not a text file: " + name);
    return;
  }
  auto included = std::make_unique<OpenFile>();
  included->name = std::make_shared<const std::u16string>(shownName);
  included->path = canonical;
  included->decoder = std::make_unique<CScriptDecoder>(std::move(bytes), defaultCodePage_, true);
  included->decoder->LeavePragmasToCaller();
  included->macrosOnly = file.macrosOnly || !IsScriptName(name);
  files_.push_back(std::move(included));
}

}  // namespace tolmeric
