// What the end-to-end tests need from Windows: a fresh directory per case,
// the launcher and the stub copied into it, the launcher started with an
// exact command line, its report box read and closed, and what the stub
// recorded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Where the launcher and the stub are copied from, as Linux paths.
void SetSources(const char* launcher_unix_path, const char* stub_unix_path);

// |utf8| in the ANSI code page of the running system (932 in the tests).
std::string Ansi(const std::string& utf8);
// |ansi| from the ANSI code page in UTF-8, for a Linux terminal.
std::string Utf8(const std::string& ansi);

struct Installation {
  std::string directory;  // without a trailing '\'
  std::string launcher;   // full path of LX7314.EXE
};

// The case's sandbox, C:\e2e\<name>, emptied; REVADOR_RECORD points into it.
std::string MakeSandbox(const std::string& name);
// Where the stub records its starts (REVADOR_RECORD), and Run reads them.
void RecordStartsIn(const std::string& file);
void MakeDirectory(const std::string& path);
// Copies LX7314.EXE, and the stub as REVADOR.EXE when |with_stub|, into
// |directory|, which is made first.
Installation Install(const std::string& directory, bool with_stub);
void PlaceStub(const std::string& directory);

struct Started {
  std::string directory;
  std::string command_line;
};

struct Outcome {
  DWORD exit_code = 0;
  bool timed_out = false;
  int boxes = 0;             // report boxes seen (and closed)
  std::string box_title;
  std::string box_text;
  std::vector<Started> started;  // what the stub recorded, in order
  std::vector<std::string> dlls;  // with RunOptions::watch_dlls: file names, lower case
};

struct RunOptions {
  // Runs while the launcher is created but still suspended.
  void (*while_suspended)(const Installation&) = nullptr;
  // Runs the launcher as a debuggee, to see which DLLs it loads.
  bool watch_dlls = false;
  // Runs when a report box has been read, before it is closed.
  void (*before_closing_box)(HWND box) = nullptr;
  DWORD timeout_ms = 60000;
};

// Starts |launcher| with exactly |command_line| and waits for it, and for
// whatever it started, to end; meanwhile pumps messages for this process's
// windows and reads and closes report boxes.
Outcome Run(const Installation& installation, const std::string& command_line,
            const RunOptions& options = {});

// Whether the launcher loaded |dll| (lower case, e.g. "user32.dll").
bool Loaded(const Outcome& outcome, const std::string& dll);

// Checks that print a line for each failure.
extern int failures;
void Check(bool ok, const std::string& what);
void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what);
void CheckEqual(long long actual, long long expected, const std::string& what);
// The run ended normally after one start, from |directory| with |argument|
// handed on.
void CheckStartedOnce(const Outcome& outcome, const std::string& directory,
                      const std::string& argument);
// The report text matches class, module name, any address and message.
void CheckReport(const Outcome& outcome, const std::string& class_name,
                 const std::string& module_name, const std::string& message_and_ending);

// InstallDir under HKLM\SOFTWARE\Kelmor\ReVador\9.0 (the 32-bit view), set
// with exactly these bytes and this type; ClearInstallDir removes the key.
void SetInstallDir(DWORD type, const std::string& data);
void ClearInstallDir();

// C:\windows\LX7314.INI with these lines under [REVADOR]; empty: no file.
void WriteSettings(const std::string& revador_section_lines);

// A top-level window of a class registered by this process.
HWND MakeWindow(const std::string& class_name, int show_command);
