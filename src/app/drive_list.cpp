#include "app/drive_list.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "platform/file_system.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orv {

namespace {

// Mount tables write blanks, tabs, newlines and backslashes in names as \ooo.
std::string UnescapeMountField(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + i + 1, field.begin() + i + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0')));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

bool UserFileSystem(const std::string& source, const std::string& type) {
  static const std::set<std::string> kNetwork = {"nfs", "nfs4",   "cifs",       "smb3",   "smbfs",
                                                 "9p",  "vboxsf", "fuse.sshfs", "fuseblk"};
  return source.rfind("/dev/", 0) == 0 || kNetwork.count(type) > 0;
}

bool UnderSystemTree(const std::filesystem::path& mount_point) {
  // Partitions of the system itself are no place to install from.
  static const char* kSystem[] = {"/boot", "/proc", "/sys",  "/dev", "/run",
                                  "/var",  "/usr",  "/snap", "/etc"};
  std::string text = mount_point.generic_string();
  for (const char* prefix : kSystem) {
    std::string p(prefix);
    if (text == p || text.rfind(p + "/", 0) == 0) {
      // Removable media are mounted under /run/media.
      if (p == "/run" && text.rfind("/run/media/", 0) == 0) return false;
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::filesystem::path> DriveRootsFromMountTable(std::string_view mounts,
                                                            const std::filesystem::path& home) {
  std::set<std::filesystem::path> roots = {"/"};
  if (!home.empty()) roots.insert(home);
  std::istringstream lines{std::string(mounts)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string source, mount_point, type;
    if (!(fields >> source >> mount_point >> type)) continue;
    std::filesystem::path point = PathFromUtf8(UnescapeMountField(mount_point));
    if (UserFileSystem(source, type) && !UnderSystemTree(point)) roots.insert(point);
  }
  return {roots.begin(), roots.end()};
}

std::vector<std::filesystem::path> ListDriveRoots() {
#ifdef _WIN32
  std::vector<std::filesystem::path> roots;
  DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) roots.emplace_back(std::string(1, static_cast<char>('A' + i)) + ":\\");
  }
  return roots;
#else
  std::string mounts;
  try {
    mounts = ReadFileBytes("/proc/self/mounts");
  } catch (const IoError&) {
  }
  const char* home = std::getenv("HOME");
  return DriveRootsFromMountTable(mounts, home ? PathFromUtf8(home) : std::filesystem::path());
#endif
}

std::filesystem::path DriveOf(const std::vector<std::filesystem::path>& drives,
                              const std::filesystem::path& directory) {
  std::filesystem::path best;
  size_t best_depth = 0;
  for (const std::filesystem::path& drive : drives) {
    auto [drive_end, dir_end] =
        std::mismatch(drive.begin(), drive.end(), directory.begin(), directory.end());
    // An empty last part stands for a trailing separator.
    bool holds =
        drive_end == drive.end() || (drive_end->empty() && std::next(drive_end) == drive.end());
    size_t depth = static_cast<size_t>(std::distance(drive.begin(), drive.end()));
    if (holds && (best.empty() || depth > best_depth)) {
      best = drive;
      best_depth = depth;
    }
  }
  return best;
}

}  // namespace orv
