// tolmeric-cli flags: the flag table, as a list or as the tool's flag strip.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/AtomicFile.h"
#include "translation/FileError.h"
#include "translation/FlagTable.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage = "usage: tolmeric-cli flags [--strip FILE.bmp]\n";
const char* const kHelp =
    "Lists the flags a language file can carry, one a line: the code that\n"
    "--flag takes and the language's name, in the order of the tool's flag\n"
    "strip.\n"
    "\n"
    "  --strip FILE.bmp   write the flags side by side as a 24-bit bitmap, 32 by\n"
    "                     32 pixels each, light grey around every flag\n";

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

// A bottom-up 24-bit bitmap file of colour values (red in the lowest byte).
std::vector<uint8_t> BitmapFile(const std::vector<uint32_t>& pixels, uint32_t width,
                                uint32_t height) {
  const uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
  const uint32_t imageBytes = rowBytes * height;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + imageBytes);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);  // BITMAPINFOHEADER
  PutU32(out, width);
  PutU32(out, height);
  PutU16(out, 1);
  PutU16(out, 24);
  for (uint32_t value : {0u, imageBytes, 2835u, 2835u, 0u, 0u}) PutU32(out, value);
  for (uint32_t row = height; row-- > 0;) {
    for (uint32_t column = 0; column < width; ++column) {
      const uint32_t colour = pixels[static_cast<size_t>(row) * width + column];
      out.push_back(static_cast<uint8_t>(colour >> 16));  // blue
      out.push_back(static_cast<uint8_t>(colour >> 8));
      out.push_back(static_cast<uint8_t>(colour));
    }
    out.resize(out.size() + rowBytes - width * 3, 0);
  }
  return out;
}

}  // namespace

int RunFlags(const Arguments& args) {
  CArgParser parser;
  parser.AddOption("strip");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 0, 0); status >= 0) return status;

  if (parser.Has("strip")) {
    const std::vector<uint32_t> strip = DrawFlagStrip();
    const auto width = static_cast<uint32_t>(strip.size() / kFlagSize);
    try {
      SaveFileAtomically(ArgPath(parser.Value("strip")), BitmapFile(strip, width, kFlagSize));
    } catch (const CFileError& error) {
      CCliSession::PrintError(error.what());
      return kExitFailure;
    }
    return kExitOk;
  }
  std::string out;
  for (const CFlagEntry& entry : FlagTable()) {
    std::string code(entry.code);
    code.resize(std::max<size_t>(code.size() + 1, 8), ' ');
    out += code + std::string(entry.name) + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return kExitOk;
}

}  // namespace tolmeric::cli
