#include "lisp/file_links.h"

#include <algorithm>
#include <string_view>

#include "lisp/lisp_reader.h"
#include "lisp/lisp_scanner.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// From the last dot of the last path component; empty when there is none.
std::string_view ExtensionOf(std::string_view name) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  size_t separator = name.find_last_of("\\/:");
  if (separator != std::string_view::npos && separator > dot) return {};
  return name.substr(dot);
}

bool IsLispName(std::string_view name) {
  return LowerCase(ExtensionOf(name)) == ".lsp";
}

// The name up to the first occurrence of its extension; empty without one.
std::string_view BaseName(std::string_view name) {
  std::string_view extension = ExtensionOf(name);
  if (extension.empty()) return {};
  return name.substr(0, name.find(extension));
}

// The directory text followed directly by name, so that a literal such as
// "/etc/x" or "\x" stays inside the directory instead of replacing it.
fs::path InDirectory(const std::string& dir_text, std::string_view name) {
  std::string relative(name);
#ifndef _WIN32
  std::replace(relative.begin(), relative.end(), '\\', '/');
#endif
  return PathFromUtf8(dir_text + relative);
}

// The section of a program in the description file: lower case, no "c:".
std::string SectionName(std::string_view defined_name) {
  std::string section = LowerCase(defined_name);
  if (section.starts_with("c:")) section.erase(0, 2);
  return section;
}

void AppendCommaSeparated(std::string_view value, std::vector<std::string>& out) {
  size_t start = 0;
  while (true) {
    size_t comma = value.find(',', start);
    out.emplace_back(value.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
}

// Defined names of every existing LISP file among the first `count` links;
// each adds its section name to `names` and its section's "bmp" and
// "program" files to `links`.
void AddRegisteredFiles(TDataModule1& dm, const fs::path& description_file,
                        const std::string& dir_text, size_t count, std::vector<std::string>& links,
                        std::vector<std::string>& names) {
  TIniFile description(description_file);
  std::vector<std::string> defined;
  for (size_t i = 0; i < count; ++i) {
    if (!IsLispName(links[i])) continue;
    fs::path path = InDirectory(dir_text, links[i]);
    if (!FileExists(path)) continue;
    ReadLispFile(dm, path);
    FindDefuns(dm, defined);
    for (const std::string& name : defined) {
      std::string section = SectionName(name);
      links.push_back(description.ReadString(section, "bmp"));
      AppendCommaSeparated(description.ReadString(section, "program"), links);
      names.push_back(std::move(section));
    }
  }
}

// Every picture and slide of the directory whose name contains one of the
// names, once for each name it contains.
void AddPicturesByName(const fs::path& dir, std::vector<std::string>& names,
                       std::vector<std::string>& links) {
  for (const std::string& link : links) {
    std::string base = LowerCase(BaseName(link));
    if (std::find(names.begin(), names.end(), base) == names.end()) names.push_back(base);
  }
  std::vector<std::string> pictures;
  for (std::string_view pattern : {"*.bmp", "*.slb", "*.sld"}) {
    for (const std::string& entry : ListDirectory(dir, pattern))
      pictures.push_back(LowerCase(entry));
  }
  for (const std::string& name : names) {
    if (name.empty()) continue;
    for (const std::string& picture : pictures) {
      if (picture.find(name) != std::string::npos) links.push_back(picture);
    }
  }
}

}  // namespace

void KeepExistingFiles(const fs::path& dir, std::vector<std::string>& names) {
  std::string dir_text = DirectoryWithSeparator(dir);
  std::vector<std::string> kept;
  for (std::string& name : names) {
    if (FileExists(InDirectory(dir_text, name))) kept.push_back(std::move(name));
  }
  names = std::move(kept);
}

void FindFileLinks(TDataModule1& dm, const fs::path& description_file, const fs::path& file,
                   std::vector<std::string>& links, int mode) {
  links.clear();
  std::string own_name = FileNameOf(file);
  if (mode == kLinksNone || !IsLispName(own_name)) return;
  own_name = LowerCase(own_name);
  const bool extended = mode >= kLinksExtended;
  const fs::path dir = file.parent_path();
  const std::string dir_text = DirectoryWithSeparator(dir);

  ReadLispFile(dm, file);
  FindStringLiterals(dm, links);
  // The file itself leads the list so that its own functions and name take part.
  links.insert(links.begin(), own_name);
  std::vector<std::string> names;  // section names and base names, lower-cased
  if (extended) AddRegisteredFiles(dm, description_file, dir_text, links.size(), links, names);
  KeepExistingFiles(dir, links);
  if (extended) AddPicturesByName(dir, names, links);
  if (!links.empty() && links.front() == own_name) links.erase(links.begin());
}

}  // namespace orv
