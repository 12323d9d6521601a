#include "runtime/FlagBitmap.h"

#include "runtime/LanguageFileReader.h"
#include "runtime/RuntimeModule.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"

namespace tolmeric {

HBITMAP GetCurrentFlagBitmap(HDC dc) {
  const CRuntimeState& state = RuntimeState();
  return state.currentData ? state.currentData->CreateFlagBitmap(dc) : nullptr;
}

HBITMAP ReadFlagBitmap(const std::u16string& path, HDC dc) {
  try {
    CLanguageData data;
    ReadLanguageFileStart(path,
                          [&data](CArchive& archive) { data.SerializeHeaderAndFlag(archive); });
    return data.CreateFlagBitmap(dc);
  } catch (const CFileError&) {
    return nullptr;
  }
}

}  // namespace tolmeric
