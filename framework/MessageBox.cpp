#include "framework/MessageBox.h"

#include <utility>

#include "framework/String.h"
#include "framework/WinApp.h"

namespace tolmeric {

namespace {

AfxMessageBoxHandler& Handler() {
  static AfxMessageBoxHandler handler;
  return handler;
}

UINT WithDefaultIcon(UINT type) {
  if ((type & MB_ICONMASK) != 0) return type;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return type | MB_ICONQUESTION;
    default:
      return type;
  }
}

}  // namespace

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
  if (Handler()) return Handler()(text, type, helpId);
  const CWinApp* app = AfxGetApp();
  const LPCTSTR caption = app && app->m_pszAppName ? app->m_pszAppName : L"";
  return ::MessageBoxW(::GetActiveWindow(), text, caption, WithDefaultIcon(type));
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  CString text;
  text.LoadString(promptId);
  // As the class library does, the prompt's identifier is the default help
  // context.
  return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? promptId : helpId);
}

}  // namespace tolmeric
