// The process's folders and files through the standard library: the
// command-line front end and the tests use it where the tool uses Win32.
#pragma once

#include "app/ProjectSession.h"

namespace tolmeric {

class CHostToolFiles : public IToolFiles {
 public:
  std::u16string CurrentFolder() override;
  void SetCurrentFolder(const std::u16string& folder) override;
  bool FileExists(const std::u16string& name) override;
};

}  // namespace tolmeric
