#pragma once
// Text files of the system: Windows-1251 on disk, UTF-8 inside, every written
// line ended by CR LF (the last one too).
#include <filesystem>
#include <string>
#include <vector>

namespace orv {

// Lines split at LF, a CR before it dropped; no final empty line for a file
// that ends with a line break. Raises IoError.
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);
// Replaces the file atomically. Raises IoError.
void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace orv
