// Trees, dialogs and menus written as small indented texts, for tests that
// read them from runtime/tests/data/ or from tables in the test:
//
//   dialogs                         a category: dialogs, menus or strings
//     dialog "Info" "About"         kind, base text, text (= base when left out)
//       button "OK"
//
// Kinds: dialog, switch (the standard switch dialog), control, static,
// group, button, menu, popup, item, table, string. Two spaces per level;
// texts in double quotes with \" \\ \n escapes; # starts a comment line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "translation/LanguageData.h"

namespace tolmeric::testing {

struct CTextLine {
  int32_t depth = 0;
  int32_t number = 0;  // line number, for messages
  std::string keyword;
  std::vector<std::u16string> values;  // quoted texts and bare words, in order
};

// The non-blank, non-comment lines; throws std::runtime_error naming the
// line on a malformed one.
std::vector<CTextLine> ReadTextLines(const std::string& text);

// The tree of a language file: "RCFile" with the categories as written.
std::unique_ptr<CLanguageData> MakeLanguageFromText(const std::string& text);
// The same from lines already read.
std::unique_ptr<CLanguageData> MakeLanguageFromLines(const std::vector<CTextLine>& lines);

// A text in double quotes with the escapes above, in UTF-8.
std::string Quoted(const std::u16string& text);

// The whole content of a file of runtime/tests/data/.
std::string ReadTestData(const std::string& name);

}  // namespace tolmeric::testing
