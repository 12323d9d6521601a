#include "rcreader/tests/TokenDump.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "translation/Utf.h"

namespace tolmeric {

std::string DumpTokens(const CRcTokenList& tokens) {
  std::string out;
  for (int32_t i = 0; i < tokens.count(); ++i) {
    const CRcToken& token = tokens.TokenAt(i);
    out += std::to_string(token.line) + " " + std::to_string(token.type) + " ";
    std::u16string visible;
    for (char16_t c : token.text) {
      if (c == u'\\') {
        visible += u"\\\\";
      } else if (c < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
        visible += FromAscii(escaped);
      } else {
        visible += c;
      }
    }
    out += ToUtf8(visible);
    out += "\n";
  }
  return out;
}

std::string ReadTestFile(const std::string& relativePath) {
  std::string path = std::string(TOLMERIC_TEST_DATA) + "/" + relativePath;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace tolmeric
