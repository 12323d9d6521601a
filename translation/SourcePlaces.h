// Where the texts of a scan stand in their scripts.
#pragma once

#include <string>
#include <unordered_map>

namespace tolmeric {

class CTextNode;

// "script:line" (line from 1) of a node's text, keyed by node.
using SourcePlaces = std::unordered_map<const CTextNode*, std::string>;

}  // namespace tolmeric
