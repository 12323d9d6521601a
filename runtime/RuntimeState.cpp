#include "runtime/RuntimeState.h"

namespace tolmeric {

CRuntimeState& RuntimeState() {
  static CRuntimeState state;
  return state;
}

const CLanguageData* LookupData() {
  const CRuntimeState& state = RuntimeState();
  return state.switchData ? state.switchData.get() : state.currentData.get();
}

const CTextNode* FindStringTables(const CLanguageData* data) {
  if (!data || !data->root) return nullptr;
  static const std::u16string kCategory = u"Stringtables";
  return data->root->FindPath(&kCategory, 1);
}

void IndexCurrentData() {
  CRuntimeState& state = RuntimeState();
  state.currentIndex.Build(FindStringTables(state.currentData.get()));
}

void IndexSwitchData() {
  CRuntimeState& state = RuntimeState();
  state.switchIndex.Build(FindStringTables(state.switchData.get()));
}

void RemoveTranslationHooks() {
  CRuntimeState& state = RuntimeState();
  if (state.callWndProcHook) RuntimePlatform().RemoveHook(state.callWndProcHook);
  state.callWndProcHook = nullptr;
  if (state.callWndProcRetHook) RuntimePlatform().RemoveHook(state.callWndProcRetHook);
  state.callWndProcRetHook = nullptr;
}

void ResetTranslationState() {
  RemoveTranslationHooks();
  CRuntimeState& state = RuntimeState();
  // Indexes first: they point into the trees.
  state.currentIndex.Clear();
  state.switchIndex.Clear();
  state = CRuntimeState();
}

}  // namespace tolmeric
