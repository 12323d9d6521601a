// The windows that the module has translated, so that a language switch can
// translate them again. The dialog and menu registries fill in how one entry
// is translated.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolmeric {

#ifdef _WIN32
using WindowHandle = HWND;
using MenuHandle = HMENU;
#else
// Opaque outside Windows: nothing there has windows or menus.
struct WindowHandleTag;
struct MenuHandleTag;
using WindowHandle = WindowHandleTag*;
using MenuHandle = MenuHandleTag*;
#endif

class CWindowRegistry {
 public:
  struct Entry {
    WindowHandle window = nullptr;
    uint32_t mode = 0;            // dialog mode at registration, 0 for menu windows
    MenuHandle menu = nullptr;    // the window's menu at registration, or null
  };
  using Translator = std::function<void(const Entry&)>;

  virtual ~CWindowRegistry() = default;

  void Add(const Entry& entry) { entries_.push_back(entry); }
  const std::vector<Entry>& Entries() const { return entries_; }

  // Translates every entry again, in registration order. The language switch
  // calls it while its switch data is set.
  void Retranslate();

 protected:
  // Translates one entry again.
  virtual void Translate(const Entry& entry) = 0;

 private:
  std::vector<Entry> entries_;
};

}  // namespace tolmeric
