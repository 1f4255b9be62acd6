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

// UTF-8 of every Windows-1251 byte of the high half, worked out once.
struct HighHalfUtf8 {
  struct Code {
    char bytes[4];
    unsigned char size;
  };
  std::array<Code, 128> codes{};
  HighHalfUtf8() {
    for (int b = 128; b < 256; ++b) {
      std::string utf8 = DecodeCp1251(std::string(1, static_cast<char>(b)));
      Code& code = codes[b - 128];
      code.size = static_cast<unsigned char>(utf8.copy(code.bytes, sizeof code.bytes));
    }
  }
};

const HighHalfUtf8 kHighHalf;

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

// Appends to the pieces, keeping hold of the last one.
class PieceWriter {
 public:
  explicit PieceWriter(std::vector<std::string>& lines)
      : lines_(lines), last_(lines.empty() ? nullptr : &lines.back()) {}

  void Put(unsigned char b) {
    if (b == '\t') b = ' ';
    if (b < 32) return;
    if (b == '(') {
      Open();
    } else if (b < 128) {
      Last().push_back(static_cast<char>(b));
    } else {
      const HighHalfUtf8::Code& code = kHighHalf.codes[b - 128];
      Last().append(code.bytes, code.size);
    }
  }
  void Open() { last_ = &lines_.emplace_back(1, '('); }
  // Bytes that need no filtering: printable ASCII other than "(".
  void PutPlain(std::string_view run) { Last().append(run); }

 private:
  std::string& Last() {
    if (last_ == nullptr) last_ = &lines_.emplace_back();
    return *last_;
  }

  std::vector<std::string>& lines_;
  std::string* last_;
};

void ReadLispText(std::vector<std::string>& lines, std::string_view text) {
  lines.reserve(lines.size() + std::count(text.begin(), text.end(), '(') + 1);
  PieceWriter out(lines);
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  bool in_string = false;
  size_t i = 0;
  while (i < n) {
    const std::array<bool, 256>& plain = in_string ? kPlain.string : kPlain.code;
    size_t start = i;
    while (i < n && plain[s[i]]) ++i;
    if (i > start) out.PutPlain(text.substr(start, i - start));
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
    if (b == '(') {
      out.Open();
      ++i;
      continue;
    }
    if (b == '"') {
      in_string = !in_string;
    } else if (in_string && b == '\\' && i + 1 < n) {
      // The escaped character cannot end the string.
      out.Put(b);
      ++i;
      b = s[i];
    }
    out.Put(b);
    ++i;
  }
}

}  // namespace

void PutLispChar(TDataModule1& dm, char ch) {
  PieceWriter(dm.LispLines).Put(static_cast<unsigned char>(ch));
}

void ReadLispFile(TDataModule1& dm, const std::filesystem::path& path) {
  std::string bytes = ReadFileBytes(path);
  dm.LispLines.clear();
  if (IsProtectedLisp(bytes)) bytes = DecodeProtectedLisp(bytes);
  ReadLispText(dm.LispLines, bytes);
}

}  // namespace orv
