// The process's current folder and file search on Windows.
#pragma once

#include "app/ProjectSession.h"

namespace tolmeric {

class CWin32ToolFiles : public IToolFiles {
 public:
  std::u16string CurrentFolder() override;
  void SetCurrentFolder(const std::u16string& folder) override;
  bool FileExists(const std::u16string& name) override;
};

}  // namespace tolmeric
