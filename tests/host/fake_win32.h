// A fake of the Win32 calls the launcher makes, for the host unit tests.
//
// Each test sets the answers in |fake| (reset before every test by
// test_environment.cpp) and reads back what the launcher did: every call is
// logged in |fake.calls| in the order it was made.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/win32.h"

struct FakeRegistryValue {
  DWORD type;
  std::string data;
};

struct FakeRegistryKey {
  bool refused = false;  // RegOpenKeyExA answers ERROR_ACCESS_DENIED
  std::map<std::string, FakeRegistryValue> values;
};

struct FakeWindow {
  HWND handle;
  std::optional<std::string> class_name;  // none: GetClassNameA fails
};

struct FakeMessageBox {
  std::string text;
  std::string title;
  UINT type;
};

struct FakeWin32 {
  // kernel32
  std::string command_line;
  std::optional<std::string> module_path = std::string("C:\\Tools\\LX7314.EXE");
  uintptr_t executable_base = 0x400000;  // where the executable was loaded
  std::map<std::string, DWORD> refused_directories;  // path -> GetLastError code
  std::string current_directory = "C:\\Start";
  UINT winexec_result = 33;
  std::vector<std::string> started;  // command lines handed to WinExec
  std::map<std::string, UINT> settings;  // REVADOR keys of LX7314.INI
  int allocations_before_failure = -1;   // -1: the heap never runs out
  int allocations = 0;                   // HeapAlloc calls
  int command_line_fetches = 0;          // GetCommandLineA calls
  bool heap_exhausted_by_directory_change = false;

  // user32
  std::vector<FakeWindow> windows;
  bool enum_windows_fails = false;
  std::vector<FakeMessageBox> message_boxes;

  // advapi32: keys by "HKLM\\path" or "HKCU"; HKCU itself always opens.
  std::map<std::string, FakeRegistryKey> registry;
  // Applied to the value being read just before the read query (the third).
  std::optional<FakeRegistryValue> value_changed_before_read;
  std::set<uintptr_t> open_keys;
  std::map<uintptr_t, std::string> open_key_names;

  std::vector<std::string> calls;
  std::vector<std::string> violations;  // calls the launcher must never make
  DWORD last_error = 0;
  uintptr_t next_key = 0x1000;
};

extern FakeWin32 fake;

// |utf8| in code page 932, as the launcher sees texts on a Japanese system.
std::string Sjis(const std::string& utf8);

// The message-table entry |id| in code page 932.
std::string Message(UINT id);
