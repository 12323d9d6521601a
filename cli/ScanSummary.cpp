#include "cli/ScanSummary.h"

#include <filesystem>
#include <system_error>

#include "translation/TextNode.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

const CTextNode* Category(const CTextNode* root, const char16_t* name) {
  if (root == nullptr) return nullptr;
  const std::u16string path = name;
  return const_cast<CTextNode*>(root)->FindPath(&path, 1);
}

int32_t ChildrenOf(const CTextNode* root, const char16_t* name) {
  const CTextNode* node = Category(root, name);
  return node == nullptr ? 0 : node->childCount;
}

// The dialogs of the scripts, without the standard switch dialog.
int32_t ScriptDialogs(const CTextNode* root) {
  const CTextNode* dialogs = Category(root, u"Dialoge");
  int32_t count = 0;
  for (int32_t i = 0; dialogs != nullptr && i < dialogs->childCount; ++i) {
    const CTextNode* dialog = dialogs->ChildAt(i);
    if (dialog != nullptr && dialog->kind != kKindStandardSwitchDialog) ++count;
  }
  return count;
}

std::string Count(int32_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ScanSummary(int32_t scripts, const CTextNode* root, int32_t problems) {
  return Count(scripts, "script", "scripts") + ", " +
         Count(ChildrenOf(root, u"Dialoge"), "dialog", "dialogs") + ", " +
         Count(ChildrenOf(root, u"Menus"), "menu", "menus") + ", " +
         Count(ChildrenOf(root, u"Stringtables"), "string table", "string tables") + ", " +
         Count(root == nullptr ? 0 : root->CountNodes(), "node", "nodes") + ", " +
         Count(problems, "problem", "problems");
}

std::vector<std::string> ScanWarnings(const std::vector<std::u16string>& scripts,
                                      const CTextNode* root,
                                      const std::vector<std::u16string>& readerWarnings) {
  std::vector<std::string> warnings;
  for (const std::u16string& warning : readerWarnings) warnings.push_back(ToUtf8(warning));
  for (const std::u16string& script : scripts) {
    std::error_code error;
    if (std::filesystem::file_size(std::filesystem::path(script), error) == 0 && !error) {
      warnings.push_back(PathText(script) + ": the script is empty");
    }
  }
  if (!scripts.empty() && ScriptDialogs(root) == 0 && ChildrenOf(root, u"Menus") == 0 &&
      ChildrenOf(root, u"Stringtables") == 0) {
    warnings.push_back(std::string("no dialog, menu or string table found in ") +
                       (scripts.size() == 1 ? "the script" : "any script"));
  }
  return warnings;
}

int FinishScan(const ScanReport& report, bool strict, Verbosity verbosity, std::FILE* out) {
  for (const std::string& warning : report.warnings) CCliSession::PrintWarning(warning);
  if (verbosity != Verbosity::kQuiet) {
    const std::string summary = ScanSummary(report.scripts, report.root, report.problems);
    std::fprintf(out, "%s\n", summary.c_str());
  }
  const bool faulty = report.problems > 0 || !report.warnings.empty();
  if (strict && faulty) {
    CCliSession::PrintError("--strict: the scan had problems or warnings");
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tolmeric::cli
