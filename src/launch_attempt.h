// One launch attempt: enter a directory and start REVADOR.EXE from it.
#pragma once

#include "runtime/text.h"
#include "runtime/win32.h"

// The directory of the current attempt; set by the caller before each one.
extern Text LaunchDir;
// The command line of the latest attempt, as handed to WinExec.
extern Text CommandLineBuffer;

// The path up to and including its last '\' or ':', or the empty text.
Text DirectoryOfPath(const Text& path);
// The last byte of |text| when it is a single-byte character, else 0.
unsigned char TrailingChar(const Text& text);
// Removes one trailing '\' (never the trail byte of a double-byte character).
void StripTrailingBackslash(Text& text);
// Makes |directory| the current directory or raises EInOutError.
void ChangeDirectory(const Text& directory);
// The message of a refused directory change with system code |code|.
Text IoErrorText(DWORD code);
// "\"<directory>\REVADOR.EXE\" <argument>"
Text ComposeCommandLine(const Text& directory, const Text& argument);

// Strips LaunchDir, enters it and starts the main application there with
// the launcher's first argument.  Gives WinExec's result; raises
// EInOutError when the directory cannot be entered.
UINT LaunchFromDirectory();

// The parts of LaunchFromDirectory after the strip, for a caller that
// guards them separately.
UINT EnterAndStart();
