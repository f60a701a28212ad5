// The main application's installation directory, as the registry names it.
#pragma once

#include "runtime/text.h"

// The text of InstallDir under HKEY_LOCAL_MACHINE\SOFTWARE\Kelmor\ReVador\9.0,
// or the empty text when the key or the value is missing.  Raises
// ERegistryException when the value exists but is not readable text.
Text ReadInstallDir();

// The install-directory attempt: one launch from that directory when it is
// named.  True when the main application was started there.  A failure
// inside the attempt is absorbed silently; an error of ReadInstallDir is not.
bool LaunchFromInstallDir();
