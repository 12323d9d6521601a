#include "framework/Font.h"

namespace tolmeric {

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       LPCTSTR faceName) {
  DeleteObject();
  m_hObject = ::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                            strikeOut, charSet, outPrecision, clipPrecision, quality,
                            pitchAndFamily, faceName);
  return m_hObject != nullptr;
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) {
  DeleteObject();
  m_hObject = ::CreateFontIndirectW(logFont);
  return m_hObject != nullptr;
}

BOOL CFont::DeleteObject() {
  if (!m_hObject) return FALSE;
  const BOOL deleted = ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  return deleted;
}

}  // namespace tolmeric
