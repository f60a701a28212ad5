// The demo's eyes: runs LX7314.EXE once, the way the end-to-end tests do,
// and tells in one line, in UTF-8 for the terminal, what happened.
//
//   demo_probe run RECORD SHOT LAUNCHER [ARGUMENT...]
//     Starts LAUNCHER with the arguments (each quoted when it holds a blank),
//     waits for it and for what it started, and prints
//       <command line>|<exit code>|<what happened>
//     What happened is any of: the window of a running copy restored and
//     raised (its state before and after), the starts the stub recorded in
//     RECORD (command line and current directory), the report box (title and
//     text, then closed; its picture saved as the PNG file SHOT), or nothing.
//   demo_probe running
//     Waits up to 30 s for a window of the main window class (a running
//     copy) and prints its state; exits 1 when none came.
//   demo_probe close
//     Closes every window of the main window class (the running copies).
#include <cstdio>
#include <string>

#include "tests/wine/driver.h"
#include "tests/wine/screenshot.h"

namespace {

const char kMainWindowClass[] = "ROrUvidaZazeZude";
std::string screenshot_path;

std::string WindowState(HWND window) {
  if (!IsWindow(window)) return "gone";
  std::string state = IsIconic(window)            ? "minimized"
                      : !IsWindowVisible(window) ? "hidden"
                                                  : "shown normally";
  return state + (GetTopWindow(nullptr) == window ? ", on top" : ", not on top");
}

void SaveReportPicture(HWND box) {
  Sleep(500);  // let it paint
  if (!SaveWindowPng(box, screenshot_path)) screenshot_path.clear();
}

std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 0; i < argc; ++i) {
    std::string argument = argv[i];
    if (!line.empty()) line += ' ';
    line += argument.find(' ') == std::string::npos ? argument : '"' + argument + '"';
  }
  return line;
}

int RunOnce(const std::string& record, const std::string& launcher, const std::string& line) {
  RecordStartsIn(record);
  DeleteFileA(record.c_str());
  HWND running = FindWindowA(kMainWindowClass, nullptr);
  std::string before = running ? WindowState(running) : "";

  RunOptions options;
  options.before_closing_box = SaveReportPicture;
  Outcome outcome = Run({"", launcher}, line, options);

  std::string happened;
  auto add = [&happened](const std::string& what) {
    happened += (happened.empty() ? "" : "; ") + what;
  };
  if (running) {
    add("running copy's window: " + before + " -> " + WindowState(running));
  }
  for (const Started& start : outcome.started) {
    add("started " + start.command_line + " in " + start.directory);
  }
  if (outcome.boxes) {
    std::string text = outcome.box_text;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, " / ");
    add("report box \"" + outcome.box_title + "\": " + text);
    if (!screenshot_path.empty()) add("picture " + screenshot_path);
  }
  if (outcome.started.empty()) add("nothing started");
  if (outcome.timed_out) add("(did not end in time)");
  std::printf("%s|%lu|%s\n", Utf8(line).c_str(), outcome.exit_code, Utf8(happened).c_str());
  return 0;
}

BOOL CALLBACK CloseMainWindow(HWND window, LPARAM) {
  char class_name[64];
  if (GetClassNameA(window, class_name, sizeof class_name) &&
      lstrcmpiA(class_name, kMainWindowClass) == 0) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "run" && argc >= 5) {
    screenshot_path = argv[3];
    return RunOnce(argv[2], argv[4], CommandLine(argc - 4, argv + 4));
  }
  if (command == "running" && argc == 2) {
    for (int waited = 0; waited < 30000; waited += 100) {
      if (HWND window = FindWindowA(kMainWindowClass, nullptr)) {
        std::printf("%s\n", WindowState(window).c_str());
        return 0;
      }
      Sleep(100);
    }
    return 1;
  }
  if (command == "close" && argc == 2) {
    EnumWindows(CloseMainWindow, 0);
    return 0;
  }
  std::printf("usage: demo_probe run RECORD SHOT LAUNCHER [ARGUMENT...] | running | close\n");
  return 2;
}
