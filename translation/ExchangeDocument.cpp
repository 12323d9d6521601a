#include "translation/ExchangeDocument.h"

#include "translation/PoFile.h"
#include "translation/PrintfFormat.h"
#include "translation/Utf.h"
#include "translation/XliffFile.h"

namespace tolmeric {

namespace {

struct LanguageName {
  const char16_t* name;
  const char* code;
};

// Names a language file's header may hold, in the language itself and in
// German and English.
const LanguageName kLanguageNames[] = {
    {u"Deutsch", "de"},      {u"German", "de"},       {u"English", "en"},
    {u"Englisch", "en"},     {u"Fran\u00e7ais", "fr"}, {u"French", "fr"},
    {u"Franz\u00f6sisch", "fr"}, {u"Espa\u00f1ol", "es"}, {u"Spanish", "es"},
    {u"Spanisch", "es"},     {u"Italiano", "it"},     {u"Italian", "it"},
    {u"Italienisch", "it"},  {u"Nederlands", "nl"},   {u"Dutch", "nl"},
    {u"Niederl\u00e4ndisch", "nl"}, {u"Portugu\u00eas", "pt"}, {u"Portuguese", "pt"},
    {u"Polski", "pl"},       {u"Polish", "pl"},       {u"Polnisch", "pl"},
    {u"\u0420\u0443\u0441\u0441\u043a\u0438\u0439", "ru"}, {u"Russian", "ru"},
    {u"Russisch", "ru"},     {u"Svenska", "sv"},      {u"Swedish", "sv"},
    {u"Dansk", "da"},        {u"Danish", "da"},       {u"Norsk", "nb"},
    {u"Suomi", "fi"},        {u"Finnish", "fi"},      {u"\u010ce\u0161tina", "cs"},
    {u"Czech", "cs"},        {u"Magyar", "hu"},       {u"Hungarian", "hu"},
    {u"T\u00fcrk\u00e7e", "tr"}, {u"Turkish", "tr"},   {u"\u65e5\u672c\u8a9e", "ja"},
    {u"Japanese", "ja"},     {u"\u4e2d\u6587", "zh"}, {u"Chinese", "zh"},
    {u"\ud55c\uad6d\uc5b4", "ko"}, {u"Korean", "ko"},
};

bool IsTranslated(const CTextNode& node) {
  if (node.kind != kKindRoot && node.text != node.baseText) return true;
  for (int32_t i = 0; i < node.childCount; ++i) {
    if (IsTranslated(*node.ChildAt(i))) return true;
  }
  return false;
}

// The header's fields as gettext's tools write them, with the program and
// the languages of the document.
std::string PoHeader(const CExchangeHeader& header) {
  std::string program = ToUtf8(header.programName);
  if (!header.programVersion.empty()) program += " " + ToUtf8(header.programVersion);
  std::string text = "Project-Id-Version: " + program + "\n";
  text += "PO-Revision-Date: \nLast-Translator: \nLanguage-Team: \n";
  if (!header.targetLanguage.empty()) text += "Language: " + header.targetLanguage + "\n";
  text += "MIME-Version: 1.0\nContent-Type: text/plain; charset=UTF-8\n";
  text += "Content-Transfer-Encoding: 8bit\n";
  if (!header.sourceLanguage.empty()) text += "X-Source-Language: " + header.sourceLanguage + "\n";
  return text;
}

CPoEntry PoEntryOf(const CExchangeEntry& entry) {
  CPoEntry po;
  po.extractedComments.push_back(NoteOf(entry));
  po.references = entry.references;
  if (entry.fuzzy) po.flags.push_back("fuzzy");
  if (HasCFormat(entry.source)) po.flags.push_back("c-format");
  po.hasContext = true;
  po.context = ToUtf8(entry.context);
  po.msgid = ToUtf8(entry.source);
  po.msgstr = ToUtf8(entry.target);
  return po;
}

}  // namespace

std::string LanguageCodeOf(const std::u16string& name) {
  for (const LanguageName& language : kLanguageNames) {
    if (name == language.name) return language.code;
  }
  return {};
}

std::string NoteOf(const CExchangeEntry& entry) {
  std::string note = DescribeKind(entry.kind);
  if (entry.width >= 0 && entry.height >= 0) {
    note += ", " + std::to_string(entry.width) + " x " + std::to_string(entry.height) +
            " dialog units";
  }
  return note;
}

bool HasCFormat(std::u16string_view text) {
  CPrintfConversions conversions = ReadPrintfConversions(text);
  return conversions.wellFormed && !conversions.conversions.empty();
}

CExchangeDocument MakeExchangeDocument(const CLanguageData& data, const CExchangeLanguages& languages,
                                       const SourcePlaces* places) {
  CExchangeDocument document;
  CExchangeHeader& header = document.header;
  header.programName = data.programName;
  header.programVersion = data.programVersion;
  header.languageName = data.languageName;
  const bool translated = data.root && IsTranslated(*data.root);
  const std::string code = LanguageCodeOf(data.languageName);
  header.sourceLanguage = !languages.sourceLanguage.empty() ? languages.sourceLanguage
                          : translated                      ? std::string()
                                                            : code;
  header.targetLanguage = !languages.targetLanguage.empty() ? languages.targetLanguage
                          : translated                      ? code
                                                            : std::string();
  if (data.root) document.entries = CollectEntries(*data.root, places);
  return document;
}

std::string WritePoDocument(const CExchangeDocument& document) {
  CPoFile file;
  CPoEntry header;
  header.msgstr = PoHeader(document.header);
  file.entries.push_back(std::move(header));
  for (const CExchangeEntry& entry : document.entries) file.entries.push_back(PoEntryOf(entry));
  return WritePoFile(file);
}

CExchangeDocument ReadPoDocument(std::string_view bytes, const std::string& fileName) {
  CPoFile file = ReadPoFile(bytes, fileName);
  CExchangeDocument document;
  document.header.targetLanguage = file.HeaderField("Language");
  document.header.sourceLanguage = file.HeaderField("X-Source-Language");
  for (const CPoEntry& po : file.entries) {
    if (po.IsHeader()) continue;
    CExchangeEntry entry;
    entry.context = po.hasContext ? FromUtf8(po.context) : std::u16string();
    entry.source = FromUtf8(po.msgid);
    entry.target = FromUtf8(po.msgstr);
    entry.fuzzy = po.HasFlag("fuzzy");
    entry.obsolete = po.obsolete;
    entry.references = po.references;
    entry.line = po.line;
    document.entries.push_back(std::move(entry));
  }
  return document;
}

ExchangeFormat DetectExchangeFormat(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  while (!bytes.empty() && (bytes.front() == ' ' || bytes.front() == '\t' ||
                            bytes.front() == '\r' || bytes.front() == '\n')) {
    bytes.remove_prefix(1);
  }
  return !bytes.empty() && bytes.front() == '<' ? ExchangeFormat::kXliff : ExchangeFormat::kPo;
}

CExchangeDocument ReadExchangeDocument(std::string_view bytes, const std::string& fileName) {
  return DetectExchangeFormat(bytes) == ExchangeFormat::kXliff ? ReadXliffDocument(bytes, fileName)
                                                               : ReadPoDocument(bytes, fileName);
}

}  // namespace tolmeric
