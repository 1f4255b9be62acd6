#include "platform/registry_wine.h"

#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>

#include "platform/text_case.h"
#include "platform/utf8.h"

extern char** environ;

namespace orv {

// AutoCAD 2000 is a 32-bit program: its keys live in the 32-bit view of a
// 64-bit prefix (Wow6432Node under HKEY_LOCAL_MACHINE).
constexpr const char* kRegistryView = "/reg:32";

namespace {

std::string EnvValue(const char* name) {
  const char* value = getenv(name);
  return value ? value : "";
}

// The program as execve wants it: a path, found on PATH unless it has a slash.
std::string FindOnPath(const std::string& program) {
  if (program.find('/') != std::string::npos) return program;
  std::string path = EnvValue("PATH");
  if (path.empty()) path = "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    std::string dir = path.substr(start, end - start);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    std::string_view entry(*e);
    std::string_view name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const std::string& x : extra) {
      if (std::string_view(x).substr(0, x.find('=')) == name) replaced = true;
    }
    if (!replaced) env.emplace_back(entry);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  return env;
}

// An unnamed temporary file for a child's output: unlike a pipe it never
// blocks, and a Wine server that the child starts may keep it open for as long
// as it likes.
class CaptureFile {
 public:
  CaptureFile() {
    std::string name = (std::filesystem::temp_directory_path() / "orvpak-out-XXXXXX").string();
    fd_ = mkstemp(name.data());
    if (fd_ < 0) throw RegistryError("Не удается создать временный файл");
    unlink(name.c_str());
  }
  ~CaptureFile() { close(fd_); }
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;
  int fd() const { return fd_; }
  std::string Contents() const {
    std::string text;
    char buffer[4096];
    off_t offset = 0;
    ssize_t n;
    while ((n = pread(fd_, buffer, sizeof buffer, offset)) > 0) {
      text.append(buffer, static_cast<size_t>(n));
      offset += n;
    }
    return text;
  }

 private:
  int fd_ = -1;
};

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  size_t i = 0;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE)
    i = 2;
  auto unit = [&](size_t at) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                 (static_cast<unsigned char>(bytes[at + 1]) << 8));
  };
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size()) {
      char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    out += EncodeUtf8(cp);
  }
  return out;
}

// A quoted .reg string starting at pos (on the opening quote); pos ends past
// the closing quote.
std::optional<std::string> ParseQuoted(std::string_view text, size_t& pos) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  std::string value;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return value;
    }
    if (c == '\\' && pos + 1 < text.size()) {
      char next = text[++pos];
      value += next == 'n' ? '\n' : next == 'r' ? '\r' : next == '0' ? '\0' : next;
    } else {
      value += c;
    }
  }
  return std::nullopt;
}

// hex(2): / hex(1): data, the UTF-16 bytes of an (expandable) string.
std::string HexStringValue(std::string_view hex) {
  std::string bytes;
  int digit_count = 0;
  unsigned byte = 0;
  for (char c : hex) {
    int v = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                   : -1;
    if (v < 0) {
      digit_count = 0;
      continue;
    }
    byte = byte * 16 + static_cast<unsigned>(v);
    if (++digit_count == 2) {
      bytes.push_back(static_cast<char>(byte));
      digit_count = 0;
      byte = 0;
    }
  }
  std::string value = Utf16LeToUtf8(bytes);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

std::string RegKeyPath(RootKey root, std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  std::string path(RootKeyName(root));
  if (!key.empty()) path += "\\" + std::string(key);
  return path;
}

bool LocaleIsUtf8() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    std::string value = LowerCase(EnvValue(name));
    if (!value.empty())
      return value.find("utf-8") != std::string::npos || value.find("utf8") != std::string::npos;
  }
  return false;
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& argv,
                      const std::vector<std::string>& extra_environment, int timeout_seconds) {
  if (argv.empty()) throw RegistryError("Не задана программа");
  std::string program = FindOnPath(argv[0]);
  if (program.empty()) throw RegistryError("Не найдена программа " + argv[0]);

  std::vector<std::string> env = ChildEnvironment(extra_environment);
  std::vector<char*> args, envp;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  CaptureFile out, err;
  int null_fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  pid_t pid = fork();
  if (pid < 0) {
    if (null_fd >= 0) close(null_fd);
    throw RegistryError("Не удается запустить " + argv[0] + ": " + std::strerror(errno));
  }
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    if (null_fd >= 0) dup2(null_fd, 0);
    dup2(out.fd(), 1);
    dup2(err.fd(), 2);
    execve(program.c_str(), args.data(), envp.data());
    _exit(127);
  }
  if (null_fd >= 0) close(null_fd);

  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
  int status = 0;
  for (;;) {
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) throw RegistryError("Ошибка ожидания " + argv[0]);
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      throw RegistryError("Программа " + argv[0] + " не завершилась вовремя");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ProgramRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = out.Contents();
  run.err = err.Contents();
  if (run.exit_code == 127 && run.out.empty() && run.err.empty())
    throw RegistryError("Не удается запустить " + argv[0]);
  return run;
}

std::string DecodeRegExport(std::string_view bytes) {
  return Utf16LeToUtf8(bytes);
}

std::optional<std::string> FindRegExportValue(std::string_view reg_text, std::string_view name) {
  // Physical lines ending in a backslash continue a value's hex data; a string
  // line always ends with its closing quote.
  std::vector<std::string> lines;
  bool continued = false;
  size_t pos = 0;
  while (pos < reg_text.size()) {
    size_t end = reg_text.find('\n', pos);
    if (end == std::string_view::npos) end = reg_text.size();
    std::string_view line = reg_text.substr(pos, end - pos);
    pos = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (continued) {
      while (line.starts_with(' ')) line.remove_prefix(1);
      lines.back() += line;
    } else {
      lines.emplace_back(line);
    }
    continued = lines.back().ends_with('\\');
    if (continued) lines.back().pop_back();
  }

  // Only the first key: an export also holds every subkey after it.
  size_t i = 0;
  while (i < lines.size() && !lines[i].starts_with('[')) ++i;
  for (++i; i < lines.size() && !lines[i].starts_with('['); ++i) {
    std::string_view line = lines[i];
    size_t cursor = 0;
    bool match = false;
    if (line.starts_with('@')) {
      match = name.empty();
      cursor = 1;
    } else if (line.starts_with('"')) {
      std::optional<std::string> value_name = ParseQuoted(line, cursor);
      match = value_name && !name.empty() && EqualsNoCase(*value_name, name);
    }
    if (!match || cursor >= line.size() || line[cursor] != '=') continue;
    std::string_view data = line.substr(cursor + 1);
    if (data.starts_with('"')) {
      size_t at = 0;
      return ParseQuoted(data, at);
    }
    if (data.starts_with("hex(2):") || data.starts_with("hex(1):"))
      return HexStringValue(data.substr(7));
    return std::nullopt;
  }
  return std::nullopt;
}

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {
  if (prefix_.empty()) {
    std::string env = EnvValue("WINEPREFIX");
    prefix_ = !env.empty() ? std::filesystem::path(env)
                           : std::filesystem::path(EnvValue("HOME")) / ".wine";
  }
}

bool WineRegistry::PrefixExists() const {
  std::error_code ec;
  return std::filesystem::is_directory(prefix_ / "dosdevices", ec);
}

ProgramRun WineRegistry::Wine(std::vector<std::string> args) const {
  std::vector<std::string> env = {"WINEPREFIX=" + prefix_.string()};
  if (EnvValue("WINEDEBUG").empty()) env.push_back("WINEDEBUG=-all");
  if (!LocaleIsUtf8()) env.push_back("LC_ALL=C.UTF-8");
  return RunProgram(args, env);
}

std::optional<std::string> WineRegistry::Read(RootKey root, std::string_view key,
                                              std::string_view name) {
  if (!PrefixExists()) return std::nullopt;
  std::error_code ec;
  std::string pattern = (std::filesystem::temp_directory_path() / "orvpak-reg-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw RegistryError("Не удается создать временный каталог");
  std::filesystem::path dir(pattern);
  // Wine maps the Unix path of the export file to a drive of the prefix.
  std::filesystem::path file = dir / "key.reg";
  std::vector<std::string> args = {"wine",        "reg", "export",     RegKeyPath(root, key),
                                   file.string(), "/y",  kRegistryView};
  ProgramRun run = Wine(args);
  // A missing key and a Wine that failed to start under load end alike; one
  // more try tells them apart well enough.
  if (run.exit_code != 0) run = Wine(args);
  std::optional<std::string> value;
  if (run.exit_code == 0) {
    std::string bytes;
    try {
      bytes = ReadFileBytes(file);
    } catch (const IoError&) {
      std::filesystem::remove_all(dir, ec);
      throw RegistryError("Wine не выгрузил раздел реестра " + RegKeyPath(root, key));
    }
    value = FindRegExportValue(DecodeRegExport(bytes), name);
  }
  std::filesystem::remove_all(dir, ec);
  return value;
}

void WineRegistry::Write(RootKey root, std::string_view key, std::string_view name,
                         std::string_view value) {
  std::vector<std::string> args = {"wine", "reg", "add", RegKeyPath(root, key)};
  if (name.empty()) {
    args.push_back("/ve");
  } else {
    args.insert(args.end(), {"/v", std::string(name)});
  }
  args.insert(args.end(), {"/t", "REG_SZ", "/d", std::string(value), "/f", kRegistryView});
  ProgramRun run = Wine(args);
  if (run.exit_code != 0) {
    throw RegistryError("Не удается записать в реестр Wine " + RegKeyPath(root, key) + ": " +
                        run.out + run.err);
  }
}

std::string WineRegistry::WindowsPathOf(const std::filesystem::path& dir) {
  ProgramRun run = Wine({"winepath", "-w", PathToUtf8(dir)});
  std::string path = run.out;
  while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
  if (run.exit_code != 0 || path.empty())
    throw RegistryError("Wine не дал путь Windows для " + PathToUtf8(dir));
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::unique_ptr<RegistryStore> OpenPlatformRegistry() {
  return std::make_unique<WineRegistry>();
}

}  // namespace orv

#endif  // _WIN32
