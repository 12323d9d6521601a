#include "framework/String.h"

#include <string_view>

#include "framework/WinApp.h"

namespace tolmeric {

namespace {

bool IsResourceId(LPCTSTR text) {
  const auto value = reinterpret_cast<ULONG_PTR>(text);
  return value != 0 && (value >> 16) == 0;
}

}  // namespace

CString::CString(LPCTSTR text) {
  if (IsResourceId(text)) {
    LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
  } else if (text) {
    text_ = text;
  }
}

CString::CString(LPCTSTR text, int length) {
  if (text && length > 0) text_.assign(text, static_cast<size_t>(length));
}

CString::CString(TCHAR ch, int repeat) {
  if (repeat > 0) text_.assign(static_cast<size_t>(repeat), ch);
}

BOOL CString::LoadString(UINT id) {
  text_.clear();
  // With a buffer size of 0 the call hands out a pointer into the resource
  // itself, so strings of any length load whole.
  LPCWSTR resource = nullptr;
  const int length = ::LoadStringW(AfxGetResourceHandle(), id,
                                   reinterpret_cast<LPWSTR>(&resource), 0);
  if (length <= 0 || !resource) return FALSE;
  text_.assign(resource, static_cast<size_t>(length));
  return TRUE;
}

CString& CString::operator=(LPCTSTR text) {
  *this = CString(text);
  return *this;
}

CString& CString::operator+=(LPCTSTR text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(const CString& text) {
  text_ += text.text_;
  return *this;
}

CString& CString::operator+=(TCHAR ch) {
  text_ += ch;
  return *this;
}

BOOL AfxExtractSubString(CString& result, LPCTSTR fullString, int index, TCHAR separator) {
  result.Empty();
  if (!fullString || index < 0) return FALSE;
  const std::wstring_view text(fullString);
  size_t start = 0;
  for (int part = 0; part < index; ++part) {
    start = text.find(separator, start);
    if (start == std::wstring_view::npos) return FALSE;
    ++start;
  }
  const size_t end = text.find(separator, start);
  const std::wstring_view found =
      text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
  result = CString(found.data(), static_cast<int>(found.size()));
  return TRUE;
}

}  // namespace tolmeric
