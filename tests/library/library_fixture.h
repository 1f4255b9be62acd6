#pragma once
// Libraries for the tests: a description file with its programs and every file
// it lists, written into a directory (a distribution or the program directory).
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace orv::test {

struct FixtureProgram {
  std::string name;
  std::string caption;
  std::string submenu;  // its section gets a bmp
  std::string order;    // value in section program
};

struct FixtureLibrary {
  std::string name;  // e.g. "stena": stena.ini, stena.bmp, one .lsp per program
  std::vector<FixtureProgram> programs;
  std::vector<std::string> extra_files;  // listed and written too
};

// The description's lines: section file (its own name last), program, one
// section per program (file = program.lsp, bmp = name.bmp) and per submenu.
inline std::vector<std::string> LibraryLines(const FixtureLibrary& library) {
  std::vector<std::string> lines = {"[file]"};
  for (const auto& p : library.programs) lines.push_back(p.name + ".lsp=");
  lines.push_back(library.name + ".bmp=");
  for (const auto& f : library.extra_files) lines.push_back(f + "=");
  lines.push_back(library.name + ".ini=");
  lines.push_back("[program]");
  for (const auto& p : library.programs) lines.push_back(p.name + "=" + p.order);
  for (const auto& p : library.programs) {
    lines.insert(lines.end(), {"[" + p.name + "]", "file=" + p.name + ".lsp",
                               "bmp=" + library.name + ".bmp", "caption=" + p.caption});
    if (!p.submenu.empty()) lines.push_back("submenu=" + p.submenu);
  }
  for (const auto& p : library.programs) {
    if (!p.submenu.empty())
      lines.insert(lines.end(), {"[" + p.submenu + "]", "bmp=" + library.name + ".bmp"});
  }
  return lines;
}

inline void WriteLibrary(const std::filesystem::path& dir, const FixtureLibrary& library) {
  std::filesystem::create_directories(dir);
  for (const auto& p : library.programs) {
    WriteLines(dir / (p.name + ".lsp"), {"(defun c:" + p.name + " () (princ))"});
  }
  WriteBitmap(dir / (library.name + ".bmp"));
  for (const auto& f : library.extra_files) WriteLines(dir / f, {"; " + f});
  WriteLines(dir / (library.name + ".ini"), LibraryLines(library));
}

// The files of a directory, sorted.
inline std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace orv::test
