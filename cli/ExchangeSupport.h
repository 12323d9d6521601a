// What the exchange commands share: reading their inputs by content.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "cli/CliSession.h"
#include "translation/ExchangeEntry.h"
#include "translation/LanguageData.h"

namespace tolmeric::cli {

// A language file, or a project file whose scripts are scanned (relative to
// the project's folder) into its language data; by content, not by name.
// With places, a project's scan notes where each text stands. CFileError
// for a file that is neither.
std::unique_ptr<CLanguageData> LoadLanguageOrProject(const std::string& argument,
                                                     CCliSession& session,
                                                     SourcePlaces* places = nullptr);

// A language file; CFileError kBadData when it is none.
std::unique_ptr<CLanguageData> LoadLanguageArgument(const std::string& argument,
                                                    CCliSession& session);

// The whole file as text.
std::string ReadTextArgument(const std::string& argument);

// Runs a command's work; a file that cannot be read or written, or that is
// malformed, is reported and gives exit status 1.
int ReportingFileErrors(const std::function<int()>& work);

// True when the file starts as a language file does.
bool IsLanguageFileContent(const std::string& bytes);

}  // namespace tolmeric::cli
