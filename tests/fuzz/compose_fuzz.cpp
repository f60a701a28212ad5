// ComposeCommandLine for any directory and argument: the whole line, in
// order, never cut.
#include <cstdint>
#include <string>

#include "src/launch_attempt.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/host/fake_win32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fake = FakeWin32();
  std::vector<std::string> parts = SplitInput(data, size, 2);
  Text line = ComposeCommandLine(Text(parts[0].c_str()), Text(parts[1].c_str()));
  std::string expected = "\"" + parts[0] + "\\REVADOR.EXE\" " + parts[1];
  FUZZ_CHECK(std::string(line.CStr(), line.Length()) == expected);
  return 0;
}
