// Bringing an already running main application to the front.
#pragma once

#include "runtime/win32.h"

// The class name looked for, and the last top-level window found with it.
extern const char* TargetClassName;
extern HWND FoundWindow;

// Looks for a top-level window of class |class_name| (letter case ignored).
// When there is one, shows it normally, raises it and gives true.
bool ActivateRunningInstance(const char* class_name);

// The EnumWindows callback: records |window| when its class matches.
BOOL CALLBACK FindClassWindowProc(HWND window, LPARAM unused);
