// Project files are read from disk: any bytes must load or fail with a file
// error, never crash or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/Project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tolmeric::CArchive archive =
      tolmeric::CArchive::ForLoading(std::vector<uint8_t>(data, data + size), "fuzz.lxp");
  tolmeric::CRecordingSink sink;
  archive.SetMessageSink(&sink);
  tolmeric::CProject project;
  try {
    project.Serialize(archive);
  } catch (const tolmeric::CFileError&) {
    return 0;
  }
  project.FileTitle();
  project.TestLanguageFileName();
  tolmeric::CArchive out = tolmeric::CArchive::ForStoring("fuzz.lxp");
  project.Serialize(out);
  return 0;
}
