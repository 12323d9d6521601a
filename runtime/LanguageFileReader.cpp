#include "runtime/LanguageFileReader.h"

#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "translation/MessageSink.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

class CMessageBoxSink : public IMessageSink {
 public:
  void ShowMessage(const std::u16string& message) override { TextMessageBox(message, 0, 0); }
};

}  // namespace

std::filesystem::path PathFromText(const std::u16string& text) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
  return std::filesystem::path(ToUtf8(text));
#endif
}

CArchive OpenLanguageFile(const std::u16string& path) {
  return OpenLanguageFile(RuntimePlatform(), path);
}

CArchive OpenLanguageFile(IRuntimePlatform& platform, const std::u16string& path) {
  static CMessageBoxSink sink;
  const std::filesystem::path file = PathFromText(path);
  // Refused before the platform opens it: a device or a pipe would never
  // end, a huge file would take the application's memory.
  CheckInputFile(file, kMaxLanguageFileBytes);
  CArchive archive = CArchive::ForLoading(platform.ReadFile(file), file);
  archive.SetMessageSink(&sink);
  return archive;
}

}  // namespace tolmeric
