// Portable text forms of a tree of texts: one line per node for comparing,
// one line per node for people, and JSON for other programs. All are UTF-8,
// and all walk the tree without recursion, so any depth fits the stack.
#pragma once

#include <string>
#include <string_view>

#include "translation/TextNode.h"

namespace tolmeric {

// One node per line, indented by two blanks per level below node:
//   kind number1 number2 state "baseText" "text"
// e.g. 7 -1 -1 0 "RCFile" "RCFileText". Texts are quoted; a quote, a
// backslash and every control character are escaped (\", \\, \n, \r, \t,
// otherwise \xHH), so the dump of a tree is unambiguous. A lone surrogate
// is written as \uXXXX.
std::string DumpTextTree(const CTextNode& node);

// One node per line for people, indented by two blanks per level: the kind
// by name, the base text, a size only for dialogs and controls, the text
// when it differs ("translated"), and a state that is not plain present:
//   dialog "About" (180 x 60), translated "Info", partly missing
// The root and the category nodes show their base text only.
std::string DumpTextTreeReadable(const CTextNode& node);

// The same tree as one JSON object per node:
//   {"kind":7,"number1":-1,"number2":-1,"state":0,"baseText":"RCFile",
//    "text":"RCFileText","children":[...]}
// Lone surrogates are kept as \uXXXX escapes.
std::string DumpTextTreeJson(const CTextNode& node);

// One text quoted and escaped as in the line dump, and as a JSON string.
std::string QuoteText(std::u16string_view text);
std::string JsonText(std::u16string_view text);

}  // namespace tolmeric
