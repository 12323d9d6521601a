#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/MessageBox.h"
#include "framework/String.h"
#include "framework/WinApp.h"

namespace tolmeric {
namespace {

std::wstring ProfilePath() {
  return (std::filesystem::temp_directory_path() /
          ("tolmeric-framework-" + std::to_string(::GetCurrentProcessId()) + ".ini"))
      .wstring();
}

TEST(StringTest, ResourceIdentifiersLoadAndTextsCopy) {
  EXPECT_EQ(CString(MAKEINTRESOURCEW(1)), L"Hello from the resources");
  EXPECT_EQ(CString(L"Hello"), L"Hello");
  EXPECT_TRUE(CString(static_cast<LPCTSTR>(nullptr)).IsEmpty());
  EXPECT_TRUE(CString(MAKEINTRESOURCEW(77)).IsEmpty());

  CString text(L"keep");
  EXPECT_FALSE(text.LoadString(77));
  EXPECT_TRUE(text.IsEmpty());
  // A string longer than any fixed buffer loads whole.
  EXPECT_TRUE(text.LoadString(2));
  EXPECT_EQ(text.GetLength(), 280);
  EXPECT_EQ(std::wstring(text).substr(270), L"0123456789");
}

TEST(StringTest, ComparesExactlyAndAppends) {
  CString text(L"Datei");
  text += L' ';
  text += L"öffnen";
  EXPECT_EQ(text, L"Datei öffnen");
  EXPECT_FALSE(text == L"datei öffnen");
  EXPECT_TRUE(CString(L"a") < CString(L"b"));
  EXPECT_TRUE(CString(L"a") < L"b");
  EXPECT_TRUE(L"a" < CString(L"b"));
  EXPECT_EQ(CString(L'x', 3), L"xxx");
  EXPECT_EQ(CString(L"abcdef", 3), L"abc");
}

TEST(WinAppTest, ProfileRoundTripsThroughTheInitialisationFile) {
  CWinApp app(L"Demo");
  EXPECT_EQ(AfxGetApp(), &app);
  EXPECT_STREQ(app.m_pszAppName, L"Demo");
  EXPECT_EQ(std::wstring(app.m_pszProfileName), std::wstring(app.m_pszExeName) + L".INI");
  EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleW(nullptr));

  const std::wstring path = ProfilePath();
  app.m_pszProfileName = path.c_str();
  std::filesystem::remove(path);
  EXPECT_EQ(app.GetProfileString(L"Language", L"LastTraFile", L"default.tra"), L"default.tra");
  EXPECT_EQ(app.GetProfileString(L"Language", L"LastTraFile"), L"");

  ASSERT_TRUE(app.WriteProfileString(L"Language", L"LastTraFile", L"C:\\Sprachen\\en.tra"));
  EXPECT_EQ(app.GetProfileString(L"Language", L"LastTraFile", L"default.tra"),
            L"C:\\Sprachen\\en.tra");
  const std::wstring longValue(5000, L'v');
  ASSERT_TRUE(app.WriteProfileString(L"Language", L"Long", longValue.c_str()));
  EXPECT_EQ(std::wstring(app.GetProfileString(L"Language", L"Long")), longValue);
  std::filesystem::remove(path);
}

// Records what the command line said, parameter by parameter.
class CRecordingCommandLine : public CCommandLineInfo {
 public:
  void ParseParam(LPCTSTR param, BOOL flag, BOOL last) override {
    CCommandLineInfo::ParseParam(param, flag, last);
    seen += std::wstring(flag ? L"flag " : L"") + param + (last ? L" (last)" : L"") + L";";
  }
  std::wstring seen;
};

TEST(WinAppTest, CommandLineAfterTheProgramName) {
  const struct {
    const wchar_t* commandLine;
    const wchar_t* tail;
    const wchar_t* params;
    const wchar_t* fileName;
  } cases[] = {
      {L"demo.exe", L"", L"", L""},
      {L"demo.exe   file.txt", L"file.txt", L"file.txt (last);", L"file.txt"},
      {L"\"C:\\Program Files\\demo.exe\" -lang \"de de.tra\" /x",
       L"-lang \"de de.tra\" /x", L"flag lang;de de.tra;flag x (last);", L"de de.tra"},
      {L"\"C:\\unterminated quote", L"", L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    std::wstring line = c.commandLine;
    EXPECT_STREQ(AfxCommandLineTail(line.data()), c.tail);
    CRecordingCommandLine info;
    AfxParseCommandLine(c.commandLine, info);
    EXPECT_EQ(info.seen, c.params);
    EXPECT_EQ(info.m_strFileName, c.fileName);
  }
}

TEST(MessageBoxTest, HandlerAnswersWithTextTypeAndHelpContext) {
  std::wstring seenText;
  UINT seenType = 0;
  UINT seenHelp = 0;
  AfxSetMessageBoxHandler([&](LPCTSTR text, UINT type, UINT help) {
    seenText = text;
    seenType = type;
    seenHelp = help;
    return IDNO;
  });
  EXPECT_EQ(AfxMessageBox(L"Speichern?", MB_YESNO, 5), IDNO);
  EXPECT_EQ(seenText, L"Speichern?");
  EXPECT_EQ(seenType, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(seenHelp, 5u);
  // A prompt by identifier: its text, and its identifier as help context.
  EXPECT_EQ(AfxMessageBox(1u, MB_OK), IDNO);
  EXPECT_EQ(seenText, L"Hello from the resources");
  EXPECT_EQ(seenHelp, 1u);
  AfxSetMessageBoxHandler({});
}

}  // namespace
}  // namespace tolmeric
