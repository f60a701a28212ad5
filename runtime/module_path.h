// The full path of the launcher's own executable file.
#pragma once

#include "runtime/text.h"

// As GetModuleFileNameA reports it; the empty text when the call fails.
// A path that does not fit the area is never taken as if it were whole: the
// area grows until it fits.
Text ModuleFileName();
