#include "platform/cp1251.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "platform/utf8.h"

namespace orv {
namespace {

constexpr std::array<char32_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Every code point of the high half lies below this.
constexpr char32_t kReverseSize = 0x2123;
static_assert([] {
  for (char32_t c : kHighHalf) {
    if (c >= kReverseSize) return false;
  }
  return true;
}());

// UTF-8 encodings of the high half, so decoding is a table copy; encoding
// looks the byte up by code point (0 where the code page has none).
struct DecodeTable {
  std::array<std::string, 128> utf8;
  std::array<unsigned char, kReverseSize> reverse{};
  DecodeTable() {
    for (int i = 0; i < 128; ++i) {
      utf8[i] = EncodeUtf8(kHighHalf[i]);
      reverse[kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    }
  }
};

const DecodeTable& Table() {
  static const DecodeTable table;
  return table;
}

}  // namespace

std::string DecodeCp1251(std::string_view bytes) {
  const DecodeTable& table = Table();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else {
      out += table.utf8[b - 0x80];
    }
  }
  return out;
}

std::string EncodeCp1251(std::string_view utf8) {
  const DecodeTable& table = Table();
  // One byte per character: never longer than the UTF-8 text.
  std::string out(utf8.size(), '\0');
  char* dst = out.data();
  const size_t n = utf8.size();
  size_t pos = 0;
  while (pos < n) {
    // Eight bytes of plain ASCII at a time.
    if (pos + 8 <= n) {
      uint64_t block;
      std::memcpy(&block, utf8.data() + pos, 8);
      if ((block & 0x8080808080808080ULL) == 0) {
        std::memcpy(dst, &block, 8);
        dst += 8;
        pos += 8;
        continue;
      }
    }
    auto b0 = static_cast<unsigned char>(utf8[pos]);
    if (b0 < 0x80) {
      *dst++ = utf8[pos++];
      continue;
    }
    char32_t cp;
    if ((b0 & 0xE0) == 0xC0 && pos + 1 < n &&
        (static_cast<unsigned char>(utf8[pos + 1]) & 0xC0) == 0x80) {
      cp = (static_cast<char32_t>(b0 & 0x1F) << 6) |
           (static_cast<unsigned char>(utf8[pos + 1]) & 0x3F);
      pos += 2;
    } else {
      cp = NextCodePoint(utf8, pos);
    }
    unsigned char byte = cp < kReverseSize ? table.reverse[cp] : 0;
    *dst++ = byte ? static_cast<char>(byte) : '?';
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  return out;
}

}  // namespace orv
