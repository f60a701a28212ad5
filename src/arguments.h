// The launcher's command-line arguments.
//
// Argument 0 is the launcher's own executable path; arguments 1 to
// ArgumentCount() come from the command line, split anew at every request.
// An argument that is not there is the empty text.
#pragma once

#include <cstddef>

#include "runtime/text.h"

// One splitter step from |position| in |command_line|: skips the separators,
// gives the next item and leaves |position| on the byte that ended it.
Text NextArgument(const char* command_line, size_t& position);

int ArgumentCount();
Text ArgumentAt(int index);

// Equal length and equal bytes once a to z are folded to A to Z; no locale.
bool EqualIgnoringCase(const Text& a, const char* b);

// True when one of arguments 1 to ArgumentCount() is EqualIgnoringCase to
// |wanted|.  One walk over the command line, building no argument.
bool AnyArgumentEqualsIgnoringCase(const char* wanted);
