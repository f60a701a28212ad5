// Building and showing the unhandled-error report.
#include "runtime/error_report.h"

#include <cstring>

#include "runtime/mbcs.h"
#include "runtime/module_path.h"
#include "runtime/win32.h"

namespace {

constexpr int kReportTextArea = 64;    // the format and the title each fit in 63 bytes
constexpr size_t kModuleNameMax = 63;  // bytes, cut without regard to characters

// The linker's default base for an executable (tests/build checks the file).
// With ASLR, Windows loads the image elsewhere after every boot; counted from
// this base, the same fault always shows the same address, and that address
// can be looked up in the link map.
constexpr uintptr_t kPreferredImageBase = 0x00400000;

}  // namespace

uintptr_t AddressAtPreferredBase(uintptr_t address, uintptr_t actual_base) {
  if (address == 0) return 0;
  return static_cast<uint32_t>(address - actual_base + kPreferredImageBase);
}

void FormatErrorReport(MessageBuffer& report, const char* class_name,
                       const Text& module_path, uintptr_t address, const char* message) {
  size_t separator = LastDelimiter(module_path, "\\");
  size_t name_start = separator == kNotFound ? 0 : separator + 1;
  Text module_name(module_path.CStr() + name_start, module_path.Length() - name_start);
  module_name.Truncate(kModuleNameMax);

  size_t message_length = std::strlen(message);
  const char* ending = message_length && message[message_length - 1] != '.' ? "." : "";

  char format[kReportTextArea];
  LoadMessage(kReportFormat, format, sizeof format);
  const FormatArg args[] = {class_name, module_name.CStr(), FormatArg::Address(address),
                            message, ending};
  FormatText(report, format, args);
}

void ShowErrorReport(const char* class_name, uintptr_t address, const char* message) {
  address = AddressAtPreferredBase(address, reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr)));
  MessageBuffer report;
  try {
    FormatErrorReport(report, class_name, ModuleFileName(), address, message);
  } catch (...) {
    // Out of memory while naming the module: report without its name.
    FormatErrorReport(report, class_name, Text(), address, message);
  }
  char title[kReportTextArea];
  LoadMessage(kReportTitle, title, sizeof title);
  MessageBoxA(nullptr, report, title, MB_OK | MB_ICONHAND | MB_TASKMODAL);
}
