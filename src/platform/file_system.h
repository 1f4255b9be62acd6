#pragma once
// File access the way Windows does it on a case-sensitive file system: names
// match without regard to letter case, listings come sorted by name (letter
// case ignored) so every run sees the same order. Paths inside the program are
// UTF-8; these helpers convert at the boundary.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

namespace fs = std::filesystem;

// An input or output error that no part of the logic catches on its own.
class IoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

fs::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const fs::path& path);
// The bare file name of a path, UTF-8.
std::string FileNameOf(const fs::path& path);

// Windows wildcard match: '*' any run, '?' one character, letter case ignored.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Names (UTF-8) of the entries of dir that match pattern, sorted by name with
// letter case ignored. Directories are listed only when asked for. A missing or
// unreadable directory lists nothing.
std::vector<std::string> ListDirectory(const fs::path& dir, std::string_view pattern,
                                       bool include_directories = false);

// The existing entry of dir named name: the exact name first, otherwise the
// first whose name differs only in letter case.
std::optional<fs::path> FindFile(const fs::path& dir, std::string_view name);
// The path under which a file is found (see FindFile), or dir/name when none is.
fs::path ResolveFile(const fs::path& dir, std::string_view name);
// The same for a full path: its directory part is taken as it stands.
fs::path ResolvePath(const fs::path& path);

bool FileExists(const fs::path& path);       // a regular file, letter case ignored
bool DirectoryExists(const fs::path& path);  // exact
// These report failure by their result only.
bool DeleteFile(const fs::path& path);
// Fails when another file already holds the destination name.
bool RenameFile(const fs::path& from, const fs::path& to);
// Overwrites an existing destination (found with letter case ignored).
bool CopyFile(const fs::path& from, const fs::path& to);

// Whole-file access; both raise IoError.
std::string ReadFileBytes(const fs::path& path);
// Writes through a temporary file in the same directory and renames it over
// the target, so a crash never leaves a half-written file.
void WriteFileAtomic(const fs::path& path, std::string_view bytes);

// The running program file, and its directory.
fs::path RunningProgramFile();
fs::path RunningProgramDirectory();

// Joins dir and a bare or relative name written with either separator.
fs::path JoinPath(const fs::path& dir, std::string_view name);
// A directory path spelled with its trailing separator (C:\LIB\ or /x/lib/).
std::string DirectoryWithSeparator(const fs::path& dir);

}  // namespace orv
