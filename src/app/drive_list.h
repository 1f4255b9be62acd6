#pragma once
// The drive selector of the add-to-library dialog. Windows has drive letters;
// here the "drives" are the roots of the mounted file systems a user would
// install from: the root, the home directory, removable media and network
// shares.
#include <filesystem>
#include <string_view>
#include <vector>

namespace orv {

// The drive roots of this machine, sorted.
std::vector<std::filesystem::path> ListDriveRoots();

// The drive roots named by a mount table in the format of /proc/self/mounts,
// with the root and home added. Kernel and memory file systems are left out.
std::vector<std::filesystem::path> DriveRootsFromMountTable(std::string_view mounts,
                                                            const std::filesystem::path& home);

// The drive of a directory: the longest root that holds it.
std::filesystem::path DriveOf(const std::vector<std::filesystem::path>& drives,
                              const std::filesystem::path& directory);

}  // namespace orv
