#include "editor/project_names.h"

#include <algorithm>

#include "platform/text_case.h"

namespace orv {

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/:";
#else
constexpr std::string_view kSeparators = "/";
#endif

size_t NameStart(std::string_view path) {
  size_t separator = path.find_last_of(kSeparators);
  return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string DirectoryPart(std::string_view path) {
  return std::string(path.substr(0, NameStart(path)));
}

std::string FileNamePart(std::string_view path) {
  return std::string(path.substr(NameStart(path)));
}

std::string ExtensionPart(std::string_view path) {
  size_t start = NameStart(path);
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < start) return {};
  return std::string(path.substr(dot));
}

std::string ComparablePath(std::string_view path) {
  std::string folded = LowerCase(path);
#ifdef _WIN32
  std::replace(folded.begin(), folded.end(), '/', '\\');
#endif
  return folded;
}

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  std::string_view stem = path.substr(0, path.size() - ExtensionPart(path).size());
  return std::string(stem) + std::string(extension);
}

bool IsCommandName(std::string_view defined_name) {
  return LowerCase(defined_name.substr(0, 2)) == kCommandPrefix;
}

std::string SectionNameOf(std::string_view defined_name) {
  std::string section = LowerCase(defined_name);
  if (section.starts_with(kCommandPrefix)) section.erase(0, kCommandPrefix.size());
  return section;
}

bool IsPictureName(std::string_view file_name) {
  return LowerCase(ExtensionPart(file_name)) == ".bmp";
}

}  // namespace orv
