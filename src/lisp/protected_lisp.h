#pragma once
// Protected LISP files: a fixed header line, then a body in which each byte is
// XORed with a rolling key. Their plain text holds no CR and no 0x1A.
#include <string>
#include <string_view>

namespace orv {

// The whole first line of a protected file.
inline constexpr std::string_view kProtectedLispHeader = "AutoCAD PROTECTED LISP file";

// True when the first line (up to the first CR or LF) is exactly the header.
bool IsProtectedLisp(std::string_view file_bytes);

// The plain text of a protected file's body. A truncated or damaged body
// decodes as far as it goes.
std::string DecodeProtectedLisp(std::string_view file_bytes);

// The whole file for a plain text, starting from key; CR and 0x1A in the text
// cannot be represented and are left out.
std::string EncodeProtectedLisp(std::string_view plain, unsigned char key);

}  // namespace orv
