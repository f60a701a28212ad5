// The settings file and an already running main application.
#include "tests/wine/cases.h"
#include "tests/wine/driver.h"

namespace {

const char kMainClass[] = "ROrUvidaZazeZude";

void SuppressedAutoStartDoesNothing(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings("AUTOSTART=1\r\n");
  RunOptions watched;
  watched.watch_dlls = true;
  Outcome outcome = Run(own, "LX7314.EXE /autostart", watched);
  WriteSettings("");
  CheckEqual(outcome.exit_code, 0, "exit code");
  CheckEqual(outcome.boxes, 0, "boxes");
  CheckEqual(outcome.started.size(), 0, "starts");
  Check(Loaded(outcome, "kernel32.dll"), "the DLLs loaded are seen");
  Check(!Loaded(outcome, "user32.dll") && !Loaded(outcome, "advapi32.dll"),
        "a suppressed run loads neither USER32 nor ADVAPI32");
}

void AutoStartZeroHandsTheSwitchOn(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings("AUTOSTART=0\r\n");
  Outcome outcome = Run(own, "LX7314.EXE /autostart");
  WriteSettings("");
  CheckEqual(outcome.started.size(), 1, "starts");
  if (outcome.started.size() == 1) {
    CheckEqual(outcome.started[0].command_line,
               "\"" + own.directory + "\\REVADOR.EXE\" /autostart", "command line");
  }
}

void RunningCopyIsRestoredAndRaised(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings("");
  HWND window = MakeWindow("rorUVIDAzazezude", SW_SHOWMINIMIZED);
  HWND other = MakeWindow("e2e other window", SW_SHOWNORMAL);  // above it
  Check(IsIconic(window), "the window starts minimized");
  Outcome outcome = Run(own, "LX7314.EXE doc");
  CheckEqual(outcome.exit_code, 0, "exit code");
  CheckEqual(outcome.started.size(), 0, "starts");
  Check(!IsIconic(window) && IsWindowVisible(window), "the window is shown normally");
  Check(GetTopWindow(nullptr) == window, "the window is raised to the top");
  DestroyWindow(other);
  DestroyWindow(window);
}

void LongerClassIsLeftAlone(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings("");
  HWND window = MakeWindow(std::string(kMainClass) + "X", SW_SHOWMINIMIZED);
  Outcome outcome = Run(own, "LX7314.EXE doc");
  CheckEqual(outcome.started.size(), 1, "starts");
  Check(IsIconic(window), "the window is untouched");
  DestroyWindow(window);
}

void ForceMultiStartsAnotherCopy(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings("FORCEMULTI=1\r\n");
  HWND window = MakeWindow(kMainClass, SW_SHOWMINIMIZED);
  RunOptions watched;
  watched.watch_dlls = true;
  Outcome outcome = Run(own, "LX7314.EXE doc", watched);
  WriteSettings("");
  CheckEqual(outcome.started.size(), 1, "starts");
  Check(IsIconic(window), "the window is untouched");
  // No window search, yet USER32 is there for the start: WinExec then waits
  // for the started program as it always has.
  Check(Loaded(outcome, "user32.dll"), "USER32 is loaded before the start");
  DestroyWindow(window);
}

const Case kCases[] = {
    {"autostart_suppressed", SuppressedAutoStartDoesNothing},
    {"autostart_zero", AutoStartZeroHandsTheSwitchOn},
    {"running_copy_raised", RunningCopyIsRestoredAndRaised},
    {"running_copy_longer_class", LongerClassIsLeftAlone},
    {"forcemulti", ForceMultiStartsAnotherCopy},
};
const bool kRegistered = RegisterCases(kCases);

}  // namespace
