// Time of a language switch while many windows are open: a frame with the
// demo's document menu bar and a number of modeless dialogs (the demo's
// find and About dialogs, alternating), all translated and registered by
// the run-time module. Switches back and forth between the demo's English
// and French language files and prints the time per switch, and per
// re-translated window as the difference against a switch with no dialog
// open. Windows only (run it under Wine); Google Benchmark is not
// available for the cross build, so this is a plain timing program.
//
//   switch_timing.exe [FOLDER] [DIALOGS] [SWITCHES]
//
// FOLDER holds demo.tra, demo_English.tra and demo_Francais.tra (default:
// the program's own folder); DIALOGS defaults to 50, SWITCHES to 40.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "examples/demo-app/DemoResource.h"
#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "runtime/ApplicationInterfaceWin32.h"

using namespace tolmeric;

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

double Seconds(LARGE_INTEGER start, LARGE_INTEGER end) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Mean seconds of one switch, over switches alternating between the two
// files; 0 when a switch fails.
double MeanSwitch(const std::wstring& first, const std::wstring& second, int switches) {
  LARGE_INTEGER start, end;
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < switches; ++i) {
    if (!SwitchTranslationFile((i % 2 == 0 ? first : second).c_str())) return 0;
  }
  ::QueryPerformanceCounter(&end);
  return Seconds(start, end) / switches;
}

// Lets the dialogs and the frame take their pending messages.
void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring folder = argc > 1 ? std::wstring(argv[1]) + L"\\" : ProgramFolder();
  const int dialogs = argc > 2 ? _wtoi(argv[2]) : 50;
  const int switches = argc > 3 ? _wtoi(argv[3]) : 40;
  const std::wstring german = folder + L"demo.tra";
  const std::wstring english = folder + L"demo_English.tra";
  const std::wstring french = folder + L"demo_Francais.tra";

  if (!LoadTranslationFile(german.c_str())) {
    std::fwprintf(stderr, L"cannot load %ls\n", german.c_str());
    return 1;
  }
  auto* frame = new CFrameWnd;  // deletes itself with its window
  if (!frame->LoadFrame(IDR_DEMOTYPE)) return 1;
  TranslateWindowMenus(frame);
  Pump();

  const double empty = MeanSwitch(english, french, switches);

  std::vector<std::unique_ptr<CDialog>> open;
  for (int i = 0; i < dialogs; ++i) {
    auto dialog = std::make_unique<CDialog>();
    if (!dialog->Create(i % 2 == 0 ? IDD_FIND : IDD_ABOUTBOX, frame)) return 1;
    open.push_back(std::move(dialog));
  }
  Pump();
  const double full = MeanSwitch(english, french, switches);
  if (empty == 0 || full == 0) {
    std::fwprintf(stderr, L"a switch failed\n");
    return 1;
  }

  std::printf("switch, frame and menus only:          %8.3f ms\n", empty * 1e3);
  std::printf("switch, frame and %3d modeless dialogs: %8.3f ms\n", dialogs, full * 1e3);
  std::printf("per re-translated dialog:               %8.3f ms\n",
              dialogs > 0 ? (full - empty) * 1e3 / dialogs : 0.0);

  // What the windows show after the last switch, so a switch that
  // translates nothing does not pass for a fast one.
  if (!open.empty()) {
    CString caption;
    open.front()->GetWindowText(caption);
    std::printf("first dialog's title after the last switch: \"%ls\"\n",
                static_cast<LPCTSTR>(caption));
  }
  for (auto& dialog : open) dialog->DestroyWindow();
  frame->DestroyWindow();
  ExitTranslation();
  return 0;
}
