// GetModuleFileNameA without silent truncation.
//
// When the path does not fit, GetModuleFileNameA fills the whole area and
// returns its size (Windows XP leaves the result unterminated, later systems
// also set ERROR_INSUFFICIENT_BUFFER).  A result equal to the capacity is
// therefore always taken as "too small" and the call is repeated with a
// larger area, up to the longest path Windows has.
#include "runtime/module_path.h"

#include "runtime/win32.h"

namespace {

constexpr DWORD kFirstCapacity = 261;  // MAX_PATH and its terminating zero
constexpr DWORD kLongestPath = 32768;  // the limit of "\\?\" paths

}  // namespace

Text ModuleFileName() {
  Text path;
  for (DWORD capacity = kFirstCapacity; capacity <= 2 * kLongestPath; capacity *= 2) {
    DWORD length = GetModuleFileNameA(nullptr, path.SetLength(capacity), capacity);
    if (length == 0) break;
    if (length < capacity) {
      path.Truncate(length);
      return path;
    }
  }
  return Text();
}
