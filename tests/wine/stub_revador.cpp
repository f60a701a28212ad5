// A stand-in for REVADOR.EXE: appends one line, "<current directory>|<command
// line>", to the file named by REVADOR_RECORD and ends at once (WinExec
// waits until a started GUI program asks for input or ends).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
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
