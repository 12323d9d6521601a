// The entry points of an application built on the framework (the narrow
// one, and the wide one for a program linked for wide entry); an
// application links this file, a test with its own main does not.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
  // The wide command line, so that every character of a file name survives.
  return tolmeric::AfxWinMain(instance, previous, tolmeric::AfxCommandLineTail(::GetCommandLineW()),
                              showCommand);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand) {
  return tolmeric::AfxWinMain(instance, previous, commandLine, showCommand);
}
