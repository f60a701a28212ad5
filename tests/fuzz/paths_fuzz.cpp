// The double-byte path scans on any bytes: DirectoryOfPath gives a prefix
// that ends in a real separator or is empty; StripTrailingBackslash removes
// at most one byte, and only a single-byte '\'.
#include <cstdint>
#include <cstring>
#include <string>

#include "runtime/mbcs.h"
#include "src/launch_attempt.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/host/fake_win32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fake = FakeWin32();
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.resize(std::strlen(bytes.c_str()));
  Text path(bytes.c_str());

  Text directory = DirectoryOfPath(path);
  FUZZ_CHECK(directory.Length() <= path.Length());
  FUZZ_CHECK(std::memcmp(directory.CStr(), path.CStr(), directory.Length()) == 0);
  if (!directory.IsEmpty()) {
    size_t last = directory.Length() - 1;
    FUZZ_CHECK(directory.ByteAt(last) == '\\' || directory.ByteAt(last) == ':');
    FUZZ_CHECK(ByteKindAt(path, last) == ByteKind::kSingle);
  }

  Text stripped = path;
  StripTrailingBackslash(stripped);
  FUZZ_CHECK(stripped.Length() == path.Length() || stripped.Length() + 1 == path.Length());
  FUZZ_CHECK(std::memcmp(stripped.CStr(), path.CStr(), stripped.Length()) == 0);
  if (stripped.Length() != path.Length()) {
    FUZZ_CHECK(path.ByteAt(stripped.Length()) == '\\');
    FUZZ_CHECK(ByteKindAt(path, stripped.Length()) == ByteKind::kSingle);
  }
  return 0;
}
