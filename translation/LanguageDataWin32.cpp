// The flag image as a Windows bitmap.
#include "translation/LanguageData.h"

namespace tolmeric {

namespace {

// A memory device context compatible with dc with one bitmap selected into
// it for the lifetime of the object.
class CSelectedBitmap {
 public:
  CSelectedBitmap(HDC dc, HBITMAP bitmap) : memory_(CreateCompatibleDC(dc)) {
    if (memory_ != nullptr) previous_ = SelectObject(memory_, bitmap);
  }
  ~CSelectedBitmap() {
    if (memory_ == nullptr) return;
    if (previous_ != nullptr) SelectObject(memory_, previous_);
    DeleteDC(memory_);
  }
  CSelectedBitmap(const CSelectedBitmap&) = delete;
  CSelectedBitmap& operator=(const CSelectedBitmap&) = delete;

  bool IsValid() const { return memory_ != nullptr && previous_ != nullptr; }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(memory_, x, y); }
  COLORREF SetPixel(int x, int y, COLORREF colour) { return ::SetPixel(memory_, x, y, colour); }

 private:
  HDC memory_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace

// Pixels outside the bitmap read as 0, as in SetFlagFromPixels.
void CLanguageData::SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int32_t x, int32_t y) {
  CSelectedBitmap source(dc, bitmap);
  for (int32_t row = 0; row < kFlagSize; ++row) {
    for (int32_t column = 0; column < kFlagSize; ++column) {
      COLORREF colour = source.IsValid() ? source.GetPixel(x + column, y + row) : CLR_INVALID;
      flagImage[row * kFlagSize + column] = colour == CLR_INVALID ? 0 : colour;
    }
  }
}

HBITMAP CLanguageData::CreateFlagBitmap(HDC dc) const {
  HBITMAP bitmap = CreateCompatibleBitmap(dc, kFlagSize, kFlagSize);
  if (bitmap == nullptr) return nullptr;
  CSelectedBitmap target(dc, bitmap);
  if (!target.IsValid()) {
    DeleteObject(bitmap);
    return nullptr;
  }
  for (int32_t row = 0; row < kFlagSize; ++row) {
    for (int32_t column = 0; column < kFlagSize; ++column) {
      target.SetPixel(column, row, flagImage[row * kFlagSize + column]);
    }
  }
  return bitmap;
}

}  // namespace tolmeric
