// The fake Win32 calls.  It uses no test framework, so that the fuzz targets
// can link it too; a call made in a way the launcher must never make is
// recorded in fake.violations, which the test environment checks.
//
// The message table is read from res/messages.rc itself and converted to
// code page 932, so the tests see exactly the bytes LoadStringA gives on a
// Japanese system.  IsDBCSLeadByte follows code page 932 too.
#include "tests/host/fake_win32.h"

#include <iconv.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <stdexcept>

FakeWin32 fake;

namespace {

std::string Quote(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

std::string KeyName(HKEY key) {
  if (key == HKEY_CURRENT_USER) return "HKCU";
  if (key == HKEY_LOCAL_MACHINE) return "HKLM";
  return "key" + std::to_string(reinterpret_cast<uintptr_t>(key) - 0x1000 + 1);
}

std::map<UINT, std::string> LoadMessageTable() {
  std::ifstream rc(MESSAGES_RC);
  std::map<UINT, std::string> table;
  std::regex entry(R"re(^\s*(\d+),\s*"(.*)"\s*$)re");
  for (std::string line; std::getline(rc, line);) {
    std::smatch match;
    if (!std::regex_match(line, match, entry)) continue;
    std::string quoted = match[2].str();
    std::string text;
    for (size_t i = 0; i < quoted.size(); ++i) {
      char c = quoted[i];
      if (c == '\\' && quoted[i + 1] == 'n') {
        text += '\n';
        ++i;
      } else {
        text += c;
      }
    }
    table[std::stoul(match[1])] = Sjis(text);
  }
  if (table.empty()) throw std::runtime_error("no message table in " MESSAGES_RC);
  return table;
}


void Require(bool ok, const char* violation) {
  if (!ok) fake.violations.push_back(violation);
}

}  // namespace

std::string Sjis(const std::string& utf8) {
  iconv_t convert = iconv_open("CP932", "UTF-8");
  if (convert == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 in iconv");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in_bytes = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* out_bytes = out.data();
  size_t out_left = out.size();
  size_t result = iconv(convert, &in_bytes, &in_left, &out_bytes, &out_left);
  iconv_close(convert);
  if (result == static_cast<size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
  out.resize(out.size() - out_left);
  return out;
}

std::string Message(UINT id) {
  static const std::map<UINT, std::string> table = LoadMessageTable();
  auto found = table.find(id);
  return found == table.end() ? std::string() : found->second;
}

// kernel32

LPSTR WINAPI GetCommandLineA() {
  ++fake.command_line_fetches;
  return fake.command_line.data();
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR filename, DWORD size) {
  fake.calls.push_back("GetModuleFileNameA(" + std::to_string(size) + ")");
  Require(module == nullptr, "GetModuleFileNameA for a module other than the executable");
  if (!fake.module_path) return 0;
  const std::string& path = *fake.module_path;
  if (path.size() >= size) {  // as Windows Vista and later: cut, terminated
    std::memcpy(filename, path.data(), size - 1);
    filename[size - 1] = '\0';
    fake.last_error = ERROR_INSUFFICIENT_BUFFER;
    return size;
  }
  std::memcpy(filename, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

HMODULE WINAPI GetModuleHandleA(LPCSTR module_name) {
  Require(module_name == nullptr, "GetModuleHandleA for a module other than the executable");
  return reinterpret_cast<HMODULE>(fake.executable_base);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, int default_value,
                                  LPCSTR file_name) {
  fake.calls.push_back(std::string("GetPrivateProfileIntA(") + section + ", " + key + ", " +
                       std::to_string(default_value) + ", " + file_name + ")");
  auto found = fake.settings.find(key);
  return found == fake.settings.end() ? default_value : found->second;
}

BOOL WINAPI SetCurrentDirectoryA(LPCSTR path) {
  Require(path != nullptr, "SetCurrentDirectoryA with a null pointer");
  fake.calls.push_back("SetCurrentDirectoryA(" + Quote(path) + ")");
  if (fake.heap_exhausted_by_directory_change) fake.allocations_before_failure = 0;
  auto refused = fake.refused_directories.find(path);
  if (refused != fake.refused_directories.end()) {
    fake.last_error = refused->second;
    return FALSE;
  }
  fake.current_directory = path;
  return TRUE;
}

DWORD WINAPI GetLastError() { return fake.last_error; }

UINT WINAPI WinExec(LPCSTR command_line, UINT show) {
  fake.calls.push_back("WinExec(" + Quote(command_line) + ", " + std::to_string(show) + ")");
  fake.started.push_back(command_line);
  return fake.winexec_result;
}

BOOL WINAPI IsDBCSLeadByte(BYTE byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) { return strcasecmp(a, b); }

void WINAPI ExitProcess(UINT) { std::abort(); }  // the tests run what lies before it

HANDLE WINAPI GetProcessHeap() { return reinterpret_cast<HANDLE>(0x4EA9); }

void* WINAPI HeapAlloc(HANDLE heap, DWORD, SIZE_T bytes) {
  Require(heap == GetProcessHeap(), "HeapAlloc on another heap");
  ++fake.allocations;
  if (fake.allocations_before_failure == 0) return nullptr;
  if (fake.allocations_before_failure > 0) --fake.allocations_before_failure;
  return std::malloc(bytes);
}

BOOL WINAPI HeapFree(HANDLE, DWORD, void* memory) {
  std::free(memory);
  return TRUE;
}

// user32

BOOL WINAPI EnumWindows(WNDENUMPROC callback, LPARAM value) {
  fake.calls.push_back("EnumWindows");
  for (const FakeWindow& window : fake.windows) callback(window.handle, value);
  return fake.enum_windows_fails ? FALSE : TRUE;
}

int WINAPI GetClassNameA(HWND window, LPSTR class_name, int max_count) {
  Require(max_count == 255, "GetClassNameA with a count other than 255");
  for (const FakeWindow& candidate : fake.windows) {
    if (candidate.handle != window) continue;
    if (!candidate.class_name) return 0;
    std::string name = candidate.class_name->substr(0, max_count - 1);
    std::memcpy(class_name, name.c_str(), name.size() + 1);
    return static_cast<int>(name.size());
  }
  return 0;
}

BOOL WINAPI ShowWindow(HWND window, int show) {
  fake.calls.push_back("ShowWindow(" + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                       ", " + std::to_string(show) + ")");
  return TRUE;
}

BOOL WINAPI SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy,
                         UINT flags) {
  fake.calls.push_back("SetWindowPos(" + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                       ", " + std::to_string(reinterpret_cast<uintptr_t>(insert_after)) + ", " +
                       std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(cx) +
                       ", " + std::to_string(cy) + ", " + Hex(flags) + ")");
  return TRUE;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  Require(owner == nullptr, "MessageBoxA with an owner window");
  fake.calls.push_back("MessageBoxA");
  fake.message_boxes.push_back({text, caption, type});
  return 1;
}

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int buffer_max) {
  Require(instance == reinterpret_cast<HMODULE>(fake.executable_base),
          "LoadStringA from a module other than the executable");
  std::string text = Message(id).substr(0, buffer_max - 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

// advapi32

LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD options, REGSAM desired,
                             HKEY* result) {
  Require(sub_key != nullptr, "RegOpenKeyExA with a null sub-key");
  fake.calls.push_back("RegOpenKeyExA(" + KeyName(key) + ", " + Quote(sub_key) + ", " +
                       std::to_string(options) + ", " + Hex(desired) + ")");
  std::string name = KeyName(key);
  if (*sub_key) name += "\\" + std::string(sub_key);
  auto found = fake.registry.find(name);
  bool exists = name == "HKCU" || found != fake.registry.end();
  if (!exists) return ERROR_FILE_NOT_FOUND;
  if (found != fake.registry.end() && found->second.refused) return ERROR_ACCESS_DENIED;
  uintptr_t handle = fake.next_key++;
  fake.open_keys.insert(handle);
  fake.open_key_names[handle] = name;
  *result = reinterpret_cast<HKEY>(handle);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR value_name, DWORD* reserved, DWORD* type,
                                BYTE* data, DWORD* data_size) {
  Require(reserved == nullptr, "RegQueryValueExA with a reserved pointer");
  uintptr_t handle = reinterpret_cast<uintptr_t>(key);
  fake.calls.push_back("RegQueryValueExA(" + KeyName(key) + ", " + Quote(value_name) + ", " +
                       (data ? "read" : "probe") + ")");
  Require(fake.open_keys.count(handle) != 0, "RegQueryValueExA on a key that is not open");
  FakeRegistryKey& opened = fake.registry[fake.open_key_names[handle]];
  auto found = opened.values.find(value_name);
  if (data && fake.value_changed_before_read) {
    if (found != opened.values.end()) found->second = *fake.value_changed_before_read;
    fake.value_changed_before_read.reset();
  }
  if (found == opened.values.end()) return ERROR_FILE_NOT_FOUND;
  const FakeRegistryValue& value = found->second;
  if (data && type) Require(*type == REG_NONE, "the read does not preset the type to REG_NONE");
  if (type) *type = value.type;
  if (!data) {
    if (data_size) *data_size = static_cast<DWORD>(value.data.size());
    return ERROR_SUCCESS;
  }
  if (value.data.size() > *data_size) {
    *data_size = static_cast<DWORD>(value.data.size());
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value.data.data(), value.data.size());
  *data_size = static_cast<DWORD>(value.data.size());
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
  fake.calls.push_back("RegCloseKey(" + KeyName(key) + ")");
  uintptr_t handle = reinterpret_cast<uintptr_t>(key);
  Require(fake.open_keys.erase(handle) != 0, "RegCloseKey of a key that is not open");
  return ERROR_SUCCESS;
}
