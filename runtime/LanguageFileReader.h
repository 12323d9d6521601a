// Opening a language file for the run-time module: through the platform, with
// the file layer's messages (a wrong magic) shown as the module's message
// boxes.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "translation/Archive.h"

namespace tolmeric {

// A path given as text (UTF-16) as the file system names it.
std::filesystem::path PathFromText(const std::u16string& text);

class IRuntimePlatform;

// A loading archive over the whole file at path, read through platform (by
// default the active module's). Throws CFileError when the file cannot be
// opened or read.
CArchive OpenLanguageFile(const std::u16string& path);
CArchive OpenLanguageFile(IRuntimePlatform& platform, const std::u16string& path);

// Runs read over the start of the language file at path, through the active
// module's platform: a header is read without loading the whole file. When
// read runs past the end of what was taken and the file goes on, it runs
// again over twice as much. Throws CFileError like OpenLanguageFile, and
// what read throws.
void ReadLanguageFileStart(const std::u16string& path, const std::function<void(CArchive&)>& read);

}  // namespace tolmeric
