#include "platform/bitmap.h"

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace orv {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                               static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

bool IsReadableBitmap(const std::filesystem::path& path) {
  std::string bytes;
  try {
    if (!FileExists(path)) return false;
    bytes = ReadFileBytes(path);
  } catch (const IoError&) {
    return false;
  }
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  uint32_t data_offset = U32(bytes, 10);
  uint32_t header_size = U32(bytes, 14);
  int64_t width = 0, height = 0;
  uint16_t bits = 0;
  if (header_size == 12) {  // OS/2 core header
    width = U16(bytes, 18);
    height = U16(bytes, 20);
    bits = U16(bytes, 24);
  } else if (header_size >= 40 && bytes.size() >= 14 + 40) {
    width = static_cast<int32_t>(U32(bytes, 18));
    height = static_cast<int32_t>(U32(bytes, 22));
    bits = U16(bytes, 28);
    uint32_t compression = U32(bytes, 30);
    if (compression != 0 && compression != 3) {
      // Run-length and embedded formats: trust the header once the data starts inside.
      return width > 0 && height != 0 && data_offset < bytes.size();
    }
  } else {
    return false;
  }
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  uint64_t row = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
  return data_offset >= 14 + header_size && data_offset + row * height <= bytes.size();
}

}  // namespace orv
