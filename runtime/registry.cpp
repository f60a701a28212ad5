// Reading a text value from the registry.
//
// The calls follow the reader's fixed order: creation opens
// HKEY_CURRENT_USER, the root change closes it again, and the section read
// opens the section key, probes the value twice (does it exist, how large is
// it) and reads it.  Registry data need not end in a zero byte, so the text
// is cut at the first zero among the bytes actually returned, never looked
// for beyond them.
#include "runtime/registry.h"

#include "runtime/exceptions.h"
#include "runtime/messages.h"

namespace {

constexpr REGSAM kReadAccess = KEY_READ;

[[noreturn]] void RaiseValueError(MessageId id, const char* ident) {
  MessageBuffer format, message;
  LoadMessage(id, format);
  const FormatArg args[] = {ident};
  FormatText(message, format, args);
  RaiseRegistryException(message);
}

}  // namespace

void RegKey::reset(HKEY key) {
  if (key_) RegCloseKey(key_);
  key_ = key;
}

void TRegistry::SetRootKey(HKEY root) {
  if (root == root_key_) return;
  root_key_ = root;
  current_key_.reset();
}

TRegIniFile::TRegIniFile() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKey(), "", 0, kReadAccess, &key) == ERROR_SUCCESS) current_key_.reset(key);
}

Text TRegIniFile::ReadString(const char* section, const char* ident, const Text& default_value) {
  HKEY parent = current_key_ ? current_key_.get() : RootKey();
  if (*section == '\\') {
    parent = RootKey();
    ++section;
  }
  HKEY opened = nullptr;
  RegOpenKeyExA(parent, section, 0, kReadAccess, &opened);
  if (!opened) return default_value;
  RegKey key(opened);

  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), ident, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return default_value;
  }
  if (RegQueryValueExA(key.get(), ident, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    size = static_cast<DWORD>(-1);
  }
  if (static_cast<int32_t>(size) <= 0) return Text();

  Text data;
  BYTE* bytes = reinterpret_cast<BYTE*>(data.SetLength(size));
  DWORD read_type = REG_NONE;
  DWORD read_size = size;
  if (RegQueryValueExA(key.get(), ident, nullptr, &read_type, bytes, &read_size) != ERROR_SUCCESS) {
    RaiseValueError(kRegistryGetFailedMessage, ident);
  }
  return RegistryDataAsText(data.CStr(), read_size < size ? read_size : size, read_type, ident);
}

Text RegistryDataAsText(const char* data, DWORD size, DWORD type, const char* ident) {
  if (type != REG_SZ && type != REG_EXPAND_SZ) RaiseValueError(kRegistryDataTypeMessage, ident);
  DWORD length = 0;
  while (length < size && data[length] != '\0') ++length;
  return Text(data, length);
}
