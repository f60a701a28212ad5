// The Windows side of the end-to-end tests.
#include "tests/wine/driver.h"

#include <cstdio>

namespace {

std::string launcher_source;
std::string stub_source;
std::string record_file;

std::string ReadFileText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char buffer[4096];
  DWORD got;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

struct BoxSearch {
  DWORD process_id;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM value) {
  auto* search = reinterpret_cast<BoxSearch*>(value);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char class_name[64];
  if (owner == search->process_id && GetClassNameA(window, class_name, sizeof class_name) &&
      lstrcmpA(class_name, "#32770") == 0 && IsWindowVisible(window)) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<Started> ReadRecords() {
  std::vector<Started> started;
  std::string text = ReadFileText(record_file);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    size_t bar = line.find('|');
    started.push_back({line.substr(0, bar), bar == std::string::npos ? "" : line.substr(bar + 1)});
    start = end + 1;
  }
  return started;
}

// Whether the job still holds a program of the test's own.  Wine's own
// programs (the desktop's explorer.exe, services) join the job too when a
// run happens to start them, and they outlive the run: they are not waited
// for.
bool OwnProcessesLeft(HANDLE job) {
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more_ids[63];
  } ids{};
  ids.list.NumberOfAssignedProcesses = 64;
  if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr)) {
    return false;
  }
  char windows[MAX_PATH];
  UINT windows_length = GetWindowsDirectoryA(windows, MAX_PATH);
  for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 static_cast<DWORD>(ids.list.ProcessIdList[i]));
    if (!process) continue;
    char image[MAX_PATH] = "";
    DWORD length = MAX_PATH;
    QueryFullProcessImageNameA(process, 0, image, &length);
    DWORD exit_code = 0;
    bool running = GetExitCodeProcess(process, &exit_code) && exit_code == STILL_ACTIVE;
    CloseHandle(process);
    if (running && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, image, windows_length,
                                  windows, windows_length) != CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

// The lower-case file name of the DLL a load event reports.
std::string LoadedDllName(const LOAD_DLL_DEBUG_INFO& load) {
  char path[MAX_PATH] = "";
  if (load.hFile) {
    GetFinalPathNameByHandleA(load.hFile, path, sizeof path, FILE_NAME_NORMALIZED);
    CloseHandle(load.hFile);
  }
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
  }
  return name;
}

// Lets a debuggee run on, noting the DLLs it loads; its own exceptions go to
// its own handlers.
void DrainDebugEvents(Outcome& outcome) {
  DEBUG_EVENT event;
  while (WaitForDebugEvent(&event, 0)) {
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case LOAD_DLL_DEBUG_EVENT:
        outcome.dlls.push_back(LoadedDllName(event.u.LoadDll));
        break;
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
          status = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
}

std::string DosPath(const char* unix_path) {
  std::string path = std::string("Z:") + unix_path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace

int failures = 0;

namespace {

std::string Recode(const std::string& text, UINT from, UINT to) {
  int wide_length =
      MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(wide_length, L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      wide_length);
  int length = WideCharToMultiByte(to, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string recoded(length, '\0');
  WideCharToMultiByte(to, 0, wide.data(), wide_length, recoded.data(), length, nullptr, nullptr);
  return recoded;
}

}  // namespace

std::string Ansi(const std::string& utf8) { return Recode(utf8, CP_UTF8, CP_ACP); }

std::string Utf8(const std::string& ansi) { return Recode(ansi, CP_ACP, CP_UTF8); }

void MakeDirectory(const std::string& path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
}

std::string MakeSandbox(const std::string& name) {
  std::string sandbox = "C:\\e2e\\" + name;
  RemoveTree(sandbox);
  MakeDirectory(sandbox);
  RecordStartsIn(sandbox + "\\started.txt");
  return sandbox;
}

void RecordStartsIn(const std::string& file) {
  record_file = file;
  SetEnvironmentVariableA("REVADOR_RECORD", record_file.c_str());
}

void PlaceStub(const std::string& directory) {
  MakeDirectory(directory);
  Check(CopyFileA(stub_source.c_str(), (directory + "\\REVADOR.EXE").c_str(), FALSE),
        "copy the stub into " + directory);
}

Installation Install(const std::string& directory, bool with_stub) {
  MakeDirectory(directory);
  Installation installation{directory, directory + "\\LX7314.EXE"};
  Check(CopyFileA(launcher_source.c_str(), installation.launcher.c_str(), FALSE),
        "copy the launcher into " + directory);
  if (with_stub) PlaceStub(directory);
  return installation;
}

Outcome Run(const Installation& installation, const std::string& command_line,
            const RunOptions& options) {
  Outcome outcome;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string mutable_line = command_line;
  // The launcher runs in a job, which what it starts joins too: the run is
  // over when no program of ours is left in it, whether or not WinExec waited
  // for the start.
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  DWORD flags = CREATE_SUSPENDED | (options.watch_dlls ? DEBUG_ONLY_THIS_PROCESS : 0);
  if (!CreateProcessA(installation.launcher.c_str(), mutable_line.data(), nullptr, nullptr, FALSE,
                      flags, nullptr, "C:\\", &startup, &process)) {
    Check(false, "CreateProcessA " + installation.launcher);
    CloseHandle(job);
    return outcome;
  }
  AssignProcessToJobObject(job, process.hProcess);
  if (options.while_suspended) options.while_suspended(installation);
  ResumeThread(process.hThread);
  DWORD waited = 0;
  for (;;) {
    if (options.watch_dlls) DrainDebugEvents(outcome);
    DWORD result = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) break;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    BoxSearch search{process.dwProcessId, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box) {
      ++outcome.boxes;
      outcome.box_title = WindowText(search.box);
      outcome.box_text = WindowText(GetDlgItem(search.box, 0xFFFF));
      if (options.before_closing_box) options.before_closing_box(search.box);
      PostMessageA(search.box, WM_COMMAND, IDOK, 0);
      Sleep(200);
    }
    waited += 50;
    if (waited > options.timeout_ms) {
      outcome.timed_out = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
  }
  GetExitCodeProcess(process.hProcess, &outcome.exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int i = 0; i < 200 && OwnProcessesLeft(job); ++i) Sleep(50);
  CloseHandle(job);
  outcome.started = ReadRecords();
  Check(!outcome.timed_out, "the launcher ended in time");
  return outcome;
}

bool Loaded(const Outcome& outcome, const std::string& dll) {
  for (const std::string& name : outcome.dlls) {
    if (name == dll) return true;
  }
  return false;
}

void Check(bool ok, const std::string& what) {
  if (ok) return;
  ++failures;
  std::printf("FAILED: %s\n", what.c_str());
}

void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what) {
  Check(actual == expected, what + ": got [" + actual + "], expected [" + expected + "]");
}

void CheckEqual(long long actual, long long expected, const std::string& what) {
  Check(actual == expected, what + ": got " + std::to_string(actual) + ", expected " +
                                std::to_string(expected));
}

void CheckStartedOnce(const Outcome& outcome, const std::string& directory,
                      const std::string& argument) {
  CheckEqual(outcome.exit_code, 0, "exit code");
  CheckEqual(outcome.boxes, 0, "boxes");
  CheckEqual(outcome.started.size(), 1, "starts");
  if (outcome.started.size() != 1) return;
  CheckEqual(outcome.started[0].directory, directory, "current directory of the start");
  CheckEqual(outcome.started[0].command_line, "\"" + directory + "\\REVADOR.EXE\" " + argument,
             "command line of the start");
}

void CheckReport(const Outcome& outcome, const std::string& class_name,
                 const std::string& module_name, const std::string& message_and_ending) {
  CheckEqual(outcome.boxes, 1, "report boxes");
  CheckEqual(outcome.box_title, Ansi("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"), "report title");
  std::string head = class_name + Ansi("がﾓｼﾞｭｰﾙ ") + module_name + Ansi(" の\n");
  std::string tail = Ansi(" で発生しました。\n") + message_and_ending + "\n";
  const std::string& text = outcome.box_text;
  bool shaped = text.size() == head.size() + 8 + tail.size() && text.compare(0, head.size(), head) == 0 &&
                text.compare(head.size() + 8, std::string::npos, tail) == 0;
  for (size_t i = 0; shaped && i < 8; ++i) {
    char c = text[head.size() + i];
    shaped = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
  }
  Check(shaped, "report text [" + text + "] is not [" + head + "XXXXXXXX" + tail + "]");
}

void SetSources(const char* launcher_unix_path, const char* stub_unix_path) {
  launcher_source = DosPath(launcher_unix_path);
  stub_source = DosPath(stub_unix_path);
}

namespace {

const char kInstallKey[] = "SOFTWARE\\Kelmor\\ReVador\\9.0";

}  // namespace

void SetInstallDir(DWORD type, const std::string& data) {
  HKEY key;
  Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS,
        "create the InstallDir key");
  // RegSetValueExA may store a zero that merely follows the data in memory:
  // the copy below is followed by a non-zero byte.
  std::string padded = data + "X";
  Check(RegSetValueExA(key, "InstallDir", 0, type, reinterpret_cast<const BYTE*>(padded.data()),
                       static_cast<DWORD>(data.size())) == ERROR_SUCCESS,
        "set InstallDir");
  RegCloseKey(key);
}

void ClearInstallDir() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kInstallKey); }

void WriteSettings(const std::string& revador_section_lines) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string path = std::string(windows) + "\\LX7314.INI";
  DeleteFileA(path.c_str());
  if (revador_section_lines.empty()) return;
  std::string text = "[REVADOR]\r\n" + revador_section_lines;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written;
  Check(file != INVALID_HANDLE_VALUE && WriteFile(file, text.data(), static_cast<DWORD>(text.size()),
                                                  &written, nullptr),
        "write " + path);
  CloseHandle(file);
}

HWND MakeWindow(const std::string& class_name, int show_command) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = class_name.c_str();
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, class_name.c_str(), "e2e", WS_OVERLAPPEDWINDOW, 10, 10, 200,
                                100, nullptr, nullptr, window_class.hInstance, nullptr);
  Check(window != nullptr, "create a window of class " + class_name);
  ShowWindow(window, show_command);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  return window;
}
