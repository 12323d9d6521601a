#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

class CTableStrings : public IStringSource {
 public:
  std::u16string LoadString(uint32_t id) const override {
    auto found = table.find(id);
    return found == table.end() ? std::u16string() : found->second;
  }
  std::map<uint32_t, std::u16string> table = {
      {133, u"----------- Scanne Ressourcen --------\r\n"},
      {114, u"!Fehler bei Control in Dialog!"},
      {150, u"!%i weitere Meldungen nicht aufgef\u00FChrt: das Protokoll ist voll!"},
  };
};

TEST(ProblemLog, FormatsTheRunOfTokensOnTheLine) {
  CRcTokenList list = CRcTokenList::FromBytes(u"app.rc", "A\nB \"q r\" C\nD");
  EXPECT_EQ(FormatProblemLine(list, 0), u"app.rc (1): A ");
  EXPECT_EQ(FormatProblemLine(list, 1), u"app.rc (2): B q r C ");
  EXPECT_EQ(FormatProblemLine(list, 3), u"app.rc (2): B q r C ");
  EXPECT_EQ(FormatProblemLine(list, 4), u"app.rc (3): D ");
}

TEST(ProblemLog, IndexOutsideTheListShowsTheEmptyToken) {
  CRcTokenList list = CRcTokenList::FromBytes(u"app.rc", "A");
  EXPECT_EQ(FormatProblemLine(list, 1), u" (0):  ");
  EXPECT_EQ(FormatProblemLine(list, -1), u" (0):  ");
  CTableStrings strings;
  CProblemLog log(strings);
  log.ReportProblem(114, list, 5);
  EXPECT_EQ(log.text, u"!Fehler bei Control in Dialog!\r\n-  (0):  \r\n");
}

TEST(ProblemLog, BeginAndReport) {
  CTableStrings strings;
  CProblemLog log(strings);
  log.Begin();
  CRcTokenList list = CRcTokenList::FromBytes(u"app.rc", "X\nCONTROL \"OK\", 1");
  log.ReportProblem(114, list, 2);
  log.ReportProblem(999, list, 0);
  EXPECT_EQ(log.text,
            u"----------- Scanne Ressourcen --------\r\n"
            u"!Fehler bei Control in Dialog!\r\n- app.rc (2): CONTROL OK , 1 \r\n"
            u"\r\n- app.rc (1): X \r\n");
  EXPECT_EQ(log.problemCount(), 2);
}

// A message about a token of the second script names that script. The run
// compares line numbers only, so it reaches back into the first script
// when the line numbers meet.
TEST(ProblemLog, TwoScriptsInOneList) {
  CRcTokenList list = CRcTokenList::FromBytes(u"one.rc", "A\nB C");
  list.AppendList(CRcTokenList::FromBytes(u"two.rc", "D E\nF"));
  EXPECT_EQ(FormatProblemLine(list, 3), u"two.rc (1): D E ");
  EXPECT_EQ(FormatProblemLine(list, 5), u"two.rc (2): F ");
  CRcTokenList joined = CRcTokenList::FromBytes(u"one.rc", "A\nB");
  joined.AppendList(CRcTokenList::FromBytes(u"two.rc", "\nC"));
  EXPECT_EQ(FormatProblemLine(joined, 2), u"two.rc (2): B C ");
}

// Past either limit messages are counted, and the last line says how many
// were left out; the log stays whole after every message.
TEST(ProblemLog, StopsWritingAtItsLimit) {
  const std::u16string message = u"!Fehler bei Control in Dialog!\r\n- app.rc (1): A B \r\n";
  struct Case {
    ProblemLogLimits limits;
    int reports;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {{3, 1000}, 3, message + message + message},
      {{2, 1000}, 5,
       message + message + u"!3 weitere Meldungen nicht aufgef\u00FChrt: das Protokoll ist voll!\r\n"},
      {{100, message.size() * 2}, 3,
       message + u"!2 weitere Meldungen nicht aufgef\u00FChrt: das Protokoll ist voll!\r\n"},
  };
  CTableStrings strings;
  const CRcTokenList list = CRcTokenList::FromBytes(u"app.rc", "A B");
  for (const Case& c : cases) {
    CProblemLog log(strings, c.limits);
    for (int i = 0; i < c.reports; ++i) log.ReportProblem(114, list, i % 2);
    EXPECT_EQ(log.text, c.expected) << c.limits.messages;
    EXPECT_EQ(log.problemCount(), c.reports);
  }
}

// The tokens of a long line are shown up to a fixed length, in every
// message about that line alike.
TEST(ProblemLog, CutsLongLines) {
  std::string line;
  for (int i = 0; i < 100; ++i) line += "ab" + std::to_string(i) + " ";
  const CRcTokenList list = CRcTokenList::FromBytes(u"long.rc", line);
  std::u16string shown;
  for (int i = 0; shown.size() < kMaxProblemLineText; ++i) {
    shown += u"ab" + FromAscii(std::to_string(i)) + u" ";
  }
  shown = u"long.rc (1): " + shown.substr(0, kMaxProblemLineText) + u"...";
  EXPECT_EQ(FormatProblemLine(list, 0), shown);
  EXPECT_EQ(FormatProblemLine(list, 99), shown);
  CTableStrings strings;
  CProblemLog log(strings);
  log.ReportProblem(114, list, 50);
  log.ReportProblem(114, list, 7);
  EXPECT_EQ(log.text, u"!Fehler bei Control in Dialog!\r\n- " + shown + u"\r\n" +
                          u"!Fehler bei Control in Dialog!\r\n- " + shown + u"\r\n");
}

}  // namespace
}  // namespace tolmeric
