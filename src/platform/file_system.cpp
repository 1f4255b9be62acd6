#include "platform/file_system.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <system_error>

#include "platform/ini_file.h"
#include "platform/text_case.h"
#include "platform/utf8.h"

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orv {

#ifdef _WIN32
namespace {

// Windows finds a file under any letter case of its name; callers get the name
// that the disk holds, as the directory scan gives it elsewhere.
fs::path SpelledAsOnDisk(const fs::path& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return path;
  FindClose(find);
  // Only the name changes; the directory part keeps its spelling, separators included.
  return fs::path(path).replace_filename(data.cFileName);
}

// Elsewhere a read-only file is replaced or deleted like any other, since only
// its directory's permissions count; Windows refuses both until the attribute
// is cleared.
void ClearReadOnly(const fs::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
}

}  // namespace
#endif

fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
  std::u8string u = path.u8string();
  return std::string(u.begin(), u.end());
}

std::string FileNameOf(const fs::path& path) {
  return PathToUtf8(path.filename());
}

namespace {

std::u32string Decode(std::string_view text) {
  std::u32string out;
  size_t pos = 0;
  while (pos < text.size()) out.push_back(NextCodePoint(text, pos));
  return out;
}

bool MatchFrom(const std::u32string& name, size_t n, const std::u32string& pat, size_t p) {
  while (p < pat.size()) {
    if (pat[p] == U'*') {
      while (p < pat.size() && pat[p] == U'*') ++p;
      if (p == pat.size()) return true;
      for (size_t k = n; k <= name.size(); ++k) {
        if (MatchFrom(name, k, pat, p)) return true;
      }
      return false;
    }
    if (n == name.size()) return false;
    if (pat[p] != U'?' && pat[p] != name[n]) return false;
    ++n;
    ++p;
  }
  return n == name.size();
}

bool NameLess(const std::string& a, const std::string& b) {
  std::string la = LowerCase(a), lb = LowerCase(b);
  if (la != lb) return la < lb;
  return a < b;
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // "*.*" and "*" take every name, as on Windows.
  if (pattern == "*" || pattern == "*.*") return true;
  return MatchFrom(Decode(LowerCase(name)), 0, Decode(LowerCase(pattern)), 0);
}

std::vector<std::string> ListDirectory(const fs::path& dir, std::string_view pattern,
                                       bool include_directories) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return names;
  for (const auto& entry : it) {
    std::error_code kind_ec;
    bool is_dir = entry.is_directory(kind_ec);
    if (is_dir && !include_directories) continue;
    std::string name = FileNameOf(entry.path());
    if (MatchesPattern(name, pattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::optional<fs::path> FindFile(const fs::path& dir, std::string_view name) {
  if (name.empty()) return std::nullopt;
  std::error_code ec;
  fs::path exact = dir / PathFromUtf8(name);
#ifdef _WIN32
  if (fs::exists(fs::symlink_status(exact, ec))) return SpelledAsOnDisk(exact);
#else
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
#endif
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return std::nullopt;
  std::optional<std::string> best;
  for (const auto& entry : it) {
    std::string entry_name = FileNameOf(entry.path());
    if (EqualsNoCase(entry_name, name) && (!best || entry_name < *best)) best = entry_name;
  }
  if (!best) return std::nullopt;
  return dir / PathFromUtf8(*best);
}

fs::path ResolveFile(const fs::path& dir, std::string_view name) {
  fs::path relative = JoinPath(fs::path(), name);
  fs::path current = dir;
  bool found_all = true;
  auto parts = std::vector<fs::path>(relative.begin(), relative.end());
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string part = PathToUtf8(parts[i]);
    if (part.empty() || part == "." || part == ".." || !found_all) {
      current /= parts[i];
      continue;
    }
    auto found = FindFile(current, part);
    if (found) {
      current = *found;
    } else {
      found_all = false;
      current /= parts[i];
    }
  }
  return current;
}

fs::path ResolvePath(const fs::path& path) {
  if (!path.has_filename()) return path;
  return ResolveFile(path.parent_path(), FileNameOf(path));
}

bool FileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(ResolvePath(path), ec);
}

bool DirectoryExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool DeleteFile(const fs::path& path) {
  fs::path target = ResolvePath(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) return false;
#ifdef _WIN32
  ClearReadOnly(target);
#endif
  bool removed = fs::remove(target, ec);
  ForgetIniFile(target);
  return removed && !ec;
}

bool RenameFile(const fs::path& from, const fs::path& to) {
  fs::path source = ResolvePath(from);
  fs::path target = ResolvePath(to);
  std::error_code ec;
  if (!fs::exists(source, ec)) return false;
  // A destination that is only the source under another letter case is not another file.
  if (fs::exists(target, ec) && !fs::equivalent(source, target, ec)) return false;
  const bool same_file = fs::exists(target, ec);
  if (same_file) target = to;
#ifdef _WIN32
  // Some file systems (Wine's among them) take a rename that changes only the
  // letter case for done and leave the name as it was; a detour through
  // another name changes it everywhere.
  if (same_file && FileNameOf(source) != FileNameOf(target)) {
    fs::path detour = source;
    detour += ".rename";
    fs::rename(source, detour, ec);
    if (!ec) {
      fs::rename(detour, target, ec);
      std::error_code back;
      if (ec) fs::rename(detour, source, back);
    }
  } else {
    fs::rename(source, target, ec);
  }
#else
  fs::rename(source, target, ec);
#endif
  ForgetIniFile(source);
  ForgetIniFile(target);
  return !ec;
}

bool CopyFile(const fs::path& from, const fs::path& to) {
  fs::path source = ResolvePath(from);
  fs::path target = ResolvePath(to);
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) return false;
  if (fs::exists(target, ec) && fs::equivalent(source, target, ec)) return true;
  try {
    WriteFileAtomic(target, ReadFileBytes(source));
  } catch (const IoError&) {
    return false;
  }
  // A copied description file is read anew, even inside a batch.
  ForgetIniFile(target);
  return true;
}

std::string ReadFileBytes(const fs::path& path) {
  fs::path resolved = ResolvePath(path);
  std::error_code ec;
  // A directory opens as a stream on some systems and then fails with another error type.
  if (fs::is_directory(resolved, ec)) throw IoError("Не удается открыть файл " + PathToUtf8(path));
  std::ifstream in(resolved, std::ios::binary);
  if (!in) throw IoError("Не удается открыть файл " + PathToUtf8(path));
  // In whole blocks: a byte-wise copy reads large LISP sources several times slower.
  std::string bytes;
  auto size = fs::file_size(resolved, ec);
  size_t block = ec ? size_t{1} << 16 : static_cast<size_t>(size) + 1;
  while (in) {
    size_t used = bytes.size();
    bytes.resize(used + block);
    in.read(bytes.data() + used, static_cast<std::streamsize>(block));
    bytes.resize(used + static_cast<size_t>(in.gcount()));
    block = size_t{1} << 16;
  }
  if (in.bad()) throw IoError("Ошибка чтения файла " + PathToUtf8(path));
  return bytes;
}

void WriteFileAtomic(const fs::path& path, std::string_view bytes) {
  fs::path dir = path.parent_path();
  static std::mt19937_64 rng{std::random_device{}()};
  fs::path temp =
      dir / PathFromUtf8("." + FileNameOf(path) + ".tmp" + std::to_string(rng() % 1000000));
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw IoError("Не удается создать файл " + PathToUtf8(path));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      fs::remove(temp, ec);
      throw IoError("Ошибка записи файла " + PathToUtf8(path));
    }
  }
#ifndef _WIN32
  // The data must be on disk before the rename makes it the file.
  int fd = ::open(temp.c_str(), O_RDONLY);
  if (fd >= 0) {
    ::fdatasync(fd);
    ::close(fd);
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
#else
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    FlushFileBuffers(file);
    CloseHandle(file);
  }
  ClearReadOnly(path);
  std::error_code ec;
  if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ec.assign(static_cast<int>(GetLastError()), std::system_category());
#endif
  if (ec) {
    fs::remove(temp, ec);
    throw IoError("Не удается заменить файл " + PathToUtf8(path));
  }
}

fs::path RunningProgramFile() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return fs::path(buffer);
#else
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe;
#endif
}

fs::path RunningProgramDirectory() {
  fs::path exe = RunningProgramFile();
  return exe.empty() ? fs::current_path() : exe.parent_path();
}

fs::path JoinPath(const fs::path& dir, std::string_view name) {
  std::string native(name);
#ifndef _WIN32
  std::replace(native.begin(), native.end(), '\\', '/');
#endif
  return dir / PathFromUtf8(native);
}

std::string DirectoryWithSeparator(const fs::path& dir) {
  std::string text = PathToUtf8(dir.native().empty() ? fs::path(".") : dir);
  char sep = static_cast<char>(fs::path::preferred_separator);
#ifdef _WIN32
  // A path spelled with forward slashes only goes on with one.
  if (text.find('/') != std::string::npos && text.find('\\') == std::string::npos) sep = '/';
#endif
  if (text.empty() || (text.back() != sep && text.back() != '/')) text.push_back(sep);
  return text;
}

}  // namespace orv
