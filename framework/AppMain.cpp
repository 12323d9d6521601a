// The entry point of an application built on the framework; kept in a file
// of its own so that a program with its own entry point (a test) does not
// take it in.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
  // The wide command line, so that every character of a file name survives.
  return tolmeric::AfxWinMain(instance, previous, tolmeric::AfxCommandLineTail(::GetCommandLineW()),
                              showCommand);
}
