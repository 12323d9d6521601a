// The run-time module as one object: its state and every operation on it.
// The application's entry points (TranslationModule.h, StringFunctions.h)
// and the hooks act on the active module; a test builds a module of its
// own, activates it and drops it whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/HookRouter.h"
#include "runtime/LanguageInfo.h"
#include "runtime/RuntimePlatform.h"
#include "runtime/RuntimeState.h"
#include "runtime/WindowSystem.h"

namespace tolmeric {

class CRuntimeModule {
 public:
  // platform is not owned and must outlive the module.
  explicit CRuntimeModule(IRuntimePlatform& platform);
  // Removes the hooks the module installed; no longer active afterwards.
  ~CRuntimeModule();
  CRuntimeModule(const CRuntimeModule&) = delete;
  CRuntimeModule& operator=(const CRuntimeModule&) = delete;

  // The module the entry points and the hooks use: the one activated last
  // and still alive, else the process's module on the build's platform.
  static CRuntimeModule& Active();
  void Activate();

  IRuntimePlatform& Platform() const { return platform_; }
  // The windows and menus of the thread; null where there are none (the
  // command line), then nothing is translated but strings.
  IWindowSystem* Windows() const { return platform_.WindowSystem(); }
  CRuntimeState& State() { return state_; }
  const CRuntimeState& State() const { return state_; }

  // Start, switch and shut-down (see TranslationModule.h).
  bool LoadLanguage(const std::u16string& path, bool showMessages);
  // What a successful load does with the data it read from path: holds it
  // (new, empty registries) and installs the hooks.
  void HoldLanguage(const std::u16string& path, std::unique_ptr<CLanguageData> data);
  bool StartAutomaticTranslation(const std::u16string& defaultFile, bool useProfile,
                                 bool showOlderVersions, bool showHelpButton,
                                 uint32_t helpCommandId, uint32_t languageCommandId);
  bool SwitchTranslationFile(const std::u16string& path);
  void ExitTranslation();
  bool GetCurrentLanguageInfo(CLanguageInfo& info) const;
  // The standard switch dialog (kind 30) under "Dialoge" of the held data.
  CTextNode* FindStandardSwitchDialog() const;

  // The data lookups use: switchData during a switch, else currentData.
  const CLanguageData* LookupData() const;
  // The string lookup of the data in use (see StringFunctions.h).
  bool TranslateString(std::u16string& text) const;

  // The hooks hand every message sent to a window here, before and after its
  // delivery, and every message retrieved from the thread's queue.
  void OnMessageBeforeDelivery(const CMessageRecord& record);
  void OnMessageAfterDelivery(const CMessageRecord& record);
  void OnMessageRetrieved(const CMessageRecord& record, Retrieval retrieval);
  // How the language item opens the switch dialog: by default the
  // platform's dialog; tests count the calls.
  void SetSwitchDialogOpener(std::function<void()> opener) { openSwitchDialog_ = std::move(opener); }

  // Dialogs: translates one with the held data and registers it.
  void TranslateDialog(WindowId dialog, uint32_t mode);
  // The dialog registry's step of a switch: the same from the switch data,
  // without registering and without menus.
  void RetranslateDialog(WindowId dialog, uint32_t mode);

  // Menus: a window's menu bar (and a frame's default menu) from the held
  // data, registering the window; a context menu about to open.
  void TranslateWindowMenus(WindowId window);
  void TranslatePopupMenu(MenuId menu);
  // The menu bar and a frame's default menu from a "Menus" category.
  void TranslateMenuBars(WindowId window, const CTextNode* category);
  // One menu, in bar or popup mode.
  void TranslateMenu(MenuId menu, const CTextNode* category, bool popupMode);

 private:
  // One of the router's rules, applied to the message at hand.
  using HookRule = std::function<std::vector<CHookAction>(const CRouteContext&)>;
  // Runs the actions the rule asks for; nothing where there are no windows.
  void Route(const HookRule& rule);
  void RunAction(const CHookAction& action);
  void MatchAndApplyDialog(IWindowSystem& windows, WindowId dialog, uint32_t mode,
                           const CTextNode* category, const CDialogIndex& index);
  void TranslatePropertySheet(IWindowSystem& windows, WindowId page, const CTextNode& node);
  bool IsRegisteredMenu(MenuId menu) const;
  void InstallTranslationHooks();
  void RemoveTranslationHooks();
  void IndexCurrentData();
  void IndexSwitchData();
  void ClearSwitchData();
  void OpenSwitchDialog();

  IRuntimePlatform& platform_;
  CRuntimeState state_;
  std::function<void()> openSwitchDialog_;
};

// The active module's state and platform, for the module's own free
// functions.
inline CRuntimeState& RuntimeState() { return CRuntimeModule::Active().State(); }
inline IRuntimePlatform& RuntimePlatform() { return CRuntimeModule::Active().Platform(); }

}  // namespace tolmeric
