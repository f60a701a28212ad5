// The message table and the one formatter its texts need.
//
// Every text the launcher can show is an entry of the string table in
// res/launcher.rc, stored as UTF-16 and loaded with LoadStringA, so it arrives
// in the ANSI code page of the running system (Shift-JIS on a Japanese one).
#pragma once

#include <cstdint>

#include "runtime/win32.h"

enum MessageId : UINT {
  kRegistryDataTypeMessage = 61626,   // "'%s' のﾃﾞｰﾀ型が不正です"
  kRegistryGetFailedMessage = 61629,  // "'%s' の取得に失敗しました"
  kOutOfMemoryMessage = 65415,
  kIoErrorMessageFirst = 65416,  // 65416 to 65422: codes 2, 3, 4, 5, 100, 101, 106
  kIoErrorOtherMessage = 65423,  // "I/O ｴﾗｰ (%d)"
  kReportFormat = 65438,
  kReportTitle = 65439,
};

// Room for any message; longer results are cut.
struct MessageBuffer {
  static constexpr int kCapacity = 256;  // the terminating zero included
  char text[kCapacity];
  operator const char*() const { return text; }
};

// Loads message |id| into |buffer| of |capacity| bytes; a missing entry
// gives the empty text.
void LoadMessage(UINT id, char* buffer, int capacity);
inline void LoadMessage(UINT id, MessageBuffer& buffer) {
  LoadMessage(id, buffer.text, MessageBuffer::kCapacity);
}

// One value for a placeholder: %s takes a text, %d a number in signed
// decimal, %p an address as eight upper-case hexadecimal digits.
struct FormatArg {
  enum Kind { kText, kNumber, kAddress } kind;
  const char* text;
  int32_t number;
  uintptr_t address;

  FormatArg(const char* value) : kind(kText), text(value), number(0), address(0) {}
  static FormatArg Number(int32_t value) { return {kNumber, "", value, 0}; }
  static FormatArg Address(uintptr_t value) { return {kAddress, "", 0, value}; }

 private:
  FormatArg(Kind k, const char* t, int32_t n, uintptr_t a)
      : kind(k), text(t), number(n), address(a) {}
};

// Replaces the placeholders of |format| in order by |args| and writes the
// result, cut to |capacity| - 1 bytes, zero-terminated, into |out|.  A
// placeholder without an argument becomes the empty text; "%%" is one "%".
void FormatText(char* out, int capacity, const char* format, const FormatArg* args,
                int arg_count);

template <int N>
void FormatText(MessageBuffer& out, const char* format, const FormatArg (&args)[N]) {
  FormatText(out.text, MessageBuffer::kCapacity, format, args, N);
}
