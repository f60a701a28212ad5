// A stand-in for REVADOR.EXE.
//
// Started by the launcher: appends one line, "<current directory>|<command
// line>", to the file named by REVADOR_RECORD and ends at once (WinExec
// waits until a started GUI program asks for input or ends).
//
// Started with the one argument /window, it is instead a running copy of
// the main application: a top-level window of the main window class, shown
// minimized, that stays until it is closed.
#include <windows.h>

namespace {

const char kMainWindowClass[] = "ROrUvidaZazeZude";

int RecordStart() {
  char record_path[MAX_PATH];
  if (!GetEnvironmentVariableA("REVADOR_RECORD", record_path, sizeof record_path)) return 2;
  char line[40000];
  DWORD length = GetCurrentDirectoryA(MAX_PATH, line);
  lstrcpynA(line + length, "|", 2);
  lstrcpynA(line + length + 1, GetCommandLineA(), sizeof line - length - 3);
  lstrcatA(line, "\n");
  HANDLE file = CreateFileA(record_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  DWORD written;
  WriteFile(file, line, lstrlenA(line), &written, nullptr);
  CloseHandle(file);
  return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wparam, lparam);
}

int RunWithWindow(HINSTANCE instance) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kMainWindowClass;
  if (!RegisterClassA(&window_class)) return 4;
  HWND window = CreateWindowExA(0, kMainWindowClass, "ReVador (demo)", WS_OVERLAPPEDWINDOW, 40,
                                40, 320, 200, nullptr, nullptr, instance, nullptr);
  if (!window) return 5;
  ShowWindow(window, SW_SHOWMINIMIZED);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  if (lstrcmpA(arguments, "/window") == 0) return RunWithWindow(instance);
  return RecordStart();
}
