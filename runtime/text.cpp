// Text storage on the process heap.
#include "runtime/text.h"

#include <cstring>

#include "runtime/exceptions.h"
#include "runtime/win32.h"

namespace {

char* AllocateBytes(size_t count) {
  void* memory = HeapAlloc(GetProcessHeap(), 0, count);
  if (!memory) RaiseOutOfMemory();
  return static_cast<char*>(memory);
}

}  // namespace

Text::Text(const char* bytes, size_t length) { Append(bytes, length); }

Text::Text(const char* zero_terminated) { Append(zero_terminated); }

Text::Text(const Text& other) { Append(other); }

Text::Text(Text&& other) noexcept
    : bytes_(other.bytes_), length_(other.length_), capacity_(other.capacity_) {
  other.bytes_ = nullptr;
  other.length_ = other.capacity_ = 0;
}

Text& Text::operator=(const Text& other) {
  if (this != &other) {
    Text copy(other);
    *this = static_cast<Text&&>(copy);
  }
  return *this;
}

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    if (bytes_) HeapFree(GetProcessHeap(), 0, bytes_);
    bytes_ = other.bytes_;
    length_ = other.length_;
    capacity_ = other.capacity_;
    other.bytes_ = nullptr;
    other.length_ = other.capacity_ = 0;
  }
  return *this;
}

Text::~Text() {
  if (bytes_) HeapFree(GetProcessHeap(), 0, bytes_);
}

void Text::Append(const char* bytes, size_t length) {
  if (length == 0) return;
  size_t needed = length_ + length;
  if (needed < length_ || needed + 1 < needed) RaiseOutOfMemory();
  if (needed > capacity_) {
    // Grow geometrically, so that a text built byte by byte stays linear.
    size_t capacity = capacity_ < 16 ? 16 : capacity_ * 2;
    if (capacity < needed || capacity + 1 < capacity) capacity = needed;
    char* grown = AllocateBytes(capacity + 1);
    if (length_) std::memcpy(grown, bytes_, length_);
    // |bytes| may point into the old storage: copy before releasing it.
    std::memcpy(grown + length_, bytes, length);
    if (bytes_) HeapFree(GetProcessHeap(), 0, bytes_);
    bytes_ = grown;
    capacity_ = capacity;
  } else {
    std::memmove(bytes_ + length_, bytes, length);
  }
  length_ = needed;
  bytes_[length_] = '\0';
}

void Text::Append(const char* zero_terminated) {
  Append(zero_terminated, std::strlen(zero_terminated));
}

void Text::Truncate(size_t length) {
  if (length >= length_) return;
  length_ = length;
  bytes_[length_] = '\0';
}

char* Text::SetLength(size_t length) {
  if (length <= length_) {
    Truncate(length);
  } else {
    size_t extra = length - length_;
    // Zero bytes are appended through a small block to avoid a second buffer.
    static const char kZeros[64] = {};
    while (extra) {
      size_t chunk = extra < sizeof kZeros ? extra : sizeof kZeros;
      Append(kZeros, chunk);
      extra -= chunk;
    }
  }
  return bytes_ ? bytes_ : const_cast<char*>("");
}
