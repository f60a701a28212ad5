/* The floor for a launch from the installation directory: the Win32 calls
   the launcher makes on that path, in the same order, with its DLLs bound
   the same way (USER32 and ADVAPI32 loaded from the system directory at
   first use, USER32 before WinExec).  What is left between the two is the
   launcher's own code and its C++ run-time. */
#include <windows.h>

typedef BOOL(WINAPI* EnumWindowsCall)(WNDENUMPROC, LPARAM);
typedef int(WINAPI* GetClassNameCall)(HWND, LPSTR, int);
typedef LONG(WINAPI* RegOpenKeyExCall)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
typedef LONG(WINAPI* RegQueryValueExCall)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
typedef LONG(WINAPI* RegCloseKeyCall)(HKEY);
typedef UINT(WINAPI* WinExecCall)(LPCSTR, UINT);

static const char* const kUser32[] = {"EnumWindows", "GetClassNameA", "LoadStringA",
                                      "MessageBoxA", "SetWindowPos", "ShowWindow"};
static const char* const kAdvapi32[] = {"RegCloseKey", "RegOpenKeyExA", "RegQueryValueExA"};
static const char* const kKernel32[] = {"WinExec"};
static FARPROC user32[6], advapi32[3], kernel32[1];
static HWND found;

static void Bind(const char* file, const char* const* names, FARPROC* slots, int count) {
  char path[MAX_PATH + 16];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  HMODULE module;
  int i;
  path[length++] = '\\';
  lstrcpyA(path + length, file);
  module = LoadLibraryA(path);
  if (!module) ExitProcess(1);
  for (i = 0; i < count; ++i) slots[i] = GetProcAddress(module, names[i]);
}

static BOOL CALLBACK FindClassWindow(HWND window, LPARAM unused) {
  char name[256] = "";
  (void)unused;
  if (((GetClassNameCall)user32[1])(window, name, 255) &&
      lstrcmpiA(name, "ROrUvidaZazeZude") == 0) {
    found = window;
  }
  return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  char directory[1024], command_line[1200];
  HKEY key = NULL;
  DWORD type = REG_NONE, size = 0;
  (void)instance, (void)previous, (void)show;
  GetPrivateProfileIntA("REVADOR", "AUTOSTART", 0, "LX7314.INI");
  GetCommandLineA();
  GetPrivateProfileIntA("REVADOR", "FORCEMULTI", 0, "LX7314.INI");
  Bind("user32.dll", kUser32, user32, 6);
  ((EnumWindowsCall)user32[0])(FindClassWindow, 0);

  Bind("advapi32.dll", kAdvapi32, advapi32, 3);
  if (((RegOpenKeyExCall)advapi32[1])(HKEY_CURRENT_USER, "", 0, KEY_READ, &key) == 0) {
    ((RegCloseKeyCall)advapi32[0])(key);
  }
  key = NULL;
  ((RegOpenKeyExCall)advapi32[1])(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kelmor\\ReVador\\9.0", 0,
                                  KEY_READ, &key);
  if (!key) return 1;
  ((RegQueryValueExCall)advapi32[2])(key, "InstallDir", NULL, &type, NULL, &size);
  ((RegQueryValueExCall)advapi32[2])(key, "InstallDir", NULL, &type, NULL, &size);
  size = sizeof directory - 1;
  ((RegQueryValueExCall)advapi32[2])(key, "InstallDir", NULL, &type, (BYTE*)directory, &size);
  ((RegCloseKeyCall)advapi32[0])(key);
  directory[size < sizeof directory ? size : sizeof directory - 1] = '\0';

  SetCurrentDirectoryA(directory);
  GetCommandLineA();
  lstrcpyA(command_line, "\"");
  lstrcatA(command_line, directory);
  lstrcatA(command_line, "\\REVADOR.EXE\" ");
  lstrcatA(command_line, arguments);
  Bind("kernel32.dll", kKernel32, kernel32, 1);
  return ((WinExecCall)kernel32[0])(command_line, SW_SHOW) >= 32 ? 0 : 1;
}
