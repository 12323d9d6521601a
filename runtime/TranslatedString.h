// A string that is translated when it is loaded from a string resource: made
// from a resource identifier in pointer form it loads that string and
// translates it; made from a literal text it copies the text unchanged.
// Derived from the framework's string class, with no data of its own.
#pragma once

#include <cstdint>
#include <string>

#ifdef _WIN32
#include "framework/String.h"
#endif

namespace tolmeric {

#ifdef _WIN32

class CTranslatedString : public CString {
 public:
  CTranslatedString() = default;
  // A text, or a string resource identifier (MAKEINTRESOURCE).
  CTranslatedString(LPCTSTR textOrId);
};

#else

// The identifier of a string resource in pointer form: a pointer whose value
// is the identifier, as the framework's string class accepts it.
inline const char16_t* StringResourceId(uint16_t id) {
  return reinterpret_cast<const char16_t*>(static_cast<uintptr_t>(id));
}

class CTranslatedString : public std::u16string {
 public:
  CTranslatedString() = default;
  // A text, or a string resource identifier (StringResourceId). A null
  // pointer gives an empty string.
  CTranslatedString(const char16_t* textOrId);
};

#endif

}  // namespace tolmeric
