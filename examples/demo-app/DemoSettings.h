// The editor's options, as the pages of the options sheet show them.
#pragma once

#include <string>

namespace demo {

struct CDemoSettings {
  // Editor page.
  bool wordWrap = false;
  bool autoIndent = true;
  unsigned tabWidth = 4;
  // Appearance page.
  unsigned fontSize = 10;
  bool lineNumbers = false;
  bool ruler = false;
  bool dark = false;
  // Files page.
  bool backup = true;
  bool autoSave = false;
  unsigned autoSaveMinutes = 10;
  std::wstring folder;
};

}  // namespace demo
