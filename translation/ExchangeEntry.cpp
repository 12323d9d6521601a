#include "translation/ExchangeEntry.h"

#include <functional>
#include <unordered_set>

#include "translation/Utf.h"

namespace tolmeric {

namespace {

std::u16string EscapeSegment(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    switch (c) {
      case u'\\': out += u"\\\\"; break;
      case u'/': out += u"\\/"; break;
      case u'#': out += u"\\#"; break;
      // Line feeds and tabs are written as escapes: a context is one line.
      case u'\n': out += u"\\n"; break;
      case u'\r': out += u"\\r"; break;
      case u'\t': out += u"\\t"; break;
      default: out += c;
    }
  }
  return out;
}

using NodeVisit = std::function<void(CTextNode& node, const std::u16string& context)>;

// Walks the children of node with their contexts. Recursion follows the
// tree's depth, which a loaded language file bounds.
void WalkChildren(CTextNode& node, const std::u16string& prefix, const NodeVisit& visit) {
  std::unordered_map<std::u16string, int32_t> seen;
  for (int32_t i = 0; i < node.childCount; ++i) {
    CTextNode& child = *node.ChildAt(i);
    const int32_t occurrence = ++seen[child.baseText];
    std::u16string context = prefix + EscapeSegment(child.baseText);
    if (occurrence > 1) context += u"#" + FromAscii(std::to_string(occurrence));
    visit(child, context);
    if (child.childCount == 0) continue;
    if (context.size() >= kMaxParentContext) throw CContextTooLong();
    WalkChildren(child, context + u"/", visit);
  }
}

// True when a child of node, or a node further down, misses its text.
bool RecomputeGaps(CTextNode& node) {
  bool gap = false;
  for (int32_t i = 0; i < node.childCount; ++i) {
    CTextNode& child = *node.ChildAt(i);
    if (RecomputeGaps(child)) gap = true;
    if (child.state == kStateLeafMissing || child.state == kStateSubtreeMissing) gap = true;
  }
  if (node.childCount > 0 && (node.state == kStateAllPresent || node.state == kStateSomeMissing)) {
    node.state = gap ? kStateSomeMissing : kStateAllPresent;
  }
  return gap;
}

void TakeTranslation(CTextNode& node, const std::u16string& target) {
  node.text = target;
  node.state = node.childCount == 0 ? kStateLeafPresent : kStateAllPresent;
}

void TakeUntranslated(CTextNode& node) {
  node.text = node.baseText;
  if (node.state == kStateNeedsReview) {
    node.state = node.childCount == 0 ? kStateLeafMissing : kStateSubtreeMissing;
  }
}

}  // namespace

bool IsExchangedNode(const CTextNode& node) {
  if (node.baseText.empty()) return false;
  switch (node.kind) {
    case kKindDialog:
    case kKindStandardSwitchDialog:
    case kKindControl:
    case kKindStaticText:
    case kKindGroupBox:
    case kKindPushButton:
    case kKindPopup:
    case kKindMenuItem:
    case kKindStringEntry:
      return true;
    default:
      return false;
  }
}

const char* DescribeKind(int32_t kind) {
  switch (kind) {
    case kKindDialog: return "dialog caption";
    case kKindStandardSwitchDialog: return "caption of the language switch dialog";
    case kKindControl: return "control";
    case kKindStaticText: return "static text";
    case kKindGroupBox: return "group box";
    case kKindPushButton: return "button";
    case kKindPopup: return "popup menu";
    case kKindMenuItem: return "menu item";
    case kKindStringEntry: return "string";
    default: return "text";
  }
}

std::vector<CExchangeEntry> CollectEntries(const CTextNode& root, const SourcePlaces* places) {
  std::vector<CExchangeEntry> entries;
  // The walk only reads; it shares its code with the walks that write.
  WalkChildren(const_cast<CTextNode&>(root), u"", [&](CTextNode& node, const std::u16string& context) {
    if (!IsExchangedNode(node)) return;
    CExchangeEntry entry;
    entry.context = context;
    entry.source = node.baseText;
    if (node.text != node.baseText || node.state == kStateNeedsReview) entry.target = node.text;
    entry.fuzzy = node.state == kStateNeedsReview;
    entry.isNew = node.state == kStateLeafMissing || node.state == kStateSubtreeMissing;
    entry.kind = node.kind;
    if (node.number1 >= 0 && node.number2 >= 0) {
      entry.width = node.number1;
      entry.height = node.number2;
    }
    if (places != nullptr) {
      if (auto found = places->find(&node); found != places->end()) {
        entry.references.push_back(found->second);
      }
    }
    entries.push_back(std::move(entry));
  });
  return entries;
}

std::u16string ParentContext(const std::u16string& context) {
  size_t cut = std::u16string::npos;
  for (size_t i = 0; i < context.size(); ++i) {
    if (context[i] == u'\\') {
      ++i;
    } else if (context[i] == u'/') {
      cut = i;
    }
  }
  return cut == std::u16string::npos ? std::u16string() : context.substr(0, cut);
}

std::unordered_map<std::u16string, CTextNode*> NodesByContext(CTextNode& root) {
  std::unordered_map<std::u16string, CTextNode*> nodes;
  WalkChildren(root, u"", [&](CTextNode& node, const std::u16string& context) {
    if (IsExchangedNode(node)) nodes.emplace(context, &node);
  });
  return nodes;
}

CImportCounts ApplyEntries(CTextNode& root, const std::vector<CExchangeEntry>& entries,
                           bool takeFuzzy) {
  CImportCounts counts;
  std::unordered_map<std::u16string, CTextNode*> nodes = NodesByContext(root);
  std::unordered_set<const CTextNode*> named;
  std::vector<const CExchangeEntry*> withoutContext;

  auto take = [&](CTextNode& node, const CExchangeEntry& entry) {
    if (entry.target.empty()) {
      TakeUntranslated(node);
    } else {
      TakeTranslation(node, entry.target);
    }
  };
  // Counts an entry once and says whether it is taken.
  auto classify = [&](const CExchangeEntry& entry) {
    if (entry.target.empty()) {
      ++counts.untranslated;
      return true;
    }
    if (entry.fuzzy && !takeFuzzy) {
      ++counts.fuzzySkipped;
      return false;
    }
    ++(entry.fuzzy ? counts.fuzzyTaken : counts.translated);
    return true;
  };

  for (const CExchangeEntry& entry : entries) {
    if (entry.obsolete) continue;
    if (entry.context.empty()) {
      withoutContext.push_back(&entry);
      continue;
    }
    auto found = nodes.find(entry.context);
    if (found == nodes.end()) {
      ++counts.unknown;
      continue;
    }
    named.insert(found->second);
    if (classify(entry)) take(*found->second, entry);
  }

  if (!withoutContext.empty()) {
    std::unordered_map<std::u16string, std::vector<CTextNode*>> bySource;
    for (auto& [context, node] : nodes) {
      if (named.count(node) == 0) bySource[node->baseText].push_back(node);
    }
    for (const CExchangeEntry* entry : withoutContext) {
      auto found = bySource.find(entry->source);
      if (found == bySource.end()) {
        ++counts.unknown;
        continue;
      }
      if (!classify(*entry)) continue;
      for (CTextNode* node : found->second) take(*node, *entry);
    }
  }
  RecomputeGaps(root);
  return counts;
}

}  // namespace tolmeric
