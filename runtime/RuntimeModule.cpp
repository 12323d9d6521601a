#include "runtime/RuntimeModule.h"

namespace tolmeric {

namespace {

CRuntimeModule*& ActiveSlot() {
  static CRuntimeModule* active = nullptr;
  return active;
}

}  // namespace

CRuntimeModule::CRuntimeModule(IRuntimePlatform& platform) : platform_(platform) {}

CRuntimeModule::~CRuntimeModule() {
  RemoveTranslationHooks();
  // The indexes point into the trees.
  state_.currentIndex.Clear();
  state_.switchIndex.Clear();
  state_.currentDialogs.Clear();
  state_.switchDialogs.Clear();
  if (ActiveSlot() == this) ActiveSlot() = nullptr;
}

CRuntimeModule& CRuntimeModule::Active() {
  if (CRuntimeModule* active = ActiveSlot()) return *active;
  static CRuntimeModule processModule(DefaultRuntimePlatform());
  return processModule;
}

void CRuntimeModule::Activate() { ActiveSlot() = this; }

const CLanguageData* CRuntimeModule::LookupData() const {
  return state_.switchData ? state_.switchData.get() : state_.currentData.get();
}

bool CRuntimeModule::TranslateString(std::u16string& text) const {
  if (!state_.currentData) return false;
  const CStringIndex& index = state_.switchData ? state_.switchIndex : state_.currentIndex;
  const CTextNode* node = index.Find(text);
  if (!node) return false;
  text = node->text;
  return true;
}

CTextNode* CRuntimeModule::FindStandardSwitchDialog() const {
  CTextNode* dialogs = const_cast<CTextNode*>(FindDialogCategory(state_.currentData.get()));
  if (!dialogs) return nullptr;
  for (int32_t i = 0; i < dialogs->childCount; ++i) {
    CTextNode* child = dialogs->ChildAt(i);
    if (child && child->kind == kKindStandardSwitchDialog) return child;
  }
  return nullptr;
}

void CRuntimeModule::IndexCurrentData() {
  state_.currentIndex.Build(FindStringTables(state_.currentData.get()));
  state_.currentDialogs.Build(FindDialogCategory(state_.currentData.get()));
}

void CRuntimeModule::IndexSwitchData() {
  state_.switchIndex.Build(FindStringTables(state_.switchData.get()));
  state_.switchDialogs.Build(FindDialogCategory(state_.switchData.get()));
}

void CRuntimeModule::ClearSwitchData() {
  state_.switchIndex.Clear();
  state_.switchDialogs.Clear();
  state_.switchData.reset();
}

void CRuntimeModule::InstallTranslationHooks() {
  // A second load keeps the hooks of the first: installing them again would
  // leave the first ones in the thread's chain with no handle to remove them,
  // and every message would be handled twice.
  if (!state_.callWndProcHook) state_.callWndProcHook = platform_.InstallCallWndProcHook();
  if (!state_.callWndProcRetHook) {
    state_.callWndProcRetHook = platform_.InstallCallWndProcRetHook();
  }
  if (!state_.getMessageHook) state_.getMessageHook = platform_.InstallGetMessageHook();
}

void CRuntimeModule::RemoveTranslationHooks() {
  for (HookHandle* hook :
       {&state_.callWndProcHook, &state_.callWndProcRetHook, &state_.getMessageHook}) {
    if (*hook) platform_.RemoveHook(*hook);
    *hook = nullptr;
  }
}

void CRuntimeModule::OpenSwitchDialog() {
  if (openSwitchDialog_) {
    openSwitchDialog_();
  } else {
    platform_.OpenSwitchDialog();
  }
}

}  // namespace tolmeric
