// tolmeric-cli dump: a language file or a project file as text or JSON.
#include <cstdio>

#include "cli/ArgParser.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileKind.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/TextTreeDump.h"

namespace tolmeric::cli {

namespace {

const CommandHelp kHelp = {
    "dump",
    "print a language file or a project",
    "tolmeric-cli dump [--json] FILE\n",
    "    Prints a language file or a project file, whichever FILE holds (known by\n"
    "    its content, never by its name): the header, for a project its settings\n"
    "    and scripts, then the tree, one node per line, indented by depth: the\n"
    "    kind by name, the base text, the size of dialogs and controls, the text\n"
    "    when it differs (translated), and the state when something is missing.\n"
    "    A file that is neither, or cannot be read whole, prints nothing.\n",
    "    --json\n"
    "        Print the same as one JSON object, with every number.\n",
};

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
  void Bool(const char* name, bool value) { Line(name, value ? "yes" : "no"); }
  std::string out;
};

void DumpHeaderText(CTextDump& dump, const CLanguageData& data) {
  dump.Text("program", data.programName);
  dump.Text("program version", data.programVersion);
  dump.Text("language", data.languageName);
  if (!data.headerText4.empty()) dump.Text("header text 4", data.headerText4);
  if (!data.headerText5.empty()) dump.Text("header text 5", data.headerText5);
  dump.Bool("automatic switch", data.SupportsAutoSwitch());
  dump.Line("flag", FlagText(data.flagImage));
}

std::string DumpText(const CLanguageData& data, const CProject* project) {
  CTextDump dump;
  if (project != nullptr) {
    dump.Line("file", "project");
    dump.Text("project path", project->projectPath);
    dump.Text("language file", project->languageFileName);
    dump.Bool("automatic installation", project->autoInstall);
    dump.Bool("test version", project->testVersion);
    if (project->testVersion) {
      dump.Line("test marks", (project->replaceBegin ? QuoteText(project->beginText) : "none") +
                                  " at the beginning, " +
                                  (project->replaceEnd ? QuoteText(project->endText) : "none") +
                                  " at the end");
    }
    dump.Line("scripts", std::to_string(project->scriptCount()));
    for (const std::u16string& script : project->scriptPaths) dump.out += "  " + QuoteText(script) + "\n";
    if (project->defaultCodePage != 0) {
      dump.Line("default code page", std::to_string(project->defaultCodePage));
    }
    if (project->grammar != RcGrammar::kClassic) dump.Line("grammar", GrammarName(project->grammar));
  } else {
    dump.Line("file", "language file");
  }
  DumpHeaderText(dump, data);
  if (data.root == nullptr) {
    dump.Line("tree", "none");
  } else {
    const int32_t nodes = data.root->CountNodes();
    dump.Line("tree", std::to_string(nodes) + (nodes == 1 ? " node" : " nodes"));
    dump.out += DumpTextTreeReadable(*data.root);
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
    if (project->grammar != RcGrammar::kClassic) {
      out += std::string("\"grammar\":\"") + GrammarName(project->grammar) + "\",";
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
  if (int status = ParseCommand(parser, args, kHelp, 1, 1); status >= 0) return status;

  CCliSession session;
  const DataFile file = ReadDataFile(ArgPath(parser.Operands().front()));
  const std::string out = parser.Has("json") ? DumpJson(file.Language(), file.project.get())
                                             : DumpText(file.Language(), file.project.get());
  std::fwrite(out.data(), 1, out.size(), stdout);
  return kExitOk;
}

}  // namespace tolmeric::cli
