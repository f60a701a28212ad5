// Hostile input: every run ends in one of the launcher's documented ways
// within the time limit, never in a crash, a hang or a second message.  None
// of these inputs is an error: each run does nothing or starts the stub.
#include <string>

#include "tests/wine/cases.h"
#include "tests/wine/driver.h"

namespace {

enum class Ending { kNothing, kStart };

struct Hostile {
  std::string command_line;           // after "LX7314.EXE"; unused when |whole_line|
  bool whole_line = false;            // command_line is the whole line
  std::string settings;               // lines of [REVADOR], or none
  std::string install_dir_data;       // InstallDir as REG_SZ, unless empty
  Ending ending = Ending::kStart;
  std::string handed_on;              // for kStart: the argument, when checked
  bool check_handed_on = false;
  bool stub_in_install_dir = false;   // InstallDir names a directory with the stub
};

void RunHostile(const std::string& sandbox, const Hostile& h) {
  Installation own = Install(sandbox + "\\own", true);
  WriteSettings(h.settings);
  std::string start_directory = own.directory;
  if (h.stub_in_install_dir) {
    start_directory = sandbox + "\\installed";
    PlaceStub(start_directory);
    SetInstallDir(REG_SZ, start_directory);  // no terminating zero
  } else if (!h.install_dir_data.empty()) {
    SetInstallDir(REG_SZ, h.install_dir_data);
  }
  Outcome outcome = Run(own, h.whole_line ? h.command_line : "LX7314.EXE" + h.command_line);
  ClearInstallDir();
  WriteSettings("");

  Check(outcome.boxes <= 1, "at most one message");
  switch (h.ending) {
    case Ending::kNothing:
      CheckEqual(outcome.exit_code, 0, "exit code");
      CheckEqual(outcome.started.size(), 0, "starts");
      break;
    case Ending::kStart:
      if (h.check_handed_on) {
        CheckStartedOnce(outcome, start_directory, h.handed_on);
      } else {
        CheckEqual(outcome.exit_code, 0, "exit code");
        CheckEqual(outcome.started.size(), 1, "starts");
      }
      break;
  }
}

Hostile LongCommandLine() {
  std::string argument(32000 - 11, 'a');
  return {" " + argument, false, "", "", Ending::kStart, argument, true};
}

Hostile ThousandArguments() {
  std::string line;
  for (int i = 1; i <= 1000; ++i) line += " a" + std::to_string(i);
  return {line, false, "", "", Ending::kStart, "a1", true};
}

Hostile ControlBytes() {
  std::string line;
  for (char byte = 0x01; byte <= 0x1F; ++byte) line += std::string(1, byte) + "x";
  return {line, false, "", "", Ending::kStart, "x", true};
}

Hostile HighBytes() {
  std::string line = " ";
  for (int byte = 0x80; byte <= 0xFF; ++byte) line += static_cast<char>(byte);
  line += " \x81 \xE0";  // lone lead bytes
  return {line, false, "", "", Ending::kStart, "", false};
}

Hostile LongQuotedArgument() {
  std::string argument;
  while (argument.size() < 300) argument += "word ";
  argument.resize(300);
  return {" \"" + argument + "\"", false, "", "", Ending::kStart, argument, true};
}

// AUTOSTART as written, with the switch: the ending follows whatever
// GetPrivateProfileIntA makes of it, read here the same way.
Hostile Setting(const std::string& value) {
  WriteSettings("AUTOSTART=" + value + "\r\n");
  bool on = GetPrivateProfileIntA("REVADOR", "AUTOSTART", 0, "LX7314.INI") != 0;
  return {" /autostart", false, "AUTOSTART=" + value + "\r\n", "",
          on ? Ending::kNothing : Ending::kStart, "/autostart", !on};
}

Hostile HugeInstallDir() {
  return {" doc", false, "", std::string(1 << 20, 'd'), Ending::kStart, "doc", true};
}

const struct {
  const char* name;
  Hostile (*make)();
} kHostile[] = {
    {"hostile_32000_byte_command_line", LongCommandLine},
    {"hostile_1000_arguments", ThousandArguments},
    {"hostile_unbalanced_quote", [] { return Hostile{" \"abc def", false, "", "", Ending::kStart, "abc def", true}; }},
    {"hostile_control_bytes", ControlBytes},
    {"hostile_high_bytes", HighBytes},
    {"hostile_empty_command_line", [] { return Hostile{"", true, "", "", Ending::kStart, "", true}; }},
    {"hostile_300_byte_argument", LongQuotedArgument},
    {"hostile_setting_abc", [] { return Setting("abc"); }},
    {"hostile_setting_minus_one", [] { return Setting("-1"); }},
    {"hostile_setting_blank_7", [] { return Setting(" 7"); }},
    {"hostile_setting_hex", [] { return Setting("0x10"); }},
    {"hostile_setting_huge", [] { return Setting("99999999999"); }},
    {"hostile_install_dir_1mb", HugeInstallDir},
    {"hostile_install_dir_without_zero", [] {
       Hostile h{" doc", false, "", "", Ending::kStart, "doc", true};
       h.stub_in_install_dir = true;
       return h;
     }},
};

}  // namespace

namespace {

const bool kRegistered = [] {
  for (const auto& row : kHostile) {
    Case c{row.name, [make = row.make](const std::string& sandbox) { RunHostile(sandbox, make()); }};
    RegisterCaseTable(&c, 1);
  }
  return true;
}();

}  // namespace
