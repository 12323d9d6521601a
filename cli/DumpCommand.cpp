// tolmeric-cli dump: a language file or a project file as text or JSON.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/TextTreeDump.h"

namespace tolmeric::cli {

namespace {

const char* const kUsage = "usage: tolmeric-cli dump [--json] FILE\n";
const char* const kHelp =
    "Prints a language file (.tra) or a project file (.lxp): the header, for a\n"
    "project its settings and scripts, then the tree, one node per line:\n"
    "kind number1 number2 state \"base text\" \"text\", indented by depth.\n"
    "\n"
    "  --json   print the same as one JSON object\n";

const std::u16string kMagic = u"_LEXIVANE__LANGUAGE_FILE_";

// The extension tells a language file from a project; for other names a
// language file is known by its magic at the start.
bool IsLanguageFile(const std::vector<uint8_t>& bytes, const std::filesystem::path& path) {
  const std::u16string extension = path.extension().u16string();
  if (extension == u".tra" || extension == u".TRA") return true;
  if (extension == u".lxp" || extension == u".LXP") return false;
  CArchive archive = CArchive::ForLoading(bytes, path);
  try {
    return archive.ReadString() == kMagic;
  } catch (const CFileError&) {
    return false;
  }
}

// A short fingerprint of the flag, so that two dumps show whether their
// flags differ without printing 1024 values.
std::string FlagText(const FlagImage& flag) {
  uint32_t hash = 2166136261u;
  int32_t set = 0;
  for (uint32_t value : flag) {
    if (value != 0) ++set;
    for (int shift = 0; shift < 32; shift += 8) {
      hash = (hash ^ ((value >> shift) & 0xFF)) * 16777619u;
    }
  }
  if (set == 0) return "all 0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d of 1024 pixels not 0, fnv1a %08x", set, hash);
  return buffer;
}

class CTextDump {
 public:
  void Line(const char* name, const std::string& value) { out += std::string(name) + ": " + value + "\n"; }
  void Text(const char* name, const std::u16string& value) { Line(name, QuoteText(value)); }
  void Number(const char* name, int64_t value) { Line(name, std::to_string(value)); }
  void Bool(const char* name, bool value) { Line(name, value ? "yes" : "no"); }
  std::string out;
};

void DumpHeaderText(CTextDump& dump, const CLanguageData& data) {
  dump.Text("programName", data.programName);
  dump.Text("programVersion", data.programVersion);
  dump.Text("languageName", data.languageName);
  dump.Text("headerText4", data.headerText4);
  dump.Text("headerText5", data.headerText5);
  dump.Number("formatNumber", data.formatNumber);
  dump.Number("fileFlags", data.fileFlags);
  dump.Number("fileValue", data.fileValue);
  dump.Number("reservedValue", data.reservedValue);
  dump.Line("flag", FlagText(data.flagImage));
}

std::string DumpText(const CLanguageData& data, const CProject* project) {
  CTextDump dump;
  if (project != nullptr) {
    dump.Line("file", "project");
    dump.Text("projectPath", project->projectPath);
    dump.Text("languageFileName", project->languageFileName);
    dump.Bool("testVersion", project->testVersion);
    dump.Bool("autoInstall", project->autoInstall);
    dump.Bool("replaceBegin", project->replaceBegin);
    dump.Text("beginText", project->beginText);
    dump.Bool("replaceEnd", project->replaceEnd);
    dump.Text("endText", project->endText);
    dump.Number("scripts", project->scriptCount());
    for (const std::u16string& script : project->scriptPaths) dump.out += "  " + QuoteText(script) + "\n";
    if (project->defaultCodePage != 0) dump.Number("defaultCodePage", project->defaultCodePage);
  } else {
    dump.Line("file", "language");
  }
  DumpHeaderText(dump, data);
  if (data.root == nullptr) {
    dump.Line("tree", "none");
  } else {
    dump.Number("tree", data.root->CountNodes());
    dump.out += DumpTextTree(*data.root);
  }
  return dump.out;
}

std::string JsonHeader(const CLanguageData& data) {
  std::string out = "\"programName\":" + JsonText(data.programName) +
                    ",\"programVersion\":" + JsonText(data.programVersion) +
                    ",\"languageName\":" + JsonText(data.languageName) +
                    ",\"headerText4\":" + JsonText(data.headerText4) +
                    ",\"headerText5\":" + JsonText(data.headerText5) +
                    ",\"formatNumber\":" + std::to_string(data.formatNumber) +
                    ",\"fileFlags\":" + std::to_string(data.fileFlags) +
                    ",\"fileValue\":" + std::to_string(data.fileValue) +
                    ",\"reservedValue\":" + std::to_string(data.reservedValue) + ",\"flagImage\":[";
  for (size_t i = 0; i < data.flagImage.size(); ++i) {
    if (i != 0) out += ',';
    out += std::to_string(data.flagImage[i]);
  }
  return out + "]";
}

std::string DumpJson(const CLanguageData& data, const CProject* project) {
  std::string out = "{";
  if (project != nullptr) {
    auto flag = [](bool value) { return value ? std::string("true") : std::string("false"); };
    out += "\"file\":\"project\",\"projectPath\":" + JsonText(project->projectPath) +
           ",\"languageFileName\":" + JsonText(project->languageFileName) +
           ",\"testVersion\":" + flag(project->testVersion) +
           ",\"autoInstall\":" + flag(project->autoInstall) +
           ",\"replaceBegin\":" + flag(project->replaceBegin) +
           ",\"beginText\":" + JsonText(project->beginText) +
           ",\"replaceEnd\":" + flag(project->replaceEnd) +
           ",\"endText\":" + JsonText(project->endText) + ",\"scripts\":[";
    for (size_t i = 0; i < project->scriptPaths.size(); ++i) {
      if (i != 0) out += ',';
      out += JsonText(project->scriptPaths[i]);
    }
    out += "],";
    if (project->defaultCodePage != 0) {
      out += "\"defaultCodePage\":" + std::to_string(project->defaultCodePage) + ",";
    }
  } else {
    out += "\"file\":\"language\",";
  }
  out += JsonHeader(data) + ",\"tree\":";
  if (data.root == nullptr) {
    out += "null";
  } else {
    std::string tree = DumpTextTreeJson(*data.root);
    while (!tree.empty() && tree.back() == '\n') tree.pop_back();
    out += tree;
  }
  return out + "}\n";
}

}  // namespace

int RunDump(const Arguments& args) {
  CArgParser parser;
  parser.AddFlag("json");
  if (int status = ParseCommand(parser, args, kUsage, kHelp, 1, 1); status >= 0) return status;

  CCliSession session;
  const std::filesystem::path path = ArgPath(parser.Operands().front());
  try {
    CArchive archive = CArchive::OpenForLoading(path);
    archive.SetMessageSink(&session);
    std::unique_ptr<CProject> project;
    CLanguageData language;
    const CLanguageData* data = &language;
    if (IsLanguageFile(archive.Bytes(), path)) {
      language.Serialize(archive);
    } else {
      project = std::make_unique<CProject>();
      project->Serialize(archive);
      data = project->languageData.get();
    }
    std::string out = parser.Has("json") ? DumpJson(*data, project.get())
                                         : DumpText(*data, project.get());
    std::fwrite(out.data(), 1, out.size(), stdout);
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
