// A language file as translators exchange it: making the document from a
// language file, and the document as a PO catalogue.
#pragma once

#include <string>
#include <string_view>

#include "translation/ExchangeEntry.h"
#include "translation/LanguageData.h"

namespace tolmeric {

// Languages for the exchange file; empty values are taken from the header.
struct CExchangeLanguages {
  std::string sourceLanguage;
  std::string targetLanguage;
};

// The document of a language file. A file whose texts all equal their base
// texts is in the source language and names it; a translated file names
// the target language.
CExchangeDocument MakeExchangeDocument(const CLanguageData& data, const CExchangeLanguages& languages,
                                       const SourcePlaces* places = nullptr);

// The code of a language by its name in a language file ("Deutsch" -> "de"),
// or "" for a name not known.
std::string LanguageCodeOf(const std::u16string& name);

// What a translator is told about an entry: its kind and size, e.g.
// "button, 50 x 14 dialog units".
std::string NoteOf(const CExchangeEntry& entry);

// True for a text with printf conversions and no stray "%".
bool HasCFormat(std::u16string_view text);

std::string WritePoDocument(const CExchangeDocument& document);
CExchangeDocument ReadPoDocument(std::string_view bytes, const std::string& fileName);

enum class ExchangeFormat { kPo, kXliff };

// An XML document is read as XLIFF, anything else as PO: by content, never
// by name. CFormatError for a malformed file.
ExchangeFormat DetectExchangeFormat(std::string_view bytes);
CExchangeDocument ReadExchangeDocument(std::string_view bytes, const std::string& fileName);

}  // namespace tolmeric
