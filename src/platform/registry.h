#pragma once
// The Windows registry in the INI-like form the installer uses: a key path
// plays the part of a section, a value name that of a key, and the empty name
// stands for the key's default (unnamed) value.
//
// A RegistryStore is where the values live: MemoryRegistry for the tests,
// WineRegistry (registry_wine.h) for a Wine prefix on Linux. A Windows build
// adds its own store on the registry API and its own OpenPlatformRegistry.
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace orv {

enum class RootKey { LocalMachine, CurrentUser };

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string_view RootKeyName(RootKey root);

// The registry could not be reached at all (as opposed to a missing value).
class RegistryError : public IoError {
 public:
  using IoError::IoError;
};

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // A string value; nothing when the key or the value is missing. Raises
  // RegistryError when the registry cannot be read.
  virtual std::optional<std::string> Read(RootKey root, std::string_view key,
                                          std::string_view name) = 0;
  // Writes a string value, creating the key path. Raises RegistryError.
  virtual void Write(RootKey root, std::string_view key, std::string_view name,
                     std::string_view value) = 0;
  // A directory of this machine as the Windows programs that read the registry
  // name it (C:\LIB, Z:\home\user\lib), without a trailing backslash.
  virtual std::string WindowsPathOf(const std::filesystem::path& dir) = 0;
};

class TRegIniFile {
 public:
  explicit TRegIniFile(RegistryStore& store, RootKey root = RootKey::CurrentUser)
      : store_(store), root_(root) {}

  RootKey GetRootKey() const { return root_; }
  void SetRootKey(RootKey root) { root_ = root; }

  // The value, or default_value when the key or the value is missing.
  std::string ReadString(std::string_view key, std::string_view name,
                         std::string_view default_value = {}) const;
  std::string ReadDefaultValue(std::string_view key) const { return ReadString(key, {}); }
  void WriteString(std::string_view key, std::string_view name, std::string_view value);

 private:
  RegistryStore& store_;
  RootKey root_;
};

// Key paths and value names match without regard to letter case; a key path
// may be written with or without leading and trailing backslashes.
class MemoryRegistry : public RegistryStore {
 public:
  std::optional<std::string> Read(RootKey root, std::string_view key,
                                  std::string_view name) override;
  void Write(RootKey root, std::string_view key, std::string_view name,
             std::string_view value) override;
  // windows_dir when set, otherwise the path as it stands.
  std::string WindowsPathOf(const std::filesystem::path& dir) override;

  std::string windows_dir;
  // Every write as it was asked for, key texts exactly as given.
  struct Written {
    RootKey root;
    std::string key, name, value;
  };
  std::vector<Written> written;

 private:
  std::map<std::string, std::string> values_;  // folded "root\key\\name" -> value
};

// The store of the platform the program runs on.
std::unique_ptr<RegistryStore> OpenPlatformRegistry();

}  // namespace orv
