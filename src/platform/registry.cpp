#include "platform/registry.h"

#include "platform/text_case.h"

namespace orv {

std::string_view RootKeyName(RootKey root) {
  return root == RootKey::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string TRegIniFile::ReadString(std::string_view key, std::string_view name,
                                    std::string_view default_value) const {
  std::optional<std::string> value = store_.Read(root_, key, name);
  return value ? *value : std::string(default_value);
}

void TRegIniFile::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  store_.Write(root_, key, name, value);
}

namespace {
// Value names may hold backslashes, so the name is set off by a character that
// no key path or value name contains.
std::string MemoryKey(RootKey root, std::string_view key, std::string_view name) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return std::string(RootKeyName(root)) + "\\" + LowerCase(key) + '\0' + LowerCase(name);
}
}  // namespace

std::optional<std::string> MemoryRegistry::Read(RootKey root, std::string_view key,
                                                std::string_view name) {
  auto it = values_.find(MemoryKey(root, key, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemoryRegistry::Write(RootKey root, std::string_view key, std::string_view name,
                           std::string_view value) {
  values_[MemoryKey(root, key, name)] = std::string(value);
  written.push_back({root, std::string(key), std::string(name), std::string(value)});
}

std::string MemoryRegistry::WindowsPathOf(const std::filesystem::path& dir) {
  return windows_dir.empty() ? PathToUtf8(dir) : windows_dir;
}

}  // namespace orv
