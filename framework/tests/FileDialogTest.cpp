// The chosen files of a file dialog as the platform leaves them in the
// buffer: one full path, or a folder and several names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/FileDialog.h"

namespace tolmeric {
namespace {

TEST(FileDialog, ChosenFilesFromTheBuffer) {
  const struct {
    DWORD flags;
    std::wstring buffer;  // as the dialog fills it, '\0' between names
    std::vector<std::wstring> expected;
  } kCases[] = {
      {OFN_ALLOWMULTISELECT, std::wstring(L"C:\\Work\\app.rc\0\0", 16), {L"C:\\Work\\app.rc"}},
      {OFN_ALLOWMULTISELECT, std::wstring(L"C:\\Work\0a.rc\0b.rc\0\0", 19),
       {L"C:\\Work\\a.rc", L"C:\\Work\\b.rc"}},
      {OFN_ALLOWMULTISELECT, std::wstring(L"C:\\\0a.rc\0b.rc\0\0", 15), {L"C:\\a.rc", L"C:\\b.rc"}},
      // Without multiple selection the rest of a longer initial name stays.
      {0, std::wstring(L"C:\\x.lxp\0p\0\0", 12), {L"C:\\x.lxp"}},
      {OFN_ALLOWMULTISELECT, std::wstring(L"\0\0", 2), {}},
  };
  for (const auto& c : kCases) {
    CFileDialog dialog(TRUE, nullptr, nullptr, c.flags);
    std::copy(c.buffer.begin(), c.buffer.end(), dialog.m_ofn.lpstrFile);
    std::vector<std::wstring> chosen;
    for (POSITION position = dialog.GetStartPosition(); position != nullptr;) {
      chosen.emplace_back(static_cast<LPCTSTR>(dialog.GetNextPathName(position)));
    }
    EXPECT_EQ(chosen, c.expected) << c.buffer.size();
    EXPECT_EQ(std::wstring(static_cast<LPCTSTR>(dialog.GetPathName())),
              c.expected.empty() ? L"" : c.expected.front());
  }
}

}  // namespace
}  // namespace tolmeric
