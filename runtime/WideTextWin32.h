// The module's texts (UTF-16 in std::u16string) at the Win32 boundary, where
// the same code units are wchar_t.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/String.h"

namespace tolmeric {

inline LPCWSTR Wide(const std::u16string& text) {
  return reinterpret_cast<LPCWSTR>(text.c_str());
}

inline std::u16string FromWide(LPCWSTR text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// A null pointer gives an empty text.
inline std::u16string FromWide(LPCWSTR text) {
  return text ? FromWide(text, std::wcslen(text)) : std::u16string();
}

inline std::u16string FromWide(const CString& text) {
  return FromWide(text, static_cast<size_t>(text.GetLength()));
}

inline CString ToCString(const std::u16string& text) {
  return CString(std::wstring(text.begin(), text.end()));
}

}  // namespace tolmeric
