// The Win32 calls the launcher makes, by their own ANSI names.
//
// On Windows this is simply <windows.h>.  Everywhere else (the host unit
// tests) the project declares the handful of types, constants and functions
// it uses itself, with the sizes Win32 gives them, and the tests link a fake
// that records every call.  Only what the launcher touches is declared here:
// a call that is missing below is a call the launcher does not make.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

#define WINAPI
#define CALLBACK

typedef int32_t BOOL;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef LONG LSTATUS;
typedef unsigned char BYTE;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef intptr_t LPARAM;
typedef uintptr_t SIZE_T;
typedef void* HANDLE;
typedef DWORD REGSAM;

typedef struct HWND__* HWND;
typedef struct HKEY__* HKEY;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

typedef BOOL(CALLBACK* WNDENUMPROC)(HWND, LPARAM);

#define TRUE 1
#define FALSE 0

#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002u)))
#define HWND_TOP (static_cast<HWND>(nullptr))

constexpr LONG ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_MORE_DATA = 234;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr REGSAM KEY_READ = 0x20019;

constexpr UINT SW_SHOWNORMAL = 1;
constexpr UINT SW_SHOW = 5;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_TASKMODAL = 0x2000;

// kernel32
LPSTR WINAPI GetCommandLineA();
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR filename, DWORD size);
HMODULE WINAPI GetModuleHandleA(LPCSTR module_name);
UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, int default_value,
                                  LPCSTR file_name);
BOOL WINAPI SetCurrentDirectoryA(LPCSTR path);
DWORD WINAPI GetLastError();
UINT WINAPI WinExec(LPCSTR command_line, UINT show);
BOOL WINAPI IsDBCSLeadByte(BYTE test_char);
int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b);
[[noreturn]] void WINAPI ExitProcess(UINT exit_code);
HANDLE WINAPI GetProcessHeap();
void* WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, void* memory);

// user32
BOOL WINAPI EnumWindows(WNDENUMPROC callback, LPARAM value);
int WINAPI GetClassNameA(HWND window, LPSTR class_name, int max_count);
BOOL WINAPI ShowWindow(HWND window, int show);
BOOL WINAPI SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy,
                         UINT flags);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int buffer_max);

// advapi32
LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD options, REGSAM desired,
                             HKEY* result);
LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR value_name, DWORD* reserved, DWORD* type,
                                BYTE* data, DWORD* data_size);
LSTATUS WINAPI RegCloseKey(HKEY key);
#endif
