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

CMessageBoxSink& MessageBoxSink() {
  static CMessageBoxSink sink;
  return sink;
}

// Enough for the header and the flag of any language file with header texts
// of ordinary length.
constexpr size_t kFirstStartBytes = size_t{16} << 10;

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
  const std::filesystem::path file = PathFromText(path);
  // Refused before the platform opens it: a device or a pipe would never
  // end, a huge file would take the application's memory.
  CheckInputFile(file, kMaxLanguageFileBytes);
  CArchive archive = CArchive::ForLoading(platform.ReadFile(file), file);
  archive.SetMessageSink(&MessageBoxSink());
  return archive;
}

void ReadLanguageFileStart(const std::u16string& path,
                           const std::function<void(CArchive&)>& read) {
  IRuntimePlatform& platform = RuntimePlatform();
  const std::filesystem::path file = PathFromText(path);
  CheckInputFile(file, kMaxLanguageFileBytes);
  for (size_t byteCount = kFirstStartBytes;; byteCount *= 2) {
    std::vector<uint8_t> bytes = platform.ReadFileStart(file, byteCount);
    const bool wholeFile = bytes.size() < byteCount || byteCount >= kMaxLanguageFileBytes;
    CArchive archive = CArchive::ForLoading(std::move(bytes), file);
    archive.SetMessageSink(&MessageBoxSink());
    try {
      read(archive);
      return;
    } catch (const CFileError& error) {
      if (wholeFile || error.Kind() != FileErrorKind::kEndOfFile) throw;
    }
  }
}

}  // namespace tolmeric
