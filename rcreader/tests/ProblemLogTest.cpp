#include <gtest/gtest.h>

#include <map>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"

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

}  // namespace
}  // namespace tolmeric
