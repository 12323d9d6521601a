#include "runtime/tests/FakeWindowSystem.h"

#include <algorithm>
#include <stdexcept>

#include "translation/Utf.h"

namespace tolmeric::testing {

namespace {

class CCountedLease : public CWindowObjectLease {
 public:
  explicit CCountedLease(int32_t& out) : out_(out) { ++out_; }
  ~CCountedLease() override { --out_; }

 private:
  int32_t& out_;
};

int32_t Number(const std::u16string& text) { return std::stoi(ToUtf8(text)); }

}  // namespace

WindowId CFakeWindowSystem::AddWindow(WindowId parent, std::u16string text) {
  const WindowId id = nextWindow_++;
  Window& window = windows_[id];
  window.text = std::move(text);
  window.parent = parent;
  window.child = parent != 0;
  if (parent != 0) windows_.at(parent).children.push_back(id);
  return id;
}

WindowId CFakeWindowSystem::AddDialog(const std::string& text, WindowId parent) {
  return AddDialog(ReadTextLines(text), parent);
}

WindowId CFakeWindowSystem::AddDialog(const std::vector<CTextLine>& lines, WindowId parent) {
  const WindowId dialog = AddWindow(parent, u"");
  for (const CTextLine& line : lines) {
    const std::u16string value = line.values.empty() ? u"" : line.values[0];
    if (line.keyword == "caption") {
      windows_.at(dialog).text = value;
    } else if (line.keyword == "child") {
      AddWindow(dialog, value);
    } else {
      throw std::runtime_error("dialog line " + std::to_string(line.number) + ": " + line.keyword);
    }
  }
  return dialog;
}

MenuId CFakeWindowSystem::AddMenu(const std::string& text) { return AddMenu(ReadTextLines(text)); }

MenuId CFakeWindowSystem::AddMenu(const std::vector<CTextLine>& lines) {
  size_t next = 0;
  return AddMenuLines(lines, next, 0);
}

MenuId CFakeWindowSystem::AddMenuLines(const std::vector<CTextLine>& lines, size_t& next,
                                       int32_t depth) {
  const MenuId id = nextMenu_++;
  menus_[id];
  while (next < lines.size() && lines[next].depth == depth) {
    const CTextLine& line = lines[next++];
    Item item;
    if (line.keyword == "popup") {
      item.text = line.values.at(0);
      item.id = -1;
      item.submenu = AddMenuLines(lines, next, depth + 1);
    } else if (line.keyword == "item") {
      item.id = Number(line.values.at(0));
      item.text = line.values.at(1);
    } else if (line.keyword == "none") {
      item.text = line.values.at(0);
    } else if (line.keyword != "separator") {
      throw std::runtime_error("menu line " + std::to_string(line.number) + ": " + line.keyword);
    }
    menus_.at(id).items.push_back(std::move(item));
  }
  return id;
}

std::vector<std::string> CFakeWindowSystem::Texts(WindowId dialog) const {
  const Window& window = windows_.at(dialog);
  std::vector<std::string> texts{ToUtf8(window.text)};
  for (WindowId child : window.children) texts.push_back(ToUtf8(windows_.at(child).text));
  return texts;
}

void CFakeWindowSystem::NotifyLanguageChanged(WindowId window) {
  const MenuId menu = Menu(window);
  languageNotices.emplace_back(window, menu != 0 ? DumpMenu(menu) : std::string());
}

std::string CFakeWindowSystem::DumpMenu(MenuId menu) const {
  std::string out;
  DumpMenuLines(menu, 0, out);
  return out;
}

void CFakeWindowSystem::DumpMenuLines(MenuId menu, int32_t depth, std::string& out) const {
  for (const Item& item : menus_.at(menu).items) {
    out += std::string(static_cast<size_t>(depth) * 2, ' ');
    if (item.submenu != 0) {
      out += "popup " + Quoted(item.text) + "\n";
      DumpMenuLines(item.submenu, depth + 1, out);
      continue;
    }
    if (item.id == 0 && item.text.empty()) {
      out += "separator\n";
      continue;
    }
    out += item.id == 0 ? "none " : "item " + std::to_string(item.id) + " ";
    out += Quoted(item.text) + (item.enabled ? " enabled" : "") + "\n";
  }
}

const CFakeWindowSystem::Window* CFakeWindowSystem::Find(WindowId window) const {
  const auto found = windows_.find(window);
  return found != windows_.end() && found->second.alive ? &found->second : nullptr;
}

const CFakeWindowSystem::Item* CFakeWindowSystem::FindItem(MenuId menu, int32_t position) const {
  if (!IsMenu(menu)) return nullptr;
  const std::vector<Item>& items = menus_.at(menu).items;
  return position >= 0 && position < static_cast<int32_t>(items.size())
             ? &items[static_cast<size_t>(position)]
             : nullptr;
}

bool CFakeWindowSystem::IsWindow(WindowId window) const { return Find(window) != nullptr; }

std::u16string CFakeWindowSystem::WindowText(WindowId window) const {
  const Window* found = Find(window);
  return found ? found->text : std::u16string();
}

void CFakeWindowSystem::WriteWindowText(WindowId window, const std::u16string& text) {
  if (IsWindow(window)) windows_.at(window).text = text;
}

WindowId CFakeWindowSystem::FirstChild(WindowId window) const {
  const Window* found = Find(window);
  return found && !found->children.empty() ? found->children.front() : 0;
}

WindowId CFakeWindowSystem::NextSibling(WindowId window) const {
  const Window* found = Find(window);
  const Window* parent = found ? Find(found->parent) : nullptr;
  if (!parent) return 0;
  const auto self = std::find(parent->children.begin(), parent->children.end(), window);
  return self + 1 < parent->children.end() ? *(self + 1) : 0;
}

WindowId CFakeWindowSystem::Parent(WindowId window) const {
  const Window* found = Find(window);
  return found ? found->parent : 0;
}

bool CFakeWindowSystem::IsChildWindow(WindowId window) const {
  const Window* found = Find(window);
  return found && found->child;
}

MenuId CFakeWindowSystem::Menu(WindowId window) const {
  const Window* found = Find(window);
  return found ? found->menu : 0;
}

MenuId CFakeWindowSystem::FrameDefaultMenu(WindowId window) const {
  const Window* found = Find(window);
  return found ? found->defaultMenu : 0;
}

WindowId CFakeWindowSystem::SheetTabControl(WindowId window) const {
  const Window* found = Find(window);
  return found ? found->tabControl : 0;
}

uint32_t CFakeWindowSystem::PageDescriptionFlags(intptr_t initDialogParam) const {
  const auto found = pageFlags_.find(initDialogParam);
  return found == pageFlags_.end() ? 0 : found->second;
}

std::unique_ptr<CWindowObjectLease> CFakeWindowSystem::LeaseWindowObject(WindowId,
                                                                          WindowObjectKind kind) {
  leasedKinds.push_back(kind);
  return std::make_unique<CCountedLease>(leasesOut);
}

std::unique_ptr<CWindowObjectLease> CFakeWindowSystem::LeaseMenuObject(MenuId menu) {
  if (!IsMenu(menu)) return nullptr;
  leasedMenus.push_back(menu);
  return std::make_unique<CCountedLease>(leasesOut);
}

int32_t CFakeWindowSystem::TabCount(WindowId tabControl) const {
  const Window* found = Find(tabControl);
  return found ? static_cast<int32_t>(found->tabs.size()) : 0;
}

std::u16string CFakeWindowSystem::TabText(WindowId tabControl, int32_t index) const {
  return windows_.at(tabControl).tabs.at(static_cast<size_t>(index));
}

void CFakeWindowSystem::SetTabText(WindowId tabControl, int32_t index,
                                   const std::u16string& text) {
  windows_.at(tabControl).tabs.at(static_cast<size_t>(index)) = text;
}

bool CFakeWindowSystem::IsMenu(MenuId menu) const {
  const auto found = menus_.find(menu);
  return found != menus_.end() && found->second.alive;
}

int32_t CFakeWindowSystem::MenuItemCount(MenuId menu) const {
  return IsMenu(menu) ? static_cast<int32_t>(menus_.at(menu).items.size()) : -1;
}

std::u16string CFakeWindowSystem::MenuItemText(MenuId menu, int32_t position) const {
  const Item* item = FindItem(menu, position);
  return item ? item->text : std::u16string();
}

int32_t CFakeWindowSystem::MenuItemId(MenuId menu, int32_t position) const {
  const Item* item = FindItem(menu, position);
  return item ? item->id : -1;
}

MenuId CFakeWindowSystem::SubMenu(MenuId menu, int32_t position) const {
  const Item* item = FindItem(menu, position);
  return item ? item->submenu : 0;
}

void CFakeWindowSystem::ModifyMenuItem(MenuId menu, int32_t position, const CMenuItemWrite& write) {
  Item& item = menus_.at(menu).items.at(static_cast<size_t>(position));
  item.text = write.text;
  item.submenu = write.popup ? write.submenu : 0;
  item.id = write.popup ? -1 : write.commandId;
}

void CFakeWindowSystem::AppendMenuSeparator(MenuId menu) { menus_.at(menu).items.push_back({}); }

void CFakeWindowSystem::AppendMenuItem(MenuId menu, int32_t commandId, const std::u16string& text) {
  menus_.at(menu).items.push_back({text, commandId, 0, false});
}

void CFakeWindowSystem::EnableMenuCommand(MenuId menu, int32_t commandId) {
  if (!IsMenu(menu)) return;
  for (Item& item : menus_.at(menu).items) {
    if (item.submenu == 0 && item.id == commandId) item.enabled = true;
  }
}

}  // namespace tolmeric::testing
