#include "runtime/TranslatedString.h"

#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"

namespace tolmeric {

namespace {

// A resource identifier in pointer form: not null, upper bits zero.
bool IsResourceId(const void* pointer) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(pointer);
  return value != 0 && (value >> 16) == 0;
}

}  // namespace

#ifdef _WIN32

CTranslatedString::CTranslatedString(LPCTSTR textOrId) : CString(textOrId) {
  if (!IsResourceId(textOrId)) return;
  const LPCTSTR loaded = *this;
  std::u16string text(reinterpret_cast<const char16_t*>(loaded),
                      static_cast<size_t>(GetLength()));
  if (TranslateString(text)) {
    static_cast<CString&>(*this) =
        CString(reinterpret_cast<LPCTSTR>(text.c_str()), static_cast<int>(text.size()));
  }
}

#else

CTranslatedString::CTranslatedString(const char16_t* textOrId) {
  if (!textOrId) return;
  if (!IsResourceId(textOrId)) {
    assign(textOrId);
    return;
  }
  assign(RuntimePlatform().LoadResourceString(
      static_cast<uint32_t>(reinterpret_cast<uintptr_t>(textOrId))));
  TranslateString(*this);
}

#endif

}  // namespace tolmeric
