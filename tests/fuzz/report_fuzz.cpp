// The report text for any class name, module path and message: never more
// than 255 bytes, and the module name never taken from inside a double-byte
// character.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/error_report.h"
#include "runtime/exceptions.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/host/fake_win32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fake = FakeWin32();
  std::vector<std::string> parts = SplitInput(data, size, 3);
  MessageBuffer report;
  FormatErrorReport(report, parts[0].c_str(), Text(parts[1].c_str()), size, parts[2].c_str());
  size_t length = std::strlen(report.text);
  FUZZ_CHECK(length <= 255);
  // The text opens with the class name (or as much of it as fits).
  FUZZ_CHECK(std::strncmp(report.text, parts[0].c_str(), std::min(length, parts[0].size())) == 0);

  // The same through an exception, whose message holds at most 255 bytes.
  try {
    RaiseRegistryException(parts[2].c_str());
  } catch (const Exception& error) {
    FUZZ_CHECK(std::strlen(error.Message()) <= 255);
    FUZZ_CHECK(parts[2].compare(0, std::strlen(error.Message()), error.Message()) == 0);
  }
  return 0;
}
