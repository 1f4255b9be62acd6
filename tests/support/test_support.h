#pragma once
// Small helpers for tests that work on files: a fresh directory per test and
// Windows-1251 files written from UTF-8 text.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orv::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Writes UTF-8 text as Windows-1251 bytes, exactly as given (no line-end change).
void WriteCp1251(const std::filesystem::path& path, std::string_view utf8);
// Joins lines with CR LF after each, encodes as Windows-1251 and writes them.
void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines);
std::string ReadBytes(const std::filesystem::path& path);
// The file decoded from Windows-1251 to UTF-8, bytes otherwise unchanged.
std::string ReadCp1251(const std::filesystem::path& path);
// A valid 16x16 24-bit bitmap.
void WriteBitmap(const std::filesystem::path& path);
// A valid 16x16 24-bit bitmap of one colour (0xRRGGBB) inside a one-pixel
// frame of another, for checks on what a window draws.
void WriteFramedBitmap(const std::filesystem::path& path, unsigned fill_rgb, unsigned frame_rgb);
// Joins lines with CR LF after each (the expected content of a written file).
std::string CrLf(const std::vector<std::string>& lines);

}  // namespace orv::test
