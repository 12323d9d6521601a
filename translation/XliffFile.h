// XLIFF 1.2 documents of the texts of a language file.
#pragma once

#include <string>
#include <string_view>

#include "translation/ExchangeEntry.h"

namespace tolmeric {

// One <file> with one <trans-unit> per entry: the context as resname, the
// size as maxwidth and maxheight in dialog units, the review marks as the
// target's state, the kind as note and the script lines as a location
// context group.
std::string WriteXliffDocument(const CExchangeDocument& document);

// Reads the trans-units of every <file> of an XLIFF 1.0 to 1.2 document.
// A target whose state asks for review (new, needs-...) or that is not
// approved counts as needing review. CFormatError for a document that is not
// well-formed or not XLIFF, a trans-unit without source, or inline markup.
CExchangeDocument ReadXliffDocument(std::string_view bytes, const std::string& fileName);

}  // namespace tolmeric
