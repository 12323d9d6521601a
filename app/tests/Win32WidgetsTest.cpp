// The widgets on a real desktop: hover images and tips of a bitmap button,
// the tree view and the file lists, the flag window, and the flag selection
// and information dialogs driven as a user would drive them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/FlagChoice.h"
#include "app/FlagDialog.h"
#include "app/FlagStatic.h"
#include "app/HoverBitmapButton.h"
#include "app/NameListCtrl.h"
#include "app/ScriptListCtrl.h"
#include "app/TextTreeView.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/Win32TestSupport.h"
#include "translation/Project.h"

namespace tolmeric::testing {
namespace {

// The hover button's images (WidgetsTest.rc), one colour each.
constexpr UINT kNormalImage = 9001;
constexpr UINT kPressedImage = 9002;
constexpr UINT kHotImage = 9003;
constexpr UINT kDisabledImage = 9004;
constexpr COLORREF kNormal = RGB(255, 0, 0);
constexpr COLORREF kPressed = RGB(0, 160, 0);
constexpr COLORREF kHot = RGB(0, 0, 255);
constexpr COLORREF kDisabled = RGB(96, 96, 96);
// The save button of the language file and its tip.
constexpr UINT kSaveLanguageFile = 1030;
constexpr UINT kSaveLanguageFileTip = 117;

// The pixels, row by row, that draw leaves on a square of size pixels of
// light grey.
std::vector<COLORREF> DrawnPixels(int size, const std::function<void(HDC)>& draw) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP surface = ::CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = ::SelectObject(memory, surface);
  const RECT all{0, 0, size, size};
  HBRUSH grey = ::CreateSolidBrush(RGB(192, 192, 192));
  ::FillRect(memory, &all, grey);
  ::DeleteObject(grey);
  draw(memory);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) pixels.push_back(::GetPixel(memory, x, y));
  }
  ::SelectObject(memory, old);
  ::DeleteObject(surface);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

// The colour in the middle of what a window paints into a given context.
COLORREF PaintedColour(HWND window) {
  return DrawnPixels(30, [&](HDC dc) {
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  })[15 * 30 + 15];
}

std::wstring Text(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
  ::GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

// A visible top-level window that records what its bitmap button looks like
// when the button reports a click.
class CTestParent : public CWnd {
 public:
  CHoverBitmapButton button;
  std::vector<COLORREF> colourAtClick;

 protected:
  void OnClicked() { colourAtClick.push_back(PaintedColour(button.m_hWnd)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
  ON_COMMAND(kSaveLanguageFile, OnClicked)
END_MESSAGE_MAP()

class Win32WidgetsTest : public CWin32ModuleTest {
 protected:
  Win32WidgetsTest() {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    parent_.CreateEx(0, AfxFrameWindowClass(), L"widgets", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                     nullptr, nullptr);
  }

  void MakeButton() {
    const RECT rect{10, 10, 40, 40};
    ASSERT_TRUE(parent_.button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, &parent_,
                                      kSaveLanguageFile));
    parent_.button.SetUp(kSaveLanguageFileTip, kNormalImage, kPressedImage, kHotImage,
                         kDisabledImage);
  }

  CTestParent parent_;
};

TEST_F(Win32WidgetsTest, HoverShowsTheHotImageUntilTheMouseLeavesOrPresses) {
  MakeButton();
  HWND button = parent_.button.m_hWnd;
  const struct {
    UINT message;
    POINT at;
    COLORREF shown;
    bool hovering;
    bool captured;
  } steps[] = {
      {WM_MOUSEMOVE, {15, 15}, kHot, true, true},
      {WM_MOUSEMOVE, {29, 0}, kHot, true, true},
      {WM_MOUSEMOVE, {30, 15}, kNormal, false, false},  // just right of the button
      {WM_MOUSEMOVE, {5, 5}, kHot, true, true},
      {WM_LBUTTONDOWN, {5, 5}, kPressed, true, true},   // drawn pushed
      {WM_LBUTTONUP, {5, 5}, kNormal, true, false},     // the click saw the normal image
      {WM_MOUSEMOVE, {6, 6}, kHot, true, true},
      {WM_MOUSEMOVE, {-1, 5}, kNormal, false, false},
  };
  EXPECT_EQ(PaintedColour(button), kNormal);
  for (size_t i = 0; i < std::size(steps); ++i) {
    const auto& step = steps[i];
    ::SendMessageW(button, step.message, step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                   MAKELPARAM(step.at.x, step.at.y));
    EXPECT_EQ(PaintedColour(button), step.shown) << "step " << i;
    EXPECT_EQ(parent_.button.IsHovering(), step.hovering) << "step " << i;
    EXPECT_EQ(::GetCapture() == button, step.captured) << "step " << i;
  }
  EXPECT_EQ(parent_.colourAtClick, std::vector<COLORREF>{kNormal});
  parent_.button.EnableWindow(FALSE);
  EXPECT_EQ(PaintedColour(button), kDisabled);
}

// The tip window of the button: the one tool-tip control of the thread
// with a tool.
HWND ButtonTip() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM out) {
        wchar_t name[64] = {};
        ::GetClassNameW(window, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW || !::SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0)) {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(Win32WidgetsTest, TipOfTheLanguageFileSaveButtonIsInTheCurrentLanguage) {
  MakeButton();
  HWND button = parent_.button.m_hWnd;
  HWND tip = ButtonTip();
  ASSERT_NE(tip, nullptr);
  // One tool: the whole button, named by its window, its text on request.
  wchar_t text[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = text;
  ASSERT_TRUE(::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(tool.uId, reinterpret_cast<UINT_PTR>(button));
  EXPECT_EQ(tool.hwnd, button);
  EXPECT_TRUE(tool.uFlags & TTF_IDISHWND);
  EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACKW);

  LanguageRecipe recipe;
  recipe.languageName = u"English";
  recipe.stringTables = {{{u"Speichert die Sprachdatei", u"Saves the language file"}}};
  const std::wstring english = Write("en.tra", *MakeLanguage(recipe));
  for (const auto& [file, expected] : std::vector<std::pair<std::wstring, std::string>>{
           {L"", "Speichert die Sprachdatei"}, {english, "Saves the language file"}}) {
    if (!file.empty()) {
      ASSERT_TRUE(LoadTranslationFile(file.c_str()));
    }
    NMTTDISPINFOW wide{};
    wide.hdr = {tip, reinterpret_cast<UINT_PTR>(button), TTN_NEEDTEXTW};
    wide.uFlags = TTF_IDISHWND;
    ::SendMessageW(button, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    EXPECT_EQ(std::wstring(wide.lpszText), std::wstring(expected.begin(), expected.end()));
    NMTTDISPINFOA narrow{};
    narrow.hdr = {tip, reinterpret_cast<UINT_PTR>(button), TTN_NEEDTEXTA};
    narrow.uFlags = TTF_IDISHWND;
    ::SendMessageW(button, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
    EXPECT_EQ(std::string(narrow.lpszText), expected);
  }
}

// The tree as lines: two blanks per level, text, blank, image.
std::vector<std::wstring> TreeLines(HWND tree, HTREEITEM parent = TVI_ROOT, int depth = 0) {
  std::vector<std::wstring> lines;
  for (HTREEITEM item = TreeView_GetChild(tree, parent == TVI_ROOT ? nullptr : parent); item;
       item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[64] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = 64;
    TreeView_GetItem(tree, &info);
    lines.push_back(std::wstring(2 * depth, L' ') + text + L" " + std::to_wstring(info.iImage) +
                    (info.iSelectedImage == info.iImage ? L"" : L" other when selected"));
    for (std::wstring& line : TreeLines(tree, item, depth + 1)) lines.push_back(std::move(line));
  }
  return lines;
}

TEST_F(Win32WidgetsTest, TreeViewShowsTheItemsBelowTheirParents) {
  CTextTreeView tree;
  ASSERT_TRUE(tree.Create(&parent_, 123, RECT{0, 0, 300, 200}));
  EXPECT_EQ(tree.GetDlgCtrlID(), 123);
  EXPECT_TRUE(::IsWindowVisible(tree.m_hWnd));
  const DWORD wanted = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
  EXPECT_EQ(tree.GetStyle() & (wanted | TVS_EDITLABELS), wanted);
  auto images = reinterpret_cast<HIMAGELIST>(tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
  EXPECT_EQ(::ImageList_GetImageCount(images), 9);

  tree.Fill({{u"Menus", 1, -1},
             {u"IDR_MAIN", 1, 0},
             {u"&Datei", 5, 1},
             {u"&Öffnen", 3, 2},
             {u"&Ende", 3, 2},
             {u"Dialoge", 0, -1},
             {u"Info", 0, 5},
             {u"its own parent", 2, 7},
             {u"later parent", 2, 9},
             {u"Stringtables", 4, -1}});
  EXPECT_TEXTS(TreeLines(tree.m_hWnd),
               (std::vector<std::wstring>{L"Menus 1", L"  IDR_MAIN 1", L"    &Datei 5",
                                          L"      &Öffnen 3", L"      &Ende 3", L"Dialoge 0",
                                          L"  Info 0", L"its own parent 2", L"later parent 2",
                                          L"Stringtables 4"}));
  tree.Fill({{u"Dialoge", 0, -1}});
  EXPECT_TEXTS(TreeLines(tree.m_hWnd), (std::vector<std::wstring>{L"Dialoge 0"}));
}

// The rows of a list: text, blank, image.
std::vector<std::wstring> Rows(const CListCtrl& list) {
  std::vector<std::wstring> rows;
  for (int i = 0; i < list.GetItemCount(); ++i) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = i;
    ::SendMessageW(list.m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    rows.push_back(list.GetItemText(i, 0).str() + L" " + std::to_wstring(item.iImage));
  }
  return rows;
}

HWND MakeListView(CWnd& parent, int id) {
  return ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_LIST, 0, 0, 200, 100,
                           parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

TEST_F(Win32WidgetsTest, FileListsShowNamesAndScriptsAndAreGivenBack) {
  HWND scriptsWindow = MakeListView(parent_, 1006);
  HWND nameWindow = MakeListView(parent_, 1012);
  CProject project;
  for (const char16_t* script : {u"a.rc", u"sub\\b.rc", u"c.rc"}) project.AddScript(script);
  {
    CScriptListCtrl scripts;
    CNameListCtrl name;
    ASSERT_TRUE(scripts.AttachToDialogItem(parent_, 1006));
    ASSERT_TRUE(name.AttachToDialogItem(parent_, 1012));
    EXPECT_EQ(::ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(
                  scripts.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL))),
              3);

    scripts.Refill(project);
    EXPECT_TEXTS(Rows(scripts), (std::vector<std::wstring>{L"a.rc 1", L"sub\\b.rc 1", L"c.rc 1"}));
    scripts.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    scripts.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    scripts.RemoveSelected(project);
    EXPECT_EQ(project.scriptCount(), 1);
    EXPECT_EQ(project.ScriptAt(0), u"sub\\b.rc");
    EXPECT_EQ(scripts.GetItemCount(), 3);

    name.SetName(L"demo.lxp", true);
    EXPECT_TEXTS(Rows(name), (std::vector<std::wstring>{L"demo.lxp 2"}));
    name.SetName(L"demo.tra", false);
    EXPECT_TEXTS(Rows(name), (std::vector<std::wstring>{L"demo.tra 0"}));
  }
  // The controls belong to the dialog: they outlive the objects.
  EXPECT_TRUE(::IsWindow(scriptsWindow));
  EXPECT_TRUE(::IsWindow(nameWindow));
  EXPECT_EQ(CWnd::FromHandlePermanent(scriptsWindow), nullptr);
}

TEST_F(Win32WidgetsTest, FlagWindowPaintsItsBitmapAtTheTopLeft) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP flag = ::CreateCompatibleBitmap(screen, 32, 32);
  HDC memory = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(memory, flag);
  RECT all{0, 0, 32, 32};
  HBRUSH blue = ::CreateSolidBrush(kHot);
  ::FillRect(memory, &all, blue);
  ::DeleteObject(blue);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);

  CFlagStatic window;
  ASSERT_TRUE(window.Create(&parent_, RECT{100, 100, 148, 148}, flag));
  EXPECT_EQ(window.GetDlgCtrlID(), 0xFFFF);
  EXPECT_TRUE(::IsWindowVisible(window.m_hWnd));
  ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = ::GetDC(window.m_hWnd);
  EXPECT_EQ(::GetPixel(dc, 0, 0), kHot);
  EXPECT_EQ(::GetPixel(dc, 31, 31), kHot);
  EXPECT_NE(::GetPixel(dc, 40, 40), kHot);
  ::ReleaseDC(window.m_hWnd, dc);
}

// The flag strip's cell at left and the image list's image index, each
// drawn over light grey, the strip's transparent colour: equal when the
// image is that cell.
std::vector<COLORREF> StripCell(int left) {
  HBITMAP strip = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(159));
  HDC source = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(source, strip);
  std::vector<COLORREF> pixels = DrawnPixels(kFlagCellPixels, [&](HDC dc) {
    ::BitBlt(dc, 0, 0, kFlagCellPixels, kFlagCellPixels, source, left, 0, SRCCOPY);
  });
  ::SelectObject(source, old);
  ::DeleteDC(source);
  ::DeleteObject(strip);
  return pixels;
}

std::vector<COLORREF> ListImage(HIMAGELIST images, int index) {
  return DrawnPixels(kFlagCellPixels,
                     [&](HDC dc) { ::ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL); });
}

int ItemImage(HWND list, int index) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  ::SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

TEST_F(Win32WidgetsTest, FlagDialogEnablesOkOnlyOnAClickAndTakesADoubleClickedFlag) {
  CFlagDialog dialog;
  const auto list = [](HWND d) { return ::GetDlgItem(d, 1006); };
  const auto okEnabled = [](HWND d) { return ::IsWindowEnabled(::GetDlgItem(d, IDOK)); };
  const auto selected = [&](HWND d) {
    return ::SendMessageW(list(d), LVM_GETSELECTEDCOUNT, 0, 0);
  };
  CModalDialogDriver driver([&] { return dialog.m_hWnd; }, {
      [&](HWND d) {
        EXPECT_FALSE(okEnabled(d));
        EXPECT_EQ(::SendMessageW(list(d), LVM_GETITEMCOUNT, 0, 0), kOfferedFlagCount);
        auto images =
            reinterpret_cast<HIMAGELIST>(::SendMessageW(list(d), LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
        EXPECT_GE(::ImageList_GetImageCount(images), kOfferedFlagCount);
        // Flag 151 shows the cell 4832 pixels from the strip's left edge.
        const int last = kOfferedFlagCount - 1;
        EXPECT_EQ(ItemImage(list(d), last), last);
        EXPECT_EQ(ListImage(images, last), StripCell(4832));
        EXPECT_EQ(ListImage(images, last - 1), StripCell(4800));
        EXPECT_NE(StripCell(4832), StripCell(4800));
      },
      [&](HWND d) { ::SendMessageW(list(d), WM_KEYDOWN, VK_END, 0); },
      [&](HWND d) {
        EXPECT_EQ(selected(d), 1);
        EXPECT_FALSE(okEnabled(d)) << "after a selection with the keyboard";
        ClickListItem(list(d), 5);
      },
      [&](HWND d) {
        EXPECT_EQ(selected(d), 1);
        EXPECT_TRUE(okEnabled(d)) << "after a click";
        ClickListItem(list(d), kOfferedFlagCount - 1, true);
      },
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(driver.leftOpen);
  EXPECT_EQ(dialog.selectedFlag, 151);
}

TEST_F(Win32WidgetsTest, AboutBoxShowsThePictureAndTheVersion) {
  CAboutDlg about;
  std::wstring version;
  bool picture = false;
  CModalDialogDriver driver([&] { return about.m_hWnd; }, {[&](HWND d) {
    version = Text(::GetDlgItem(d, 1073));
    picture = ::SendDlgItemMessageW(d, 1074, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
    ::EndDialog(d, IDOK);
  }});
  EXPECT_EQ(about.DoModal(), IDOK);
  EXPECT_EQ(version, L"Version 2.002");
  EXPECT_TRUE(picture);
}

}  // namespace
}  // namespace tolmeric::testing
