// A dialog template built in memory, as an application builds one instead of
// loading it from its resources: a caption and controls of the predefined
// classes (button, edit, static).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tolmeric::testing {

class CInMemoryTemplate {
 public:
  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;

  CInMemoryTemplate(const std::wstring& caption, DWORD style = WS_POPUP | WS_CAPTION |
                                                               WS_SYSMENU | DS_MODALFRAME |
                                                               DS_SETFONT) {
    Add<DWORD>(style);
    Add<DWORD>(0);
    countAt_ = words_.size();
    Add<WORD>(0);
    for (short value : {10, 10, 200, 120}) Add<short>(value);
    Add<WORD>(0);  // no menu
    Add<WORD>(0);  // the dialog class
    AddText(caption);
    if (style & DS_SETFONT) {
      Add<WORD>(8);
      AddText(L"MS Shell Dlg");
    }
  }

  CInMemoryTemplate& Control(WORD classAtom, WORD id, const std::wstring& text,
                             DWORD style = WS_CHILD | WS_VISIBLE) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
    Add<DWORD>(style);
    Add<DWORD>(0);
    const short y = static_cast<short>(5 + 14 * words_[countAt_]);
    for (short value : {short{5}, y, short{120}, short{12}}) Add<short>(value);
    Add<WORD>(id);
    Add<WORD>(0xFFFF);
    Add<WORD>(classAtom);
    AddText(text);
    Add<WORD>(0);  // no creation data
    ++words_[countAt_];
    return *this;
  }

  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(words_.data()); }

 private:
  template <typename T>
  void Add(T value) {
    static_assert(sizeof(T) % sizeof(WORD) == 0);
    const WORD* parts = reinterpret_cast<const WORD*>(&value);
    words_.insert(words_.end(), parts, parts + sizeof(T) / sizeof(WORD));
  }
  void AddText(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  // WORDs, so the template is aligned as the dialog manager requires.
  std::vector<WORD> words_;
  size_t countAt_ = 0;
};

}  // namespace tolmeric::testing
