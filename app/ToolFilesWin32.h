// The process's current folder and file search on Windows.
#pragma once

#include "app/ProjectSession.h"

namespace tolmeric {

class CToolFilesWin32 : public IToolFiles {
 public:
  std::u16string CurrentFolder() override;
  void SetCurrentFolder(const std::u16string& folder) override;
  bool FileExists(const std::u16string& name) override;
};

}  // namespace tolmeric
