#include "support/test_support.h"

#include <fstream>
#include <random>

#include "platform/cp1251.h"

namespace orv::test {

TempDir::TempDir() {
  static std::mt19937_64 rng{std::random_device{}()};
  path_ = std::filesystem::temp_directory_path() / ("orvpak-test-" + std::to_string(rng()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::operator/(std::string_view name) const {
  return path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
}

void WriteCp1251(const std::filesystem::path& path, std::string_view utf8) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string bytes = EncodeCp1251(utf8);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  WriteCp1251(path, CrLf(lines));
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string ReadCp1251(const std::filesystem::path& path) {
  return DecodeCp1251(ReadBytes(path));
}

void WriteBitmap(const std::filesystem::path& path) {
  const int w = 16, h = 16, row = w * 3;
  std::string b(54 + row * h, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  b[26] = 1;
  b[28] = 24;
  for (int i = 54; i < static_cast<int>(b.size()); i += 3) {
    b[i] = static_cast<char>(0x30);
    b[i + 1] = static_cast<char>(0x80 + (i % 64));
    b[i + 2] = static_cast<char>(0xC0);
  }
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(b.data(), static_cast<std::streamsize>(b.size()));
}

void WriteFramedBitmap(const std::filesystem::path& path, unsigned fill_rgb, unsigned frame_rgb) {
  WriteBitmap(path);
  std::string b = ReadBytes(path);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool frame = x == 0 || y == 0 || x == 15 || y == 15;
      const unsigned rgb = frame ? frame_rgb : fill_rgb;
      const size_t at = 54 + static_cast<size_t>(y * 16 + x) * 3;
      b[at] = static_cast<char>(rgb & 0xFF);
      b[at + 1] = static_cast<char>((rgb >> 8) & 0xFF);
      b[at + 2] = static_cast<char>((rgb >> 16) & 0xFF);
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(b.data(), static_cast<std::streamsize>(b.size()));
}

}  // namespace orv::test
