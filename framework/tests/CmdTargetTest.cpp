#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/CmdTarget.h"

namespace tolmeric {
namespace {

// Records each handler call as "name id"; notification handlers also put
// the identifier into the result slot.
class CBaseTarget : public CCmdTarget {
 public:
  std::string log;

 protected:
  void Record(const char* name, UINT id) { log += std::string(name) + " " + std::to_string(id); }
  BOOL Answer(const char* name, UINT id, LRESULT* result, BOOL handled) {
    Record(name, id);
    *result = id;
    return handled;
  }
  void BaseOne() { Record("BaseOne", 1); }
  void BaseTwo() { Record("BaseTwo", 2); }
  void BaseRange(UINT id) { Record("BaseRange", id); }
  void BaseUpdateTwo(CCmdUI* state) { Record("BaseUpdateTwo", state->m_nID); }
  BOOL BaseTip(UINT id, NMHDR*, LRESULT* result) { return Answer("BaseTip", id, result, TRUE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
  ON_COMMAND(1, BaseOne)
  ON_COMMAND(2, BaseTwo)
  ON_COMMAND_RANGE(10, 19, BaseRange)
  ON_UPDATE_COMMAND_UI(2, BaseUpdateTwo)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, BaseTip)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
 protected:
  void DerivedOne() { Record("DerivedOne", 1); }
  void DerivedClick(NMHDR* header, LRESULT* result) {
    Record("DerivedClick", static_cast<UINT>(header->idFrom));
    *result = 5;
  }
  void DerivedDoubleRange(UINT id, NMHDR*, LRESULT* result) {
    Answer("DerivedDoubleRange", id, result, TRUE);
  }
  // Declines: the notification goes on to the next target.
  BOOL DerivedTipA(UINT id, NMHDR*, LRESULT* result) {
    return Answer("DerivedTipA", id, result, FALSE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
  ON_COMMAND(1, DerivedOne)
  ON_NOTIFY(NM_CLICK, 5, DerivedClick)
  ON_NOTIFY_RANGE(NM_DBLCLK, 100, 200, DerivedDoubleRange)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, DerivedTipA)
END_MESSAGE_MAP()

int Notification(UINT code) { return static_cast<int>(MAKELONG(code, WM_NOTIFY)); }

TEST(MessageMapTest, DerivedEntriesWinAndTheBaseMapIsStillSearched) {
  const struct {
    UINT id;
    int code;
    const char* expectedLog;
    BOOL expectedHandled;
    LRESULT expectedResult;
  } cases[] = {
      {1, CN_COMMAND, "DerivedOne 1", TRUE, -1},
      {2, CN_COMMAND, "BaseTwo 2", TRUE, -1},
      {3, CN_COMMAND, "", FALSE, -1},
      {9, CN_COMMAND, "", FALSE, -1},
      {10, CN_COMMAND, "BaseRange 10", TRUE, -1},
      {19, CN_COMMAND, "BaseRange 19", TRUE, -1},
      {20, CN_COMMAND, "", FALSE, -1},
      {2, CN_UPDATE_COMMAND_UI, "BaseUpdateTwo 2", TRUE, -1},
      {1, CN_UPDATE_COMMAND_UI, "", FALSE, -1},
      // A command with a control's notification code is not the command.
      {2, BN_DOUBLECLICKED, "", FALSE, -1},
      {0, Notification(TTN_NEEDTEXTW), "BaseTip 0", TRUE, 0},
      {0xFFFF, Notification(TTN_NEEDTEXTW), "BaseTip 65535", TRUE, 0xFFFF},
      {7, Notification(TTN_NEEDTEXTA), "DerivedTipA 7", FALSE, 7},
      {5, Notification(NM_CLICK), "DerivedClick 5", TRUE, 5},
      {6, Notification(NM_CLICK), "", FALSE, -1},
      {100, Notification(NM_DBLCLK), "DerivedDoubleRange 100", TRUE, 100},
      {200, Notification(NM_DBLCLK), "DerivedDoubleRange 200", TRUE, 200},
      {201, Notification(NM_DBLCLK), "", FALSE, -1},
      // The same number as a command is not a notification.
      {5, static_cast<int>(NM_CLICK), "", FALSE, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("id " + std::to_string(c.id) + " code " + std::to_string(c.code));
    CDerivedTarget target;
    LRESULT result = -1;
    NMHDR header{nullptr, c.id, static_cast<UINT>(LOWORD(c.code))};
    AFX_NOTIFY notify{&result, &header};
    CCmdUI state;
    state.m_nID = c.id;
    void* extra = HIWORD(c.code) == WM_NOTIFY        ? static_cast<void*>(&notify)
                  : c.code == CN_UPDATE_COMMAND_UI ? static_cast<void*>(&state)
                                                   : nullptr;
    EXPECT_EQ(target.OnCmdMsg(c.id, c.code, extra, nullptr), c.expectedHandled);
    EXPECT_EQ(target.log, c.expectedLog);
    EXPECT_EQ(result, c.expectedResult);

    // Asked only whether a handler exists, the target calls none.
    CDerivedTarget probed;
    AFX_CMDHANDLERINFO info{};
    EXPECT_EQ(probed.OnCmdMsg(c.id, c.code, extra, &info), *c.expectedLog != '\0');
    EXPECT_EQ(probed.log, "");
    EXPECT_EQ(info.pTarget, *c.expectedLog ? &probed : nullptr);
  }
}

}  // namespace
}  // namespace tolmeric
