// Double-byte-aware scans.
#include "runtime/mbcs.h"

#include <cstring>

#include "runtime/win32.h"

ByteKind ByteKindAt(const Text& text, size_t index) {
  size_t p = 0;
  for (;;) {
    bool lead = IsDBCSLeadByte(text.ByteAt(p));
    if (p == index) return lead ? ByteKind::kLead : ByteKind::kSingle;
    if (lead) {
      if (p + 1 == index) return ByteKind::kTrail;
      p += 2;
    } else {
      p += 1;
    }
  }
}

size_t LastDelimiter(const Text& text, const char* delimiters) {
  size_t last = kNotFound;
  size_t p = 0;
  while (p < text.Length()) {
    unsigned char byte = text.ByteAt(p);
    if (IsDBCSLeadByte(byte)) {
      p += 2;  // a lead byte in the last position ends the walk
      continue;
    }
    // strchr also finds the terminating zero of |delimiters|.
    if (byte != 0 && std::strchr(delimiters, byte)) last = p;
    p += 1;
  }
  return last;
}
