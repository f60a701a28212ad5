// The install-directory attempt.
//
// Everything from the directory change to the start is allowed to fail
// quietly: an installation directory that has gone or holds no
// REVADOR.EXE only means the launcher falls back to its own directory.  A
// value that exists but cannot be read is a broken installation, though, and
// is left to the unhandled-error report.
#include "src/install_dir.h"

#include <cstdint>

#include "runtime/registry.h"
#include "src/launch_attempt.h"

namespace {

const char kInstallKey[] = "SOFTWARE\\Kelmor\\ReVador\\9.0";
const char kInstallValue[] = "InstallDir";
constexpr int32_t kFirstSuccessfulStart = 32;  // WinExec's results below are failures

}  // namespace

Text ReadInstallDir() {
  TRegIniFile reader;
  reader.SetRootKey(HKEY_LOCAL_MACHINE);
  return reader.ReadString(kInstallKey, kInstallValue, Text());
}

bool LaunchFromInstallDir() {
  LaunchDir = ReadInstallDir();
  if (LaunchDir.IsEmpty()) return false;
  StripTrailingBackslash(LaunchDir);
  try {
    return static_cast<int32_t>(EnterAndStart()) >= kFirstSuccessfulStart;
  } catch (...) {
    return false;
  }
}
