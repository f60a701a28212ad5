// The registry reader: a stand-in for the parts of TRegistry and TRegIniFile
// that the launcher uses, which is reading one text value.
//
// Every key handle is owned by a RegKey, so it is closed on every way out,
// an exception included.  Keys are opened for reading only: a standard user
// is refused KEY_ALL_ACCESS on HKEY_LOCAL_MACHINE\SOFTWARE, and the reader
// never writes.
#pragma once

#include "runtime/text.h"
#include "runtime/win32.h"

// Owns one open registry key and closes it with RegCloseKey.  Null is the
// invalid value; the predefined root keys are never owned.
class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(HKEY key) : key_(key) {}
  RegKey(RegKey&& other) noexcept : key_(other.release()) {}
  RegKey& operator=(RegKey&& other) noexcept {
    reset(other.release());
    return *this;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { reset(); }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  void reset(HKEY key = nullptr);
  HKEY release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
  }

 private:
  HKEY key_ = nullptr;
};

class TRegistry {
 public:
  TRegistry() = default;  // root HKEY_CURRENT_USER, no current key
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_key_; }
  // A different root releases the current key.
  void SetRootKey(HKEY root);

 protected:
  RegKey current_key_;

 private:
  HKEY root_key_ = HKEY_CURRENT_USER;
};

class TRegIniFile : public TRegistry {
 public:
  // Made with the empty name, the reader opens HKEY_CURRENT_USER itself as
  // its current key.
  TRegIniFile();

  // The text of value |ident| of key |section|: |default_value| when the key
  // cannot be opened or the value does not exist, the empty text when its
  // data are empty.  Raises ERegistryException when the value exists but
  // cannot be read, or is not of a text type.
  Text ReadString(const char* section, const char* ident, const Text& default_value);
};

// The text held by registry data |data| of |size| bytes and type |type|:
// up to the first zero byte, or all of it when there is none; REG_EXPAND_SZ
// is taken as stored.  Raises ERegistryException (data-type message, naming
// |ident|) for any type but REG_SZ and REG_EXPAND_SZ.
Text RegistryDataAsText(const char* data, DWORD size, DWORD type, const char* ident);
