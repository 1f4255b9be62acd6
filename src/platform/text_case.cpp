#include "platform/text_case.h"

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

template <typename F>
std::string MapChars(std::string_view text, F map) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(map(b)));
      ++pos;
      continue;
    }
    size_t start = pos;
    char32_t cp = NextCodePoint(text, pos);
    char32_t mapped = map(cp);
    if (mapped == cp) {
      out.append(text.substr(start, pos - start));
    } else {
      out += EncodeUtf8(mapped);
    }
  }
  return out;
}

}  // namespace

std::string LowerCase(std::string_view utf8) {
  return MapChars(utf8, LowerChar);
}
std::string UpperCase(std::string_view utf8) {
  return MapChars(utf8, UpperChar);
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
