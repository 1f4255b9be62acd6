// The registry store of the Windows build, on the Win32 registry API.
#include "platform/registry.h"

#ifdef _WIN32

#include "platform/win32.h"

namespace orv {

namespace {

// AutoCAD 2000 is a 32-bit program: on 64-bit Windows its machine keys live in
// the 32-bit view, which a 64-bit program sees only when it asks for it.
constexpr REGSAM kView = KEY_WOW64_32KEY;

HKEY RootHandle(RootKey root) {
  return root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring KeyPath(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return WideFromUtf8(key);
}

std::string Where(RootKey root, std::string_view key) {
  return std::string(RootKeyName(root)) + "\\" + std::string(key);
}

class KeyHandle {
 public:
  KeyHandle() = default;
  ~KeyHandle() {
    if (key_) RegCloseKey(key_);
  }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

class Win32Registry : public RegistryStore {
 public:
  std::optional<std::string> Read(RootKey root, std::string_view key,
                                  std::string_view name) override {
    KeyHandle handle;
    LONG status = RegOpenKeyExW(RootHandle(root), KeyPath(key).c_str(), 0, KEY_QUERY_VALUE | kView,
                                handle.Out());
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS)
      throw RegistryError("Не удается открыть раздел реестра " + Where(root, key));

    std::wstring value_name = WideFromUtf8(name);
    // The value may grow between the two calls; ask again until it fits.
    std::wstring data;
    for (;;) {
      DWORD type = 0, bytes = 0;
      status = RegQueryValueExW(handle.Get(), value_name.c_str(), nullptr, &type, nullptr, &bytes);
      if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (status != ERROR_SUCCESS)
        throw RegistryError("Не удается прочитать значение реестра " + Where(root, key));
      if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
      data.assign(bytes / sizeof(wchar_t) + 1, L'\0');
      DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
      status = RegQueryValueExW(handle.Get(), value_name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(data.data()), &size);
      if (status == ERROR_MORE_DATA) continue;
      if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (status != ERROR_SUCCESS)
        throw RegistryError("Не удается прочитать значение реестра " + Where(root, key));
      data.resize(size / sizeof(wchar_t));
      break;
    }
    // Stored strings need not end in a terminator, or may carry several.
    while (!data.empty() && data.back() == L'\0') data.pop_back();
    return Utf8FromWide(data);
  }

  void Write(RootKey root, std::string_view key, std::string_view name,
             std::string_view value) override {
    KeyHandle handle;
    LONG status = RegCreateKeyExW(RootHandle(root), KeyPath(key).c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE | kView, nullptr, handle.Out(), nullptr);
    if (status != ERROR_SUCCESS)
      throw RegistryError("Не удается создать раздел реестра " + Where(root, key));
    std::wstring data = WideFromUtf8(value);
    std::wstring value_name = WideFromUtf8(name);
    status = RegSetValueExW(handle.Get(), value_name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
      throw RegistryError("Не удается записать значение реестра " + Where(root, key));
  }

  // Programs here name directories as they are: absolute, with backslashes.
  std::string WindowsPathOf(const std::filesystem::path& dir) override {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
    if (ec) absolute = dir;
    std::string path = PathToUtf8(absolute.make_preferred());
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
  }
};

}  // namespace

std::unique_ptr<RegistryStore> OpenPlatformRegistry() {
  return std::make_unique<Win32Registry>();
}

}  // namespace orv

#endif  // _WIN32
