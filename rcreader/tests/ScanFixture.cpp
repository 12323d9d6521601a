#include "rcreader/tests/ScanFixture.h"

#include "rcreader/ProblemLog.h"
#include "translation/TextTreeDump.h"
#include "translation/Utf.h"

namespace tolmeric::testing {

CReaderStrings::CReaderStrings()
    : strings_{
          {113, u"!Fehler bei Sektion in Resource-Datei!"},
          {114, u"!Fehler bei Control in Dialog!"},
          {115, u"!Fehler in Menu-Item!"},
          {116, u"!Fehler im Menu!"},
          {127, u"!Fehler bei Stringtable-Eintrag!"},
          {133, u"----------- Scanne Ressourcen --------\r\n"},
          {1000, u"Sprache umschalten"},
          {1001, u"Verfügbare Sprachen"},
          {1002, u"Sprachen dieser Programmversion:"},
          {1003, u"Sprachen älterer Programmversionen:"},
          {1004, u"&OK"},
          {1005, u"&Abbrechen"},
          {1006, u"&Hilfe"},
          {1007, u"Ver."},
          {1008, u"Warnung! Sie haben eine Sprache einer älteren Programmversion gewählt.\n"
                 u"Evtl. werden nicht alle Texte des Programmes in der richtigen Sprache "
                 u"angezeigt."},
          {1009, u"Fehler beim Umschalten der Sprache!"},
          {1010, u"&Sprache wählen..."},
          {1011, u"Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten"},
      } {}

std::u16string CReaderStrings::LoadString(uint32_t id) const {
  auto found = strings_.find(id);
  return found == strings_.end() ? std::u16string() : found->second;
}

std::string ScanResult::Tree() const { return DumpTextTree(*root); }

std::string ScanResult::LogUtf8() const { return ToUtf8(log); }

std::string ScanResult::Diagnostics() const {
  return FormatDiagnostics(diagnostics, DiagnosticFormat::kMsvc);
}

ScanResult ScanScripts(const std::vector<std::pair<std::u16string, std::string>>& scripts,
                       bool withStandardSwitch, RcGrammar grammar) {
  static const CReaderStrings strings;
  ScanResult result;
  result.list = std::make_unique<CRcTokenList>(grammar);
  for (const auto& [name, bytes] : scripts)
    result.list->AppendList(CRcTokenList::FromBytes(name, bytes, 0, grammar));
  CProblemLog log(strings);
  log.Begin();
  result.file = std::make_unique<CRcFile>();
  result.file->Parse(*result.list, 0, log);
  if (withStandardSwitch) result.file->AddStandardSwitchDialog(strings);
  result.root = result.file->BuildNode(nullptr);
  result.log = log.text;
  result.diagnostics = log.diagnostics;
  return result;
}

ScanResult ScanText(const std::string& script, bool withStandardSwitch) {
  return ScanScripts({{u"test.rc", script}}, withStandardSwitch);
}

std::string Problem(const std::string& message, const std::string& location) {
  return message + "\r\n- " + location + "\r\n";
}

}  // namespace tolmeric::testing
