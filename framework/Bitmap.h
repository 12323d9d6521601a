// GDI objects owned by their framework object: the object deletes what it
// holds when it is destroyed. A bitmap is the one kind the widgets need.
#pragma once

#include <windows.h>

#include "framework/Object.h"

namespace tolmeric {

class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)

 public:
  CGdiObject() = default;
  ~CGdiObject() override { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  // Takes object over; FALSE when this holds one already or object is null.
  BOOL Attach(HGDIOBJ object);
  // Gives the object up without deleting it.
  HGDIOBJ Detach();
  // Deletes the held object; FALSE when there is none.
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  int GetObject(int size, LPVOID buffer) const { return ::GetObjectW(m_hObject, size, buffer); }

  HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)

 public:
  CBitmap() = default;

  // The bitmap resource id of the resource module; FALSE when it cannot be
  // loaded or this holds a bitmap already.
  BOOL LoadBitmap(UINT resourceId);
  int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

}  // namespace tolmeric
