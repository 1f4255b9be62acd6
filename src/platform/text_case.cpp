#include "platform/text_case.h"

#include <cstdint>
#include <cstring>

#include "platform/utf8.h"

namespace orv {
namespace {

char32_t LowerChar(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c < 0x80) return c;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ (Ё, Ђ, Є, І, Ї ...)
  if (c == 0x0490) return 0x0491;                   // Ґ
  return c;
}

char32_t UpperChar(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c < 0x80) return c;
  if (c >= 0x0430 && c <= 0x044F) return c - 0x20;
  if (c >= 0x0450 && c <= 0x045F) return c - 0x50;
  if (c == 0x0491) return 0x0490;
  return c;
}

// Writes in place into room made for the whole text: a folded character takes
// as many bytes as the original, except for rare ones, which make more room.
// Plain ASCII goes eight bytes at a time; Cyrillic two-byte sequences are
// decoded without a call.
template <bool kLower>
void AppendMapped(std::string& out, std::string_view text) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  constexpr uint64_t kFirst = kLower ? 'A' : 'a';
  constexpr uint64_t kLast = kLower ? 'Z' : 'z';
  auto map = [](char32_t c) { return kLower ? LowerChar(c) : UpperChar(c); };
  const size_t n = text.size();
  const char* src = text.data();
  size_t used = out.size();
  out.resize(used + n);
  char* dst = out.data() + used;
  size_t pos = 0;
  while (pos < n) {
    if (pos + 8 <= n) {
      uint64_t block;
      std::memcpy(&block, src + pos, 8);
      if ((block & kHigh) == 0) {
        // The high bit of each byte tells first <= byte, then byte > last;
        // the letters between have their case bit (0x20) flipped.
        uint64_t from_first = block + (0x80 - kFirst) * kOnes;
        uint64_t past_last = block + (0x7F - kLast) * kOnes;
        block ^= (from_first & ~past_last & kHigh) >> 2;
        std::memcpy(dst, &block, 8);
        dst += 8;
        pos += 8;
        continue;
      }
    }
    auto b0 = static_cast<unsigned char>(src[pos]);
    if (b0 < 0x80) {
      *dst++ = static_cast<char>(map(b0));
      ++pos;
      continue;
    }
    size_t start = pos;
    char32_t cp;
    if ((b0 & 0xE0) == 0xC0 && pos + 1 < n &&
        (static_cast<unsigned char>(src[pos + 1]) & 0xC0) == 0x80) {
      cp = (static_cast<char32_t>(b0 & 0x1F) << 6) |
           (static_cast<unsigned char>(src[pos + 1]) & 0x3F);
      pos += 2;
    } else {
      cp = NextCodePoint(text, pos);
    }
    char32_t mapped = map(cp);
    if (mapped == cp) {
      for (size_t i = start; i < pos; ++i) *dst++ = src[i];
    } else if (mapped >= 0x80 && mapped < 0x800 && pos - start == 2) {
      *dst++ = static_cast<char>(0xC0 | (mapped >> 6));
      *dst++ = static_cast<char>(0x80 | (mapped & 0x3F));
    } else {
      std::string bytes = EncodeUtf8(mapped);
      size_t at = static_cast<size_t>(dst - out.data());
      out.resize(at + bytes.size() + (n - pos));
      dst = out.data() + at;
      for (char ch : bytes) *dst++ = ch;
    }
  }
  out.resize(static_cast<size_t>(dst - out.data()));
}

}  // namespace

void AppendLowerCase(std::string& out, std::string_view utf8) {
  AppendMapped<true>(out, utf8);
}

std::string LowerCase(std::string_view utf8) {
  std::string out;
  AppendMapped<true>(out, utf8);
  return out;
}
std::string UpperCase(std::string_view utf8) {
  std::string out;
  AppendMapped<false>(out, utf8);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && a == b) return true;
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (LowerChar(NextCodePoint(a, i)) != LowerChar(NextCodePoint(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

std::string LatinUpperCase(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
  }
  return out;
}

}  // namespace orv
