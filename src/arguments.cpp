// Splitting the command line.
//
// The rules are the launcher's, not those of the C run-time or of
// CommandLineToArgvW: every byte from 0x01 to 0x20 separates, a quote opens a
// stretch that runs to the next quote (or the end) and joins whatever touches
// it, there is no escape character, and two quotes where an item would start
// are skipped like a blank, so no empty argument can be given.  Bytes are
// taken one at a time: no byte of the quote or blank range can be the trail
// byte of a Shift-JIS character.  Items of any length are kept whole.
//
// Every request splits the text from its start, but walks it once: items
// before the one asked for are skipped without being built, so a request
// costs time linear in the text and allocates only for the item it gives.
#include "src/arguments.h"

#include "runtime/module_path.h"
#include "runtime/win32.h"

namespace {

bool IsBlank(unsigned char byte) { return byte >= 0x01 && byte <= 0x20; }

unsigned char At(const char* text, size_t position) {
  return static_cast<unsigned char>(text[position]);
}

// a to z folded to A to Z, every other byte as it is.
unsigned char FoldCase(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 0x20) : byte;
}

// Receives an item stretch by stretch: |length| bytes at |bytes|.
using StretchSink = void (*)(void* context, const char* bytes, size_t length);

// One splitter step from |position|: skips the separators, then hands each
// stretch of the item's bytes to |sink| and leaves |position| on the byte
// that ended the item.  Gives the item's length.  The walk is the only cost:
// what becomes of the bytes is the sink's affair, so skipping or comparing
// an item builds nothing.
size_t SplitItem(const char* command_line, size_t& position, StretchSink sink, void* context) {
  for (;;) {
    while (IsBlank(At(command_line, position))) ++position;
    if (At(command_line, position) == '"' && At(command_line, position + 1) == '"') {
      position += 2;
      continue;
    }
    break;
  }

  size_t length = 0;
  while (At(command_line, position) > 0x20) {
    bool quoted = At(command_line, position) == '"';
    size_t start = quoted ? ++position : position;
    if (quoted) {
      while (At(command_line, position) != 0 && At(command_line, position) != '"') ++position;
    } else {
      while (At(command_line, position) > 0x20 && At(command_line, position) != '"') ++position;
    }
    if (position > start) {
      sink(context, command_line + start, position - start);
      length += position - start;
    }
    if (quoted && At(command_line, position) == '"') ++position;
  }
  return length;
}

void AppendStretch(void* item, const char* bytes, size_t length) {
  static_cast<Text*>(item)->Append(bytes, length);
}

void DropStretch(void*, const char*, size_t) {}

// Skips one item; false when it was the empty item, the end of the arguments.
bool SkipItem(const char* command_line, size_t& position) {
  return SplitItem(command_line, position, DropStretch, nullptr) != 0;
}

// Compares a text, stretch by stretch, with a zero-terminated one: equal
// length and equal bytes once a to z are folded to A to Z.
struct ItemMatch {
  const char* wanted;
  size_t matched = 0;
  bool equal = true;

  static void Compare(void* context, const char* bytes, size_t length) {
    auto& match = *static_cast<ItemMatch*>(context);
    for (size_t i = 0; i < length && match.equal; ++i, ++match.matched) {
      unsigned char expected = static_cast<unsigned char>(match.wanted[match.matched]);
      match.equal = expected != 0 && FoldCase(At(bytes, i)) == FoldCase(expected);
    }
  }
  bool Matches() const { return equal && wanted[matched] == 0; }
};

}  // namespace

Text NextArgument(const char* command_line, size_t& position) {
  Text item;
  SplitItem(command_line, position, AppendStretch, &item);
  return item;
}

int ArgumentCount() {
  const char* command_line = GetCommandLineA();
  size_t position = 0;
  SkipItem(command_line, position);  // the program name
  int count = 0;
  while (SkipItem(command_line, position)) ++count;
  return count;
}

Text ArgumentAt(int index) {
  if (index == 0) return ModuleFileName();
  if (index < 0) return Text();
  const char* command_line = GetCommandLineA();
  size_t position = 0;
  SkipItem(command_line, position);  // the program name
  for (int i = 1; i < index; ++i) {
    if (!SkipItem(command_line, position)) return Text();
  }
  return NextArgument(command_line, position);
}

bool EqualIgnoringCase(const Text& a, const char* b) {
  ItemMatch match{b};
  ItemMatch::Compare(&match, a.CStr(), a.Length());
  return match.Matches();
}

bool AnyArgumentEqualsIgnoringCase(const char* wanted) {
  const char* command_line = GetCommandLineA();
  size_t position = 0;
  SkipItem(command_line, position);  // the program name
  for (;;) {
    ItemMatch match{wanted};
    if (SplitItem(command_line, position, ItemMatch::Compare, &match) == 0) return false;
    if (match.Matches()) return true;
  }
}
