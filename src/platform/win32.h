#pragma once
// <windows.h> for the Windows side of the platform layer, without the macros
// that would rename our own functions of the same names to their W forms, and
// the UTF-8 <-> UTF-16 conversions at the wide-character API.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <string>
#include <string_view>

namespace orv {

inline std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

inline std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace orv
#endif
