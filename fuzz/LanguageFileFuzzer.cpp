// Language files come from translators and from disks: any bytes must load
// or fail with a file error. A loaded file is also stored again, loaded
// back, and merged onto itself as a language switch does.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/LanguageData.h"
#include "translation/MessageSink.h"

namespace {

std::unique_ptr<tolmeric::CLanguageData> Load(std::vector<uint8_t> bytes) {
  tolmeric::CArchive archive = tolmeric::CArchive::ForLoading(std::move(bytes), "fuzz.tra");
  tolmeric::CRecordingSink sink;
  archive.SetMessageSink(&sink);
  auto data = std::make_unique<tolmeric::CLanguageData>();
  data->Serialize(archive);
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<tolmeric::CLanguageData> loaded;
  try {
    loaded = Load(std::vector<uint8_t>(data, data + size));
  } catch (const tolmeric::CFileError&) {
    return 0;
  }
  if (!loaded->root) return 0;
  tolmeric::CArchive out = tolmeric::CArchive::ForStoring("fuzz.tra");
  loaded->Serialize(out);
  // What was stored loads back (a file error here is a finding).
  auto again = Load(out.Bytes());
  if (again->root->CountNodes() != loaded->root->CountNodes()) __builtin_trap();
  again->AdoptReference(*loaded);
  return 0;
}
