// The exception classes of the run-time layer.
//
// Every error the launcher raises is an Exception: a class name, a message in
// the ANSI code page and the code address it was raised from, which is all the
// unhandled-error report shows.  The message lives inside the object, so that
// raising never needs the heap: EOutOfMemory must be raisable when the heap
// is exhausted.  Raise them through the Raise* functions below, which record
// the caller's address.
#pragma once

#include <cstdint>

#include "runtime/win32.h"

class Exception {
 public:
  static constexpr int kMessageCapacity = 256;  // bytes, the terminating zero included

  const char* ClassName() const { return class_name_; }
  const char* Message() const { return message_; }
  uintptr_t Address() const { return address_; }

 protected:
  // |message| is cut to kMessageCapacity - 1 bytes.
  Exception(const char* class_name, const char* message, const void* address);

 private:
  const char* class_name_;
  uintptr_t address_;
  char message_[kMessageCapacity];
};

// A refused directory change; the message is IoErrorText of the system's code.
class EInOutError : public Exception {
 public:
  EInOutError(const char* message, const void* address)
      : Exception("EInOutError", message, address) {}
};

// A registry value that exists but cannot be read as text.
class ERegistryException : public Exception {
 public:
  ERegistryException(const char* message, const void* address)
      : Exception("ERegistryException", message, address) {}
};

// The heap is exhausted; the message is message 65415.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory(const char* message, const void* address)
      : Exception("EOutOfMemory", message, address) {}
};

[[noreturn]] void RaiseInOutError(const char* message);
[[noreturn]] void RaiseRegistryException(const char* message);
[[noreturn]] void RaiseOutOfMemory();
