// Registry data to text for any data, type and size: a prefix of the data
// without zero bytes for the text types, ERegistryException for the others,
// and never a byte read beyond the data (AddressSanitizer watches).
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/exceptions.h"
#include "runtime/registry.h"
#include "src/install_dir.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/host/fake_win32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fake = FakeWin32();
  if (size < 1) return 0;
  DWORD type = data[0] % 12;
  // An exactly sized copy, so that any read past the data is caught.
  std::vector<char> bytes(data + 1, data + size);
  DWORD length = static_cast<DWORD>(bytes.size());
  try {
    Text text = RegistryDataAsText(bytes.data(), length, type, "InstallDir");
    FUZZ_CHECK(type == REG_SZ || type == REG_EXPAND_SZ);
    FUZZ_CHECK(text.Length() <= length);
    FUZZ_CHECK(text.IsEmpty() || std::memcmp(text.CStr(), bytes.data(), text.Length()) == 0);
    FUZZ_CHECK(text.Length() == length || bytes[text.Length()] == '\0');
    FUZZ_CHECK(std::strlen(text.CStr()) == text.Length());
  } catch (const ERegistryException&) {
    FUZZ_CHECK(type != REG_SZ && type != REG_EXPAND_SZ);
  }

  // The whole lookup with that value: whatever it gives or raises, every
  // key it opened is closed again.
  fake.registry["HKLM\\SOFTWARE\\Kelmor\\ReVador\\9.0"].values["InstallDir"] = {
      type, std::string(bytes.begin(), bytes.end())};
  try {
    Text text = ReadInstallDir();
    FUZZ_CHECK(std::strlen(text.CStr()) == text.Length());
  } catch (const ERegistryException&) {
  }
  FUZZ_CHECK(fake.open_keys.empty());
  FUZZ_CHECK(fake.violations.empty());
  return 0;
}
