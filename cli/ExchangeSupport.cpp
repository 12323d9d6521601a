#include "cli/ExchangeSupport.h"

#include <cstdio>

#include "cli/ProgressBar.h"
#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/PoFile.h"
#include "translation/Project.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

namespace {

namespace fs = std::filesystem;

// The magic a language file starts with, as its archive string.
std::string LanguageMagic() {
  CArchive archive = CArchive::ForStoring("magic");
  archive.WriteString(u"_LEXIVANE__LANGUAGE_FILE_");
  return std::string(archive.Bytes().begin(), archive.Bytes().end());
}

std::unique_ptr<CLanguageData> ScanProject(const std::string& argument, CCliSession& session,
                                           SourcePlaces* places) {
  CRecordingSink sink(&session);
  const fs::path projectFile = fs::absolute(ArgPath(argument));
  std::unique_ptr<CProject> project = LoadProjectFile(projectFile, &sink);
  if (sink.shown) {
    throw CFileError(FileErrorKind::kBadData, projectFile, "its language file is damaged");
  }
  const std::unique_ptr<CLanguageData> header = project->languageData->Copy();
  const fs::path previousFolder = fs::current_path();
  fs::current_path(projectFile.parent_path());
  try {
    CProgressBar progress(stderr);
    project->BuildLanguageData(&progress, nullptr, places);
    progress.Finish();
  } catch (...) {
    std::error_code ignored;
    fs::current_path(previousFolder, ignored);
    throw;
  }
  fs::current_path(previousFolder);
  std::unique_ptr<CLanguageData> data = std::move(project->languageData);
  data->programName = header->programName;
  data->programVersion = header->programVersion;
  data->languageName = header->languageName;
  return data;
}

}  // namespace

int ReportingFileErrors(const std::function<int()>& work) {
  try {
    return work();
  } catch (const CFormatError& error) {
    CCliSession::PrintError(error.what());
  } catch (const CFileError& error) {
    CCliSession::PrintError(error.what());
  } catch (const CContextTooLong& error) {
    CCliSession::PrintError(error.what());
  }
  return kExitFailure;
}

bool IsLanguageFileContent(const std::string& bytes) {
  static const std::string magic = LanguageMagic();
  return bytes.compare(0, magic.size(), magic) == 0;
}

std::string ReadTextArgument(const std::string& argument) {
  std::vector<uint8_t> bytes = ReadWholeFile(ArgPath(argument));
  return std::string(bytes.begin(), bytes.end());
}

std::unique_ptr<CLanguageData> LoadLanguageArgument(const std::string& argument,
                                                    CCliSession& session) {
  CRecordingSink sink(&session);
  std::unique_ptr<CLanguageData> data = LoadLanguageFile(ArgPath(argument), &sink);
  if (sink.shown || !data->root) {
    throw CFileError(FileErrorKind::kBadData, ArgPath(argument), "not a language file with texts");
  }
  return data;
}

std::unique_ptr<CLanguageData> LoadLanguageOrProject(const std::string& argument,
                                                     CCliSession& session,
                                                     SourcePlaces* places) {
  if (IsLanguageFileContent(ReadTextArgument(argument))) {
    return LoadLanguageArgument(argument, session);
  }
  return ScanProject(argument, session, places);
}

}  // namespace tolmeric::cli
