#include "lisp/lisp_scanner.h"

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

}  // namespace

void FindDefuns(const TDataModule1& dm, std::vector<std::string>& names) {
  names.clear();
  int depth = 0;
  std::string top_level;  // text of the current top-level form since it opened or its last nested
                          // form closed
  bool in_string = false;
  bool escaped = false;
  for (const std::string& piece : dm.LispLines) {
    for (char ch : piece) {
      if (in_string) {
        if (escaped) {
          escaped = false;
        } else if (ch == '\\') {
          escaped = true;
        } else if (ch == '"') {
          in_string = false;
        }
      } else if (ch == '"') {
        in_string = true;
      } else if (ch == '(') {
        ++depth;
      } else if (ch == ')') {
        --depth;
      }
      if (depth == 1) {
        top_level.push_back(ch);
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
  std::unordered_set<std::string> seen;  // lower-cased
  std::string literal;
  bool in_string = false;
  bool escaped = false;
  for (const std::string& piece : dm.LispLines) {
    for (char ch : piece) {
      if (!in_string) {
        if (ch == '"') {
          in_string = true;
          literal.clear();
        }
        continue;
      }
      if (escaped) {
        escaped = false;
      } else if (ch == '\\') {
        escaped = true;
      } else if (ch == '"') {
        in_string = false;
        if (seen.insert(LowerCase(literal)).second) literals.push_back(literal);
        continue;
      }
      literal.push_back(ch);
    }
  }
}

}  // namespace orv
