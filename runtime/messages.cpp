// Loading and formatting message-table texts.
//
// The placeholders are ASCII and Shift-JIS trail bytes start at 0x40, so a
// '%' in a format is always a real one and the scan can go byte by byte.
#include "runtime/messages.h"

namespace {

class Output {
 public:
  Output(char* out, int capacity) : out_(out), room_(capacity - 1) {}
  ~Output() { *out_ = '\0'; }

  void Put(char byte) {
    if (room_ > 0) {
      *out_++ = byte;
      --room_;
    }
  }
  void Put(const char* text) {
    while (*text) Put(*text++);
  }

 private:
  char* out_;
  int room_;
};

void PutNumber(Output& output, int32_t value) {
  char digits[12];
  int count = 0;
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : value;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) output.Put('-');
  while (count) output.Put(digits[--count]);
}

void PutAddress(Output& output, uintptr_t address) {
  static const char kHex[] = "0123456789ABCDEF";
  uint32_t value = static_cast<uint32_t>(address);
  for (int shift = 28; shift >= 0; shift -= 4) output.Put(kHex[(value >> shift) & 0xF]);
}

}  // namespace

void LoadMessage(UINT id, char* buffer, int capacity) {
  buffer[0] = '\0';
  if (LoadStringA(GetModuleHandleA(nullptr), id, buffer, capacity) <= 0) buffer[0] = '\0';
}

void FormatText(char* out, int capacity, const char* format, const FormatArg* args,
                int arg_count) {
  if (capacity <= 0) return;
  Output output(out, capacity);
  int next = 0;
  for (const char* p = format; *p; ++p) {
    if (*p != '%' || (p[1] != 's' && p[1] != 'd' && p[1] != 'p' && p[1] != '%')) {
      output.Put(*p);
      continue;
    }
    char kind = *++p;
    if (kind == '%') {
      output.Put('%');
      continue;
    }
    if (next >= arg_count) continue;
    const FormatArg& arg = args[next++];
    switch (arg.kind) {
      case FormatArg::kText: output.Put(arg.text); break;
      case FormatArg::kNumber: PutNumber(output, arg.number); break;
      case FormatArg::kAddress: PutAddress(output, arg.address); break;
    }
  }
}
