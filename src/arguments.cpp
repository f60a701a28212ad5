// Splitting the command line.
//
// The rules are the launcher's, not those of the C run-time or of
// CommandLineToArgvW: every byte from 0x01 to 0x20 separates, a quote opens a
// stretch that runs to the next quote (or the end) and joins whatever touches
// it, there is no escape character, and two quotes where an item would start
// are skipped like a blank, so no empty argument can be given.  Bytes are
// taken one at a time: no byte of the quote or blank range can be the trail
// byte of a Shift-JIS character.  Items of any length are kept whole.
#include "src/arguments.h"

#include <cstring>

#include "runtime/module_path.h"
#include "runtime/win32.h"

namespace {

bool IsBlank(unsigned char byte) { return byte >= 0x01 && byte <= 0x20; }

unsigned char At(const char* text, size_t position) {
  return static_cast<unsigned char>(text[position]);
}

}  // namespace

Text NextArgument(const char* command_line, size_t& position) {
  for (;;) {
    while (IsBlank(At(command_line, position))) ++position;
    if (At(command_line, position) == '"' && At(command_line, position + 1) == '"') {
      position += 2;
      continue;
    }
    break;
  }

  Text item;
  while (At(command_line, position) > 0x20) {
    if (At(command_line, position) != '"') {
      size_t start = position;
      while (At(command_line, position) > 0x20 && At(command_line, position) != '"') ++position;
      item.Append(command_line + start, position - start);
      continue;
    }
    size_t start = ++position;
    while (At(command_line, position) != 0 && At(command_line, position) != '"') ++position;
    item.Append(command_line + start, position - start);
    if (At(command_line, position) == '"') ++position;
  }
  return item;
}

int ArgumentCount() {
  const char* command_line = GetCommandLineA();
  size_t position = 0;
  NextArgument(command_line, position);  // the program name
  int count = 0;
  while (!NextArgument(command_line, position).IsEmpty()) ++count;
  return count;
}

Text ArgumentAt(int index) {
  if (index == 0) return ModuleFileName();
  const char* command_line = GetCommandLineA();
  size_t position = 0;
  for (;;) {
    Text item = NextArgument(command_line, position);
    if (index == 0 || item.IsEmpty()) return index == 0 ? item : Text();
    --index;
  }
}

bool EqualIgnoringCase(const Text& a, const char* b) {
  size_t length = std::strlen(b);
  if (a.Length() != length) return false;
  for (size_t i = 0; i < length; ++i) {
    unsigned char x = a.ByteAt(i);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 0x20;
    if (y >= 'a' && y <= 'z') y -= 0x20;
    if (x != y) return false;
  }
  return true;
}
