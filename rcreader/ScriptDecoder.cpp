#include "rcreader/ScriptDecoder.h"

#include <cstring>

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
  DetectEncoding();
}

CScriptDecoder::CScriptDecoder(std::unique_ptr<CScriptFile> file, int defaultCodePage,
                               bool loneCrEndsLine)
    : file_(std::move(file)),
      defaultCodePage_(CCodePageDecoder::IsSupported(defaultCodePage) ? defaultCodePage : 0),
      loneCrEndsLine_(loneCrEndsLine) {
  while (bytes_.size() < 3 && MoreBytes()) {
  }
  DetectEncoding();
}

CScriptDecoder::~CScriptDecoder() = default;

// From the byte order mark, which is passed over.
void CScriptDecoder::DetectEncoding() {
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

// Drops the bytes already delivered and reads the file's next block behind
// the rest; false when no byte was added. Offsets into the bytes in hand
// move with next_, which becomes 0.
bool CScriptDecoder::MoreBytes() {
  if (!file_) return false;
  bytes_.erase(0, next_);
  next_ = 0;
  if (file_->ReadBlock(bytes_)) return true;
  file_.reset();
  return false;
}

bool CScriptDecoder::NextLine(std::u16string& line) {
  if (encoding_ == Encoding::kUtf16 || encoding_ == Encoding::kUtf16BigEndian) {
    return NextUtf16Line(line);
  }
  return NextByteLine(line);
}

// The offset of the first byte from `from` on that ends a line, or npos.
size_t CScriptDecoder::FindByteLineEnd(size_t from) const {
  const char* const begin = bytes_.data() + from;
  const size_t size = bytes_.size() - from;
  const void* feed = std::memchr(begin, '\n', size);
  size_t end = feed ? static_cast<size_t>(static_cast<const char*>(feed) - bytes_.data())
                    : std::string::npos;
  if (loneCrEndsLine_) {
    const void* cr = std::memchr(begin, '\r', feed ? end - from : size);
    if (cr) end = static_cast<size_t>(static_cast<const char*>(cr) - bytes_.data());
  }
  return end;
}

// Offsets in here count from next_, which MoreBytes may move. A carriage
// return at the end of the bytes in hand may have its line feed in the
// next block, so that block is read first.
bool CScriptDecoder::NextByteLine(std::u16string& line) {
  if (next_ >= bytes_.size() && !MoreBytes()) return false;
  size_t end = std::string::npos;
  for (size_t from = 0;;) {
    const size_t found = FindByteLineEnd(next_ + from);
    const size_t inHand = bytes_.size() - next_;
    end = found == std::string::npos ? found : found - next_;
    if (end != std::string::npos && (bytes_[next_ + end] != '\r' || end + 1 < inHand)) break;
    from = end == std::string::npos ? inHand : end;
    if (!MoreBytes()) break;
  }
  const char* const start = bytes_.data() + next_;
  const size_t inHand = bytes_.size() - next_;
  size_t after = inHand;
  if (end == std::string::npos) {
    end = inHand;
  } else if (start[end] == '\r') {
    after = end + 1;
    if (after < inHand && start[after] == '\n') ++after;
  } else {
    after = end + 1;
    if (end > 0 && start[end - 1] == '\r') --end;
  }
  const std::string_view raw(start, end);
  if (encoding_ == Encoding::kUtf8) {
    CCodePageDecoder::DecodeUtf8(raw, line);
  } else if (decoder_) {
    decoder_->Decode(raw, line);
  } else {
    line.resize(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
      line[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[i]));
    }
  }
  next_ += after;
  if (encoding_ == Encoding::kUtf8 || !followPragmas_) return true;
  int selected = ParseCodePagePragma(line);
  if (selected != kNoPragma) SelectCodePage(selected);
  return true;
}

char16_t CScriptDecoder::UnitAt(size_t offset) const {
  const auto first = static_cast<unsigned char>(bytes_[offset]);
  const auto second = static_cast<unsigned char>(bytes_[offset + 1]);
  return static_cast<char16_t>(encoding_ == Encoding::kUtf16 ? first | (second << 8)
                                                              : second | (first << 8));
}

// The offset of the first whole code unit from `from` on that ends a line,
// or npos.
size_t CScriptDecoder::FindUtf16LineEnd(size_t from) const {
  for (size_t at = from; at + 1 < bytes_.size(); at += 2) {
    const char16_t unit = UnitAt(at);
    if (unit == u'\n' || (loneCrEndsLine_ && unit == u'\r')) return at;
  }
  return std::string::npos;
}

// The same line rule on code units, in either byte order; an odd last
// byte is dropped. A unit may straddle two blocks: offsets count from
// next_, and only whole units are in hand.
bool CScriptDecoder::NextUtf16Line(std::u16string& line) {
  while (bytes_.size() - next_ < 2) {
    if (!MoreBytes()) return false;
  }
  size_t end = std::string::npos;
  for (size_t from = 0;;) {
    const size_t found = FindUtf16LineEnd(next_ + from);
    const size_t inHand = (bytes_.size() - next_) & ~size_t{1};
    end = found == std::string::npos ? found : found - next_;
    if (end != std::string::npos && (UnitAt(next_ + end) != u'\r' || end + 2 < inHand)) break;
    from = end == std::string::npos ? inHand : end;
    if (!MoreBytes()) break;
  }
  const size_t inHand = (bytes_.size() - next_) & ~size_t{1};
  size_t after = inHand;
  if (end == std::string::npos) {
    end = inHand;
  } else if (UnitAt(next_ + end) == u'\r') {
    after = end + 2;  // a carriage return, with the line feed after it
    if (after < inHand && UnitAt(next_ + after) == u'\n') after += 2;
  } else {
    after = end + 2;  // the line feed
    if (end > 0 && UnitAt(next_ + end - 2) == u'\r') end -= 2;
  }
  line.resize(end / 2);
  for (size_t i = 0; i < line.size(); ++i) line[i] = UnitAt(next_ + 2 * i);
  next_ += after;
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
