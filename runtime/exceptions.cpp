// Raising the run-time layer's exceptions.
//
// The Raise* functions are kept out of line so that __builtin_return_address
// names the launcher's code that raised, which the report shows as the
// error's address.
#include "runtime/exceptions.h"

#include "runtime/messages.h"

Exception::Exception(const char* class_name, const char* message, const void* address)
    : class_name_(class_name), address_(reinterpret_cast<uintptr_t>(address)) {
  int length = 0;
  while (message[length] && length < kMessageCapacity - 1) {
    message_[length] = message[length];
    ++length;
  }
  message_[length] = '\0';
}

__attribute__((noinline)) void RaiseInOutError(const char* message) {
  throw EInOutError(message, __builtin_return_address(0));
}

__attribute__((noinline)) void RaiseRegistryException(const char* message) {
  throw ERegistryException(message, __builtin_return_address(0));
}

__attribute__((noinline)) void RaiseOutOfMemory() {
  MessageBuffer message;
  LoadMessage(kOutOfMemoryMessage, message);
  throw EOutOfMemory(message, __builtin_return_address(0));
}
