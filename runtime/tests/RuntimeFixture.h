// A module of its own on a host platform for every test case, and the
// module's English messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <memory>

#include "runtime/HostPlatform.h"
#include "runtime/RuntimeModule.h"
#include "runtime/tests/LanguageFiles.h"
#include "translation/Utf.h"

namespace tolmeric::testing {

class RuntimeFixture : public ::testing::Test {
 protected:
  void SetUp() override { ResetModule(); }

  // A whole new module, active from now on; the old one is dropped.
  void ResetModule() {
    module_.reset();
    module_ = std::make_unique<CRuntimeModule>(platform_);
    module_->Activate();
  }

  // Writes a language file into the test's folder and returns its path.
  std::u16string Write(const std::string& name, const LanguageRecipe& recipe) {
    const std::u16string path = folder_.File(name);
    auto data = MakeLanguage(recipe);
    WriteLanguageFile(path, *data);
    return path;
  }

  // The texts of the message boxes shown so far, in UTF-8 for readable
  // failures.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform_.Messages()) texts.push_back(ToUtf8(message.text));
    return texts;
  }

  CHostPlatform platform_;
  CTempFolder folder_;
  std::unique_ptr<CRuntimeModule> module_;
};

inline std::string MissingFileMessage(const std::u16string& file) {
  return ToUtf8(u"The translation file " + file +
         u" doesn't exist.\nThe program will run in the original language.\nPlease place the "
         u"file " +
         file + u" in the proper location\nto enable the Lexivane System.");
}

inline std::string NoAutomaticFeatureMessage(const std::u16string& file) {
  return ToUtf8(u"This application was build using the automatic feature\nof Lexivane, but the "
         u"translation file " +
         file +
         u"\ndoesn't support the automatic feature.\nThe language switch dialog will not be "
         u"shown.");
}

inline std::string ProfileFileMissingMessage(const std::u16string& profileFile,
                                                const std::u16string& defaultFile) {
  return ToUtf8(u"Warning!\nThe translation file " + profileFile +
         u",\nspecified in the INI / Registry, doesn't exist.\n\nThe Standard translation "
         u"file " +
         defaultFile + u" is used instead.");
}

}  // namespace tolmeric::testing
