// Text: the launcher's one string type, a byte string in the ANSI code page.
//
// std::string would cost the executable about 90 KB; this is all the launcher
// needs of one.  A Text never holds a zero byte of its own, is always
// zero-terminated for the Win32 calls it is handed to, and allocates only
// when it holds something.  Memory comes from the process heap; when that is
// exhausted the allocation raises EOutOfMemory.
#pragma once

#include <cstddef>

class Text {
 public:
  Text() = default;
  Text(const char* bytes, size_t length);
  explicit Text(const char* zero_terminated);
  Text(const Text& other);
  Text(Text&& other) noexcept;
  Text& operator=(const Text& other);
  Text& operator=(Text&& other) noexcept;
  ~Text();

  size_t Length() const { return length_; }
  bool IsEmpty() const { return length_ == 0; }
  // Never null: the empty text is "".
  const char* CStr() const { return bytes_ ? bytes_ : ""; }
  // The byte at |index|; 0 at Length() (the terminating zero) and beyond.
  unsigned char ByteAt(size_t index) const {
    return index < length_ ? static_cast<unsigned char>(bytes_[index]) : 0;
  }

  void Append(const char* bytes, size_t length);
  void Append(const char* zero_terminated);
  void Append(const Text& other) { Append(other.CStr(), other.Length()); }
  void AppendByte(char byte) { Append(&byte, 1); }
  // Keeps the first |length| bytes; a longer |length| changes nothing.
  void Truncate(size_t length);
  // Makes the text exactly |length| bytes long, new bytes zero, and returns
  // its bytes for a Win32 call to fill.  Whoever fills them must keep the
  // text free of zero bytes, normally by a Truncate to what was written.
  char* SetLength(size_t length);

 private:
  char* bytes_ = nullptr;
  size_t length_ = 0;
  size_t capacity_ = 0;  // bytes available before the terminating zero
};
