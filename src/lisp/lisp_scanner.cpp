#include "lisp/lisp_scanner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_set>

#include "platform/text_case.h"

namespace orv {
namespace {

bool IsBlankOrControl(char ch) {
  return static_cast<unsigned char>(ch) <= ' ';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  return text;
}

// Where "defun" first occurs, any letter case. No letter of the code page
// folds onto a Latin one, so comparing the Latin letters alone is exact.
size_t FindDefunWord(std::string_view text) {
  static constexpr std::string_view kWord = "defun";
  for (size_t i = 0; i + kWord.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < kWord.size() && (text[i + k] | 0x20) == kWord[k]) ++k;
    if (k == kWord.size()) return i;
  }
  return std::string_view::npos;
}

// The characters that matter outside strings.
constexpr std::array<bool, 256> kCodeDelimiter = [] {
  std::array<bool, 256> table{};
  table['('] = table[')'] = table['"'] = true;
  return table;
}();

// Lists each literal once, letter case ignored.
class LiteralSet {
 public:
  explicit LiteralSet(std::vector<std::string>& out) : out_(out) {}

  void Add(const std::string& literal) {
    key_ = literal;
    bool ascii = true;
    for (char& ch : key_) {
      if (static_cast<unsigned char>(ch) >= 0x80) {
        ascii = false;
        break;
      }
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + ('a' - 'A'));
    }
    if (!ascii) {
      // Folding Cyrillic costs more than a look-up; most repeats are spelt alike.
      if (!spellings_.insert(literal).second) return;
      key_ = LowerCase(literal);
    }
    if (lower_cased_.insert(key_).second) out_.push_back(literal);
  }

 private:
  std::vector<std::string>& out_;
  std::unordered_set<std::string> lower_cased_;
  std::unordered_set<std::string> spellings_;  // of literals beyond ASCII
  std::string key_;
};

}  // namespace

void FindDefuns(const TDataModule1& dm, std::vector<std::string>& names) {
  names.clear();
  int depth = 0;
  // Text of the current top-level form since it opened or its last nested
  // form closed; empty whenever the depth is not 1.
  std::string top_level;
  bool in_string = false;
  bool escaped = false;
  for (const std::string& piece : dm.LispLines) {
    const char* p = piece.data();
    const char* const end = p + piece.size();
    while (p < end) {
      // Take a run of characters up to the next one that matters; only its
      // last character can change the depth.
      const char* const run = p;
      const int run_depth = depth;
      if (escaped) {
        escaped = false;
        ++p;
      }
      if (in_string) {
        while (p < end) {
          if (*p == '"') {
            in_string = false;
            ++p;
            break;
          }
          if (*p == '\\') {
            if (p + 1 == end) escaped = true;
            p = std::min(p + 2, end);
            continue;
          }
          ++p;
        }
      } else {
        while (p < end && !kCodeDelimiter[static_cast<unsigned char>(*p)]) ++p;
        if (p < end) {
          if (*p == '(') {
            ++depth;
          } else if (*p == ')') {
            --depth;
          } else {
            in_string = true;
          }
          ++p;
        }
      }
      if (run_depth == 1) top_level.append(run, p - 1);
      if (depth == 1) {
        top_level.push_back(p[-1]);
        continue;
      }
      if (depth == 2 && !top_level.empty()) {
        size_t at = FindDefunWord(top_level);
        if (at != std::string::npos) {
          names.emplace_back(Trimmed(std::string_view(top_level).substr(at + 5)));
        }
      }
      top_level.clear();
    }
  }
}

void FindStringLiterals(const TDataModule1& dm, std::vector<std::string>& literals) {
  literals.clear();
  LiteralSet listed(literals);
  std::string literal;
  bool in_string = false;
  bool escaped = false;
  for (const std::string& piece : dm.LispLines) {
    const char* p = piece.data();
    const char* const end = p + piece.size();
    while (p < end) {
      if (!in_string) {
        p = static_cast<const char*>(std::memchr(p, '"', end - p));
        if (p == nullptr) break;
        in_string = true;
        literal.clear();
        ++p;
        continue;
      }
      if (escaped) {
        escaped = false;
        literal.push_back(*p++);
        continue;
      }
      const char* const run = p;
      while (p < end && *p != '"' && *p != '\\') ++p;
      literal.append(run, p);
      if (p == end) break;
      if (*p++ == '\\') {
        literal.push_back('\\');
        escaped = true;
        continue;
      }
      in_string = false;
      listed.Add(literal);
    }
  }
}

}  // namespace orv
