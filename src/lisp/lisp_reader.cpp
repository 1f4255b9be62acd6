#include "lisp/lisp_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lisp/protected_lisp.h"
#include "platform/cp1251.h"
#include "platform/file_system.h"

namespace orv {
namespace {

// UTF-8 of every Windows-1251 byte, worked out once.
const std::array<std::string, 256>& Utf8OfByte() {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) t[b] = DecodeCp1251(std::string(1, static_cast<char>(b)));
    return t;
  }();
  return table;
}

// Bytes that go to the current piece unchanged, in code and inside strings.
// The rest need a look: "(" opens a piece, control characters and tabs are
// filtered, high bytes are decoded, and the delimiters change the state.
struct PlainBytes {
  std::array<bool, 256> code{};
  std::array<bool, 256> string{};
  PlainBytes() {
    for (int b = 32; b < 128; ++b) {
      code[b] = b != '(' && b != '"' && b != ';';
      string[b] = b != '(' && b != '"' && b != '\\';
    }
  }
};

const PlainBytes kPlain;

void PutByte(std::vector<std::string>& lines, unsigned char b) {
  if (b == '\t') b = ' ';
  if (b < 32) return;
  if (b == '(') {
    lines.emplace_back(1, '(');
    return;
  }
  if (lines.empty()) lines.emplace_back();
  if (b < 128) {
    lines.back().push_back(static_cast<char>(b));
  } else {
    lines.back() += Utf8OfByte()[b];
  }
}

void PutRun(std::vector<std::string>& lines, std::string_view run) {
  if (lines.empty()) lines.emplace_back();
  lines.back().append(run);
}

void ReadLispText(std::vector<std::string>& lines, std::string_view text) {
  lines.reserve(lines.size() + std::count(text.begin(), text.end(), '(') + 1);
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  bool in_string = false;
  size_t i = 0;
  while (i < n) {
    const std::array<bool, 256>& plain = in_string ? kPlain.string : kPlain.code;
    size_t start = i;
    while (i < n && plain[s[i]]) ++i;
    if (i > start) PutRun(lines, text.substr(start, i - start));
    if (i == n) break;
    unsigned char b = s[i];
    if (!in_string && b == ';') {
      if (i + 1 < n && s[i + 1] == '|') {
        size_t close = text.find("|;", i + 2);
        i = close == std::string_view::npos ? n : close + 2;
      } else {
        while (i < n && s[i] != '\r' && s[i] != '\n') ++i;
      }
      continue;
    }
    if (b == '"') {
      in_string = !in_string;
    } else if (in_string && b == '\\' && i + 1 < n) {
      // The escaped character cannot end the string.
      PutByte(lines, b);
      ++i;
      b = s[i];
    }
    PutByte(lines, b);
    ++i;
  }
}

}  // namespace

void PutLispChar(TDataModule1& dm, char ch) {
  PutByte(dm.LispLines, static_cast<unsigned char>(ch));
}

void ReadLispFile(TDataModule1& dm, const std::filesystem::path& path) {
  std::string bytes = ReadFileBytes(path);
  dm.LispLines.clear();
  if (IsProtectedLisp(bytes)) bytes = DecodeProtectedLisp(bytes);
  ReadLispText(dm.LispLines, bytes);
}

}  // namespace orv
