// Walking a text under the double-byte rule of the ANSI code page.
//
// In Shift-JIS the second byte of a double-byte character may be 0x5C, the
// code of '\', so a path must never be searched for separators byte by byte.
// Walking from the first byte: a byte that follows a lead byte is a trail
// byte; any other byte is a lead byte when IsDBCSLeadByte says so, else a
// single-byte character.  Only single-byte characters are separators.
#pragma once

#include <cstddef>

#include "runtime/text.h"

enum class ByteKind { kSingle, kLead, kTrail };

// The kind of the byte at |index| of |text|.
ByteKind ByteKindAt(const Text& text, size_t index);

constexpr size_t kNotFound = static_cast<size_t>(-1);

// The position of the last single-byte character of |text| that is one of
// |delimiters|, or kNotFound.
size_t LastDelimiter(const Text& text, const char* delimiters);
