#include "rcreader/ScriptDecoder.h"

#include "translation/Utf.h"

namespace tolmeric {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

void SkipBlanks(const std::u16string& line, size_t& i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
}

bool SkipWord(const std::u16string& line, size_t& i, std::u16string_view word) {
  if (line.compare(i, word.size(), word) != 0) return false;
  i += word.size();
  return true;
}

bool StartsWithUtf16Mark(const std::string& bytes) {
  return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                               (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

}  // namespace

bool CScriptDecoder::IsBinary(const std::string& bytes) {
  return !StartsWithUtf16Mark(bytes) && bytes.find('\0') != std::string::npos;
}

CScriptDecoder::CScriptDecoder(std::string bytes, int defaultCodePage, bool loneCrEndsLine)
    : bytes_(std::move(bytes)),
      defaultCodePage_(CCodePageDecoder::IsSupported(defaultCodePage) ? defaultCodePage : 0),
      loneCrEndsLine_(loneCrEndsLine) {
  if (StartsWithUtf16Mark(bytes_)) {
    encoding_ = bytes_[0] == '\xFF' ? Encoding::kUtf16 : Encoding::kUtf16BigEndian;
    next_ = 2;
  } else if (bytes_.size() >= 3 && bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    encoding_ = Encoding::kUtf8;
    next_ = 3;
  } else {
    SelectCodePage(kDefault);
  }
}

CScriptDecoder::~CScriptDecoder() = default;

bool CScriptDecoder::NextLine(std::u16string& line) {
  if (encoding_ == Encoding::kUtf16 || encoding_ == Encoding::kUtf16BigEndian) {
    return NextUtf16Line(line);
  }
  return NextByteLine(line);
}

bool CScriptDecoder::NextByteLine(std::u16string& line) {
  if (next_ >= bytes_.size()) return false;
  size_t end = bytes_.find_first_of(loneCrEndsLine_ ? "\n\r" : "\n", next_);
  size_t after = end == std::string::npos ? bytes_.size() : end + 1;
  if (end == std::string::npos) {
    end = bytes_.size();
  } else if (bytes_[end] == '\r') {
    if (after < bytes_.size() && bytes_[after] == '\n') ++after;
  } else if (end > next_ && bytes_[end - 1] == '\r') {
    --end;
  }
  std::string_view raw(bytes_.data() + next_, end - next_);
  next_ = after;

  if (encoding_ == Encoding::kUtf8) {
    line = FromUtf8(raw);
    return true;
  }
  if (decoder_) {
    line = decoder_->Decode(raw);
  } else {
    line.clear();
    for (char c : raw) line += static_cast<char16_t>(static_cast<unsigned char>(c));
  }
  if (!followPragmas_) return true;
  int selected = ParseCodePagePragma(line);
  if (selected != kNoPragma) SelectCodePage(selected);
  return true;
}

// The same line rule on code units, in either byte order; an odd last
// byte is dropped.
bool CScriptDecoder::NextUtf16Line(std::u16string& line) {
  size_t units = (bytes_.size() - 2) / 2;
  size_t unit = (next_ - 2) / 2;
  if (unit >= units) return false;
  const size_t low = encoding_ == Encoding::kUtf16 ? 2 : 3;
  const size_t high = 5 - low;
  auto at = [this, low, high](size_t u) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes_[low + 2 * u]) |
                                 (static_cast<unsigned char>(bytes_[high + 2 * u]) << 8));
  };
  line.clear();
  size_t u = unit;
  while (u < units && at(u) != u'\n' && !(loneCrEndsLine_ && at(u) == u'\r')) line += at(u++);
  if (u < units && at(u) == u'\r') {
    ++u;  // a carriage return, with the line feed after it
    if (u < units && at(u) == u'\n') ++u;
  } else if (u < units) {
    ++u;  // the line feed
    if (!line.empty() && line.back() == u'\r') line.pop_back();
  }
  next_ = 2 + 2 * u;
  return true;
}

void CScriptDecoder::SelectCodePage(int codePage) {
  if (codePage == kDefault && defaultCodePage_ == 0) {
    decoder_.reset();
    return;
  }
  if (codePage == kDefault) codePage = defaultCodePage_;
  if (CCodePageDecoder::IsSupported(codePage)) {
    if (!decoder_ || decoder_->CodePage() != codePage) {
      decoder_ = std::make_unique<CCodePageDecoder>(codePage);
    }
  }
}

// pragma-line: blanks "#" blanks "pragma" blanks "code_page" blanks "("
//              blanks ( digits | "DEFAULT" ) blanks ")" ...
// Blanks are blanks and tabs; the one between pragma and code_page is
// required. Whatever follows the closing parenthesis is not looked at.
int CScriptDecoder::ParseCodePagePragma(const std::u16string& line) {
  size_t i = 0;
  SkipBlanks(line, i);
  if (!SkipWord(line, i, u"#")) return kNoPragma;
  SkipBlanks(line, i);
  if (!SkipWord(line, i, u"pragma")) return kNoPragma;
  if (i >= line.size() || !IsBlank(line[i])) return kNoPragma;
  SkipBlanks(line, i);
  if (!SkipWord(line, i, u"code_page")) return kNoPragma;
  SkipBlanks(line, i);
  if (!SkipWord(line, i, u"(")) return kNoPragma;
  SkipBlanks(line, i);
  int result = kNoPragma;
  if (SkipWord(line, i, u"DEFAULT")) {
    result = kDefault;
  } else {
    size_t digits = 0;
    int value = 0;
    while (i < line.size() && line[i] >= u'0' && line[i] <= u'9') {
      // A number too long for any code page is no code page; keep counting
      // only as far as it can still be one.
      if (digits < 6) value = value * 10 + (line[i] - u'0');
      ++digits;
      ++i;
    }
    if (digits == 0) return kNoPragma;
    result = digits <= 6 ? value : kUnknownCodePage;
  }
  SkipBlanks(line, i);
  if (!SkipWord(line, i, u")")) return kNoPragma;
  return result;
}

}  // namespace tolmeric
