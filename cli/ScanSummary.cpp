#include "cli/ScanSummary.h"

#include "translation/TextNode.h"

namespace tolmeric::cli {

namespace {

int32_t ChildrenOf(const CTextNode* root, const char16_t* category) {
  if (root == nullptr) return 0;
  const std::u16string path = category;
  const CTextNode* node = const_cast<CTextNode*>(root)->FindPath(&path, 1);
  return node == nullptr ? 0 : node->childCount;
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

}  // namespace tolmeric::cli
