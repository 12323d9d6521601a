// The framework's font: owns a GDI font and deletes it with itself.
#pragma once

#include <windows.h>

namespace tolmeric {

class CFont {
 public:
  CFont() = default;
  ~CFont() { DeleteObject(); }
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  // The font of the given height, width, weight, character set and face
  // name, with the remaining attributes as given.
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                  BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                  BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
  BOOL CreateFontIndirect(const LOGFONTW* logFont);
  BOOL DeleteObject();

  operator HFONT() const { return m_hObject; }
  HFONT GetSafeHandle() const { return m_hObject; }

  HFONT m_hObject = nullptr;
};

}  // namespace tolmeric
