#include "lisp/protected_lisp.h"

namespace orv {
namespace {

constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kLf = 0x0A;
constexpr unsigned char kEndOfText = 0x1A;
// Header, CR, LF and 0x1A; the key byte follows.
constexpr size_t kKeyOffset = kProtectedLispHeader.size() + 3;

unsigned char RotateLeft(unsigned char c) {
  return static_cast<unsigned char>((c << 1) | (c >> 7));
}

// XOR would make a byte that text mode cannot carry; such bytes stay as they are.
bool KeptAsIs(unsigned char b) {
  return b == kCr || b == kEndOfText;
}

}  // namespace

bool IsProtectedLisp(std::string_view file_bytes) {
  size_t end = file_bytes.find_first_of("\r\n");
  return file_bytes.substr(0, end) == kProtectedLispHeader;
}

std::string DecodeProtectedLisp(std::string_view file_bytes) {
  std::string plain;
  if (file_bytes.size() <= kKeyOffset) return plain;
  plain.reserve(file_bytes.size() - kKeyOffset);
  auto key = static_cast<unsigned char>(file_bytes[kKeyOffset]);
  const size_t size = file_bytes.size();
  for (size_t i = kKeyOffset + 1; i < size; ++i) {
    auto c = static_cast<unsigned char>(file_bytes[i]);
    if (c == kEndOfText) break;
    // The body was written in text mode: CR LF on disk is one LF of the cipher.
    if (c == kCr && i + 1 < size && static_cast<unsigned char>(file_bytes[i + 1]) == kLf) {
      c = kLf;
      ++i;
    }
    auto p = static_cast<unsigned char>(c ^ key);
    plain.push_back(static_cast<char>(KeptAsIs(p) ? c : p));
    key = RotateLeft(c);
  }
  return plain;
}

std::string EncodeProtectedLisp(std::string_view plain, unsigned char key) {
  std::string file(kProtectedLispHeader);
  file += "\r\n\x1A";
  file.push_back(static_cast<char>(key));
  for (char ch : plain) {
    auto p = static_cast<unsigned char>(ch);
    if (KeptAsIs(p)) continue;
    auto c = static_cast<unsigned char>(p ^ key);
    if (KeptAsIs(c)) c = p;
    if (c == kLf) file.push_back(static_cast<char>(kCr));
    file.push_back(static_cast<char>(c));
    key = RotateLeft(c);
  }
  file.push_back(static_cast<char>(kEndOfText));
  return file;
}

}  // namespace orv
