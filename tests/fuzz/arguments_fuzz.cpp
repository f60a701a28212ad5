// The splitter on any command line: the count agrees with the arguments,
// no argument holds a quote or a zero byte, and past the count is empty.
// The one-walk search for a switch agrees with comparing every argument in
// turn.
#include <cstdint>
#include <cstring>
#include <string>

#include "src/arguments.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/host/fake_win32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fake = FakeWin32();
  fake.command_line.assign(reinterpret_cast<const char*>(data), size);
  fake.command_line.resize(std::strlen(fake.command_line.c_str()));  // ends at its first zero
  int count = ArgumentCount();
  FUZZ_CHECK(count >= 0 && static_cast<size_t>(count) <= size);
  size_t total = 0;
  for (int i = 1; i <= count; ++i) {
    Text argument = ArgumentAt(i);
    FUZZ_CHECK(!argument.IsEmpty());
    FUZZ_CHECK(std::strlen(argument.CStr()) == argument.Length());
    FUZZ_CHECK(std::memchr(argument.CStr(), '"', argument.Length()) == nullptr);
    total += argument.Length();
  }
  FUZZ_CHECK(total <= size);
  FUZZ_CHECK(ArgumentAt(count + 1).IsEmpty());
  FUZZ_CHECK(ArgumentAt(count + 7).IsEmpty());

  auto compare_each = [count](const char* wanted) {
    for (int i = 1; i <= count; ++i) {
      if (EqualIgnoringCase(ArgumentAt(i), wanted)) return true;
    }
    return false;
  };
  FUZZ_CHECK(AnyArgumentEqualsIgnoringCase("/autostart") == compare_each("/autostart"));
  if (count > 0) {
    std::string last = ArgumentAt(count).CStr();
    for (char& c : last) {
      if (c >= 'A' && c <= 'Z') c += 0x20;
    }
    FUZZ_CHECK(AnyArgumentEqualsIgnoringCase(last.c_str()));
    last.pop_back();
    FUZZ_CHECK(AnyArgumentEqualsIgnoringCase(last.c_str()) == compare_each(last.c_str()));
  }
  return 0;
}
