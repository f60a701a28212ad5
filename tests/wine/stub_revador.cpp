// A stand-in for REVADOR.EXE.
//
// Started by the launcher: appends one line, "<current directory>|<command
// line>", to the file named by REVADOR_RECORD and ends at once (WinExec
// waits until a started GUI program asks for input or ends).
//
// Started with the one argument /window, it is instead a running copy of
// the main application: its main window, of the main window class, shown
// minimized, and a second window of its own in front of it, a palette; it
// runs until the main window is closed.
#include <windows.h>

namespace {

const char kMainWindowClass[] = "ROrUvidaZazeZude";
const char kPaletteClass[] = "ReVadorPalette";

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

HWND MakeWindow(HINSTANCE instance, const char* class_name, WNDPROC procedure,
                const char* title, int show) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, class_name, title, WS_OVERLAPPEDWINDOW, 40, 40, 320, 200,
                                nullptr, nullptr, instance, nullptr);
  if (window) ShowWindow(window, show);
  return window;
}

int RunWithWindow(HINSTANCE instance) {
  if (!MakeWindow(instance, kMainWindowClass, MainWindowProc, "ReVador (demo)", SW_SHOWMINIMIZED)) {
    return 4;
  }
  if (!MakeWindow(instance, kPaletteClass, DefWindowProcA, "ReVador palette", SW_SHOWNORMAL)) {
    return 5;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  if (lstrcmpA(arguments, "/window") == 0) return RunWithWindow(instance);
  return RecordStart();
}
