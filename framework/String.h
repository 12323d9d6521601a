// The framework's string class: a wide string that can load itself from the
// application's string resources.
#pragma once

#include <string>

#include <windows.h>

namespace tolmeric {

class CString {
 public:
  CString() = default;
  // A text, or a string resource identifier in pointer form
  // (MAKEINTRESOURCE: not null, upper 16 bits zero), which loads that string.
  // A null pointer gives an empty string.
  CString(LPCTSTR text);
  CString(LPCTSTR text, int length);
  CString(TCHAR ch, int repeat = 1);
  explicit CString(std::wstring text) : text_(std::move(text)) {}

  // Loads the string resource id from the resource module; FALSE (and empty)
  // when there is none.
  BOOL LoadString(UINT id);

  int GetLength() const { return static_cast<int>(text_.size()); }
  BOOL IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  operator LPCTSTR() const { return text_.c_str(); }
  const std::wstring& str() const { return text_; }

  CString& operator=(LPCTSTR text);
  CString& operator+=(LPCTSTR text);
  CString& operator+=(const CString& text);
  CString& operator+=(TCHAR ch);

  int Compare(LPCTSTR text) const { return text_.compare(text ? text : L""); }

  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
  friend bool operator<(const CString& a, const CString& b) { return a.text_ < b.text_; }
  friend bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
  friend bool operator<(LPCTSTR a, const CString& b) { return b.Compare(a) > 0; }

 private:
  std::wstring text_;
};

// Part index of fullString, parts separated by separator, into result.
// FALSE (and result empty) when there are fewer parts.
BOOL AfxExtractSubString(CString& result, LPCTSTR fullString, int index, TCHAR separator = L'\n');

}  // namespace tolmeric
