// USER32 and ADVAPI32, bound at first use.
//
// A suppressed auto-start run calls nothing in either DLL, yet importing them
// at load time made it cost about 1.6 times an empty program: loading USER32
// connects the process to the window station (under Wine, to the display).
// So the executable imports neither.  The launcher's code still calls the
// functions by their own names: <windows.h> declares them dllimport, so each
// call goes through an import slot named __imp__<name>@<argument bytes>, and
// this file defines those slots itself.  Each slot starts out at a stub that
// binds the function's whole DLL, loaded by its full path in the system
// directory, overwrites the DLL's slots with the real addresses and makes
// the call; every later call goes straight through.
//
// WinExec has a slot here too.  Once USER32 is loaded in the caller, WinExec
// (on Windows as in Wine) waits until the started program is ready for input,
// up to 30 s; without it, it returns at once.  The slot binds USER32 before
// the first start, so every start waits as it did when USER32 was imported,
// also when FORCEMULTI skipped the window search.
//
// Binding cannot fail on a supported Windows: KERNEL32, USER32 and ADVAPI32
// are in every installation (as KnownDLLs), and every function here exists
// since Windows 2000.  Should it fail all the same, the process ends with
// exit code 1, before anything is started.
#include <windows.h>

namespace {

struct Function {
  const char* name;
  void** slot;
};

struct Library {
  const char* file_name;
  Library* needs_first;  // bound before this one
  const Function* functions;
  int function_count;
  bool bound;
};

void Bind(Library& library);

// The stub a slot starts out at, for a function of type R(A...).
template <typename Signature>
struct FirstCall;

template <typename R, typename... A>
struct FirstCall<R(WINAPI*)(A...)> {
  template <R(WINAPI** slot)(A...), Library* library>
  static R WINAPI Call(A... arguments) {
    Bind(*library);
    return (*slot)(arguments...);
  }
};

// Bytes of arguments a stdcall function removes from the stack: the number
// in its decorated name.
template <typename R, typename... A>
constexpr int ArgumentBytes(R(WINAPI*)(A...)) {
  return (((sizeof(A) + 3) / 4 * 4) + ... + 0);
}

// The functions the launcher calls, with their argument bytes.
#define USER32_FUNCTIONS(F)                                                            \
  F(EnumWindows, 8) F(GetClassNameA, 12) F(LoadStringA, 16) F(MessageBoxA, 16)        \
  F(SetWindowPos, 28) F(ShowWindow, 8)
#define ADVAPI32_FUNCTIONS(F) F(RegCloseKey, 4) F(RegOpenKeyExA, 20) F(RegQueryValueExA, 24)
#define KERNEL32_FUNCTIONS(F) F(WinExec, 8)

extern Library user32, advapi32, kernel32;

}  // namespace

// The slots, under the names the compiler calls through.
#define DEFINE_SLOT(library, name, bytes)                                             \
  static_assert(ArgumentBytes(&::name) == bytes, #name " takes " #bytes " bytes");    \
  extern "C" decltype(&::name) slot_##name __asm__("__imp__" #name "@" #bytes);       \
  decltype(&::name) slot_##name = FirstCall<decltype(&::name)>::Call<&slot_##name, &library>;
#define USER32_SLOT(name, bytes) DEFINE_SLOT(user32, name, bytes)
#define ADVAPI32_SLOT(name, bytes) DEFINE_SLOT(advapi32, name, bytes)
#define KERNEL32_SLOT(name, bytes) DEFINE_SLOT(kernel32, name, bytes)
USER32_FUNCTIONS(USER32_SLOT)
ADVAPI32_FUNCTIONS(ADVAPI32_SLOT)
KERNEL32_FUNCTIONS(KERNEL32_SLOT)

namespace {

#define TABLE_ENTRY(name, bytes) {#name, reinterpret_cast<void**>(&slot_##name)},
const Function kUser32Functions[] = {USER32_FUNCTIONS(TABLE_ENTRY)};
const Function kAdvapi32Functions[] = {ADVAPI32_FUNCTIONS(TABLE_ENTRY)};
const Function kKernel32Functions[] = {KERNEL32_FUNCTIONS(TABLE_ENTRY)};

template <int N>
constexpr Library MakeLibrary(const char* file_name, Library* needs_first,
                              const Function (&functions)[N]) {
  return {file_name, needs_first, functions, N, false};
}

Library user32 = MakeLibrary("user32.dll", nullptr, kUser32Functions);
Library advapi32 = MakeLibrary("advapi32.dll", nullptr, kAdvapi32Functions);
Library kernel32 = MakeLibrary("kernel32.dll", &user32, kKernel32Functions);

// |file_name| from the system directory, never through the search order.
HMODULE LoadSystemLibrary(const char* file_name) {
  char path[MAX_PATH + 16];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  path[length++] = '\\';
  for (const char* p = file_name; *p; ++p) path[length++] = *p;
  path[length] = '\0';
  return LoadLibraryA(path);
}

void Bind(Library& library) {
  if (library.bound) return;
  if (library.needs_first) Bind(*library.needs_first);
  HMODULE module = LoadSystemLibrary(library.file_name);
  if (!module) ExitProcess(1);
  for (int i = 0; i < library.function_count; ++i) {
    FARPROC address = GetProcAddress(module, library.functions[i].name);
    if (!address) ExitProcess(1);
    *library.functions[i].slot = reinterpret_cast<void*>(address);
  }
  library.bound = true;
}

}  // namespace
