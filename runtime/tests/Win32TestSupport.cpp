#include "runtime/tests/Win32TestSupport.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

#include "framework/Menu.h"
#include "framework/Wnd.h"

namespace tolmeric::testing {

namespace {

void AddRecipe(CTextNode& parent, const TextRecipe& entry, int32_t kind, bool menu) {
  const int32_t childKind = menu ? kKindMenuItem : kKindControl;
  const int32_t ownKind = menu && kind == kKindMenuItem && !entry.children.empty() ? kKindPopup
                                                                                  : kind;
  auto node = std::make_unique<CTextNode>(&parent, entry.base, entry.text, ownKind, -1, -1);
  for (const TextRecipe& child : entry.children) AddRecipe(*node, child, childKind, menu);
  parent.AddChild(std::move(node));
}

CTextNode& Category(CLanguageData& data, const std::u16string& name) {
  return *data.root->FindPath(&name, 1);
}

void AppendMenuTexts(HMENU menu, const std::wstring& indent, std::vector<std::wstring>& texts) {
  CMenu* object = CMenu::FromHandle(menu);
  for (int i = 0; i < object->GetMenuItemCount(); ++i) {
    CString text;
    object->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
    const bool separator = object->GetMenuItemID(i) == 0 && text.IsEmpty();
    texts.push_back(indent + (separator ? std::wstring(L"-") : text.str()));
    if (CMenu* submenu = object->GetSubMenu(i)) {
      AppendMenuTexts(submenu->m_hMenu, indent + L"  ", texts);
    }
  }
}

std::wstring WindowText(HWND window) {
  CString text;
  CWnd::FromHandle(window)->GetWindowText(text);
  return text.str();
}

// The texts of one language, in the order the tables below use them.
struct Words {
  std::u16string find, findWhat, matchCase, cancel, print, apply, replace, replaceWith, general,
      userName;
  std::u16string file, open, recent, first, exit, edit, copy, close, window, tile;
  std::u16string context, cut, paste, longItem;
  std::u16string language, settings, advanced;
  std::u16string openCommand, longCommand;
};

const Words kGerman = {
    u"Suchen", u"Suchen nach:", u"Groß/Klein", u"Abbrechen", u"Drucken", u"Übernehmen",
    u"Ersetzen", u"Ersetzen durch:", u"Allgemein", u"Benutzername:",
    u"&Datei", u"Ö&ffnen", u"&Zuletzt", u"Erste", u"&Beenden", u"&Bearbeiten", u"&Kopieren",
    u"&Schließen", u"&Fenster", u"&Nebeneinander",
    u"Kontext", u"&Ausschneiden", u"&Einfügen", std::u16string(300, u'D'),
    u"Deutsch", u"Einstellungen", u"Erweitert",
    u"Dokument öffnen\nÖffnen", u"Langer Tipp\n" + std::u16string(100, u'ß')};

const Words kFrench = {
    u"Rechercher", u"Rechercher :", u"Respecter la casse", u"Annuler", u"Imprimer",
    u"Appliquer", u"Remplacer", u"Remplacer par :", u"Général", u"Nom d'utilisateur :",
    u"&Fichier", u"&Ouvrir", u"&Récents", u"Premier", u"&Quitter", u"&Edition", u"&Copier",
    u"&Fermer", u"Fe&nêtre", u"&Mosaïque",
    u"Contexte", u"Co&uper", u"C&oller", std::u16string(300, u'F'),
    u"Français", u"Paramètres", u"Avancé",
    u"Ouvrir un document\nOuvrir", u"Astuce longue\n" + std::u16string(100, u'é')};

std::unique_ptr<CLanguageData> TestLanguage(const Words& w) {
  LanguageRecipe recipe;
  recipe.languageName = w.language;
  recipe.languagePrompt = u"Sprache";
  recipe.stringTables = {{{u"Settings", w.settings},
                          {u"Advanced", w.advanced},
                          {std::u16string(1500, u'E'), std::u16string(1500, u'e')},
                          {u"Open a document\nOpen", w.openCommand},
                          {u"Long tip\n" + std::u16string(100, u'T'), w.longCommand}}};
  const std::vector<TextRecipe> dialogs = {
      {u"Find", w.find, {{u"Find what:", w.findWhat}, {u"Match case", w.matchCase},
                         {u"OK", u"OK"}, {u"Cancel", w.cancel}}},
      {u"Print", w.print, {{u"Apply", w.apply + u" 1"}, {u"Apply", w.apply + u" 2"},
                           {u"OK", u"OK"}}},
      {u"Replace", w.replace, {{u"Replace with:", w.replaceWith}, {u"OK", u"OK"}}},
      {u"General", w.general, {{u"User name:", w.userName}, {u"Company:", u"Company:"}}},
  };
  const std::vector<TextRecipe> menus = {
      {u"IDR_MAINFRAME", u"IDR_MAINFRAME",
       {{u"&File", w.file, {{u"&Open", w.open}, {u"&Recent", w.recent, {{u"First", w.first}}},
                            {u"E&xit", w.exit}}},
        {u"&Edit", w.edit, {{u"&Copy", w.copy}}}}},
      {u"IDR_DOCUMENT", u"IDR_DOCUMENT",
       {{u"&File", w.file, {{u"&Open", w.open}, {u"&Close", w.close}}},
        {u"&Window", w.window, {{u"&Tile", w.tile}}}}},
      {u"IDR_CONTEXT", u"IDR_CONTEXT",
       {{u"Context", w.context, {{u"Cu&t", w.cut}, {u"&Paste", w.paste},
                                 {std::u16string(300, u'L'), w.longItem}}}}},
  };
  return MakeLanguage(recipe, dialogs, menus);
}

}  // namespace

std::unique_ptr<CLanguageData> GermanLanguage() { return TestLanguage(kGerman); }
std::unique_ptr<CLanguageData> FrenchLanguage() { return TestLanguage(kFrench); }

std::unique_ptr<CLanguageData> MakeLanguage(const LanguageRecipe& recipe,
                                            const std::vector<TextRecipe>& dialogs,
                                            const std::vector<TextRecipe>& menus) {
  auto data = MakeLanguage(recipe);
  for (const TextRecipe& dialog : dialogs) {
    AddRecipe(Category(*data, u"Dialoge"), dialog, kKindDialog, false);
  }
  for (const TextRecipe& menu : menus) AddRecipe(Category(*data, u"Menus"), menu, kKindMenu, true);
  data->root->ResetStates();
  return data;
}

std::vector<std::wstring> DialogTexts(HWND dialog) {
  std::vector<std::wstring> texts{WindowText(dialog)};
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    texts.push_back(WindowText(child));
  }
  return texts;
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  AppendMenuTexts(menu, L"", texts);
  return texts;
}

std::vector<std::wstring> TabLabels(HWND tabs) {
  std::vector<std::wstring> labels;
  const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t label[4096] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    item.cchTextMax = 4096;
    ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    labels.push_back(item.pszText);
  }
  return labels;
}

std::vector<std::wstring> SheetTexts(HWND sheet) {
  std::vector<std::wstring> texts{WindowText(sheet)};
  const std::vector<std::wstring> labels =
      TabLabels(reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)));
  texts.insert(texts.end(), labels.begin(), labels.end());
  return texts;
}

void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

CModalDialogDriver::CModalDialogDriver(std::function<HWND()> findDialog, std::vector<Step> steps)
    : findDialog_(std::move(findDialog)), steps_(std::move(steps)) {
  current_ = this;
  timer_ = ::SetTimer(nullptr, 0, 30, &OnTimer);
}

CModalDialogDriver::~CModalDialogDriver() {
  ::KillTimer(nullptr, timer_);
  current_ = nullptr;
}

void CALLBACK CModalDialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_) current_->Tick();
}

void CModalDialogDriver::Tick() {
  HWND dialog = findDialog_();
  if (!dialog) return;
  ++ticksSeen;
  if (next_ < steps_.size()) {
    steps_[next_++](dialog);
  } else if (++next_ > steps_.size() + 10) {
    leftOpen = true;
    ::EndDialog(dialog, IDCANCEL);
  }
}

void ClickListItem(HWND list, int index, bool twice) {
  ::SendMessageW(list, LVM_ENSUREVISIBLE, index, FALSE);
  RECT rect{};
  rect.left = LVIR_ICON;
  ::SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(list, WM_LBUTTONUP, 0, at);
  if (!twice) return;
  ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(list, WM_LBUTTONUP, 0, at);
}

void ExpectTexts(const char* file, int line, const std::vector<std::wstring>& actual,
                 const std::vector<std::wstring>& expected) {
  const size_t common = std::min(actual.size(), expected.size());
  for (size_t i = 0; i < common; ++i) {
    if (actual[i] != expected[i]) {
      ADD_FAILURE_AT(file, line) << "text " << i << ": got " << ::testing::PrintToString(actual[i])
                                 << ", expected " << ::testing::PrintToString(expected[i]);
      return;
    }
  }
  if (actual.size() != expected.size()) {
    ADD_FAILURE_AT(file, line) << "got " << actual.size() << " texts, expected "
                               << expected.size();
  }
}

CWin32ModuleTest::CWin32ModuleTest() : module_(std::make_unique<CRuntimeModule>(platform_)) {
  app_.m_pszProfileName = profile_.c_str();
  module_->Activate();
  module_->SetSwitchDialogOpener([this] { ++switchDialogs_; });
  AfxSetMessageBoxHandler([this](LPCTSTR text, UINT type, UINT) {
    messages_.push_back(text);
    types_.push_back(type);
    return IDOK;
  });
}

CWin32ModuleTest::~CWin32ModuleTest() {
  module_.reset();
  AfxSetMessageBoxHandler({});
  CWnd::DeleteTempMap();
  CMenu::DeleteTempMap();
}

std::wstring CWin32ModuleTest::Write(const std::string& name, CLanguageData& data) {
  const std::u16string path = folder_.File(name);
  WriteLanguageFile(path, data);
  return std::wstring(path.begin(), path.end());
}

}  // namespace tolmeric::testing
