// Reading the settings file.
//
// The file is named without a directory, so GetPrivateProfileIntA looks for
// it in the Windows directory.  Each key is read at the moment it is needed,
// and only zero against non-zero counts: a missing file, section or key
// reads as 0.
#include "src/settings.h"

#include "runtime/win32.h"
#include "src/arguments.h"

namespace {

const char kSettingsFile[] = "LX7314.INI";
const char kSection[] = "REVADOR";
const char kAutoStartSwitch[] = "/autostart";

bool SettingEnabled(const char* key) {
  return GetPrivateProfileIntA(kSection, key, 0, kSettingsFile) != 0;
}

}  // namespace

bool SkipAutoStart() {
  if (!SettingEnabled("AUTOSTART")) return false;
  return AnyArgumentEqualsIgnoringCase(kAutoStartSwitch);
}

bool ForceMultiEnabled() { return SettingEnabled("FORCEMULTI"); }
