#include "platform/text_file.h"

#include "platform/cp1251.h"
#include "platform/file_system.h"

namespace orv {

std::vector<std::string> ReadTextLines(const std::filesystem::path& path) {
  std::string text = DecodeCp1251(ReadFileBytes(path));
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    pos = end + 1;
  }
  return lines;
}

void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  WriteFileAtomic(ResolvePath(path), EncodeCp1251(text));
}

}  // namespace orv
