// The whole generation (catalog rebuild, menu LISP file and menu source file,
// counting pass then working pass) over a synthetic installation: description
// files of 50 programs each, submenus up to three levels, image menu lines.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "library/data_module.h"
#include "menugen/menu_files.h"
#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace {

using namespace orv;

constexpr int kProgramsPerLibrary = 50;

void WriteLinesCp1251(const fs::path& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  WriteFileAtomic(path, EncodeCp1251(text));
}

// A program's submenu: none, or one to three levels; the outer levels are
// shared by many libraries, as sections of a real office library are.
std::string SubmenuOf(int library, int program) {
  switch (program % 4) {
    case 0:
      return {};
    case 1:
      return "Раздел " + std::to_string(library % 16);
    case 2:
      return "Раздел " + std::to_string(library % 16) + "\\Группа " + std::to_string(program % 7);
    default:
      return "Раздел " + std::to_string(library % 16) + "\\Группа " + std::to_string(program % 7) +
             "\\Вид " + std::to_string(library % 5);
  }
}

std::vector<fs::path> BuildInstallation(const fs::path& dir, int programs) {
  fs::create_directories(dir);
  std::vector<std::string> tmpl;
  for (int i = 0; i < 40; ++i)
    tmpl.push_back("(defun lib-helper-" + std::to_string(i) + " () nil)");
  WriteLinesCp1251(dir / "Orvpak.mtt", tmpl);
  std::vector<fs::path> files{dir / "Orvpak.set"};
  int libraries = programs / kProgramsPerLibrary;
  for (int lib = 0; lib < libraries; ++lib) {
    std::string ini_name = "lib" + std::to_string(10000 + lib) + ".ini";
    std::vector<std::string> file_keys, program_keys, sections, images;
    for (int p = 0; p < kProgramsPerLibrary; ++p) {
      std::string name = "prg" + std::to_string(lib) + "_" + std::to_string(p);
      std::string submenu = SubmenuOf(lib, p);
      file_keys.push_back(name + ".lsp=");
      file_keys.push_back(name + ".bmp=");
      file_keys.push_back("common" + std::to_string(p % 10) + ".lsp=");
      // Every other program carries an order value from an earlier order save.
      program_keys.push_back(name + "=" + (p % 2 ? std::to_string(lib * 100 + p) : ""));
      sections.push_back("[" + name + "]");
      sections.push_back("file=" + name + ".lsp,common" + std::to_string(p % 10) + ".lsp");
      sections.push_back("bmp=" + name + ".bmp");
      sections.push_back("caption=Программа " + std::to_string(p) + " библиотеки " +
                         std::to_string(lib));
      if (!submenu.empty()) sections.push_back("submenu=" + submenu);
      if (p % 5 == 0) sections.push_back("save=No");
      if (p % 11 == 0) sections.push_back("No_Install=Y");
      if (!submenu.empty()) {
        sections.push_back("[" + submenu + "]");
        sections.push_back("bmp=sub" + std::to_string(p % 4) + ".bmp");
      }
    }
    images.push_back("a=**Библиотека" + std::to_string(lib));
    for (int i = 0; i < 4; ++i) {
      images.push_back("i" + std::to_string(i) + "=[prg" + std::to_string(lib) + "_" +
                       std::to_string(i) + "]^C^COV_prg" + std::to_string(lib) + "_" +
                       std::to_string(i));
    }
    std::vector<std::string> lines{"[file]"};
    lines.insert(lines.end(), file_keys.begin(), file_keys.end());
    lines.push_back(ini_name + "=");
    lines.push_back("[program]");
    lines.insert(lines.end(), program_keys.begin(), program_keys.end());
    lines.insert(lines.end(), sections.begin(), sections.end());
    lines.push_back("[menu_image]");
    lines.insert(lines.end(), images.begin(), images.end());
    WriteLinesCp1251(dir / ini_name, lines);
    files.push_back(dir / ini_name);
  }
  return files;
}

// first_run: no catalog yet, so the counting pass writes one before the
// working pass rebuilds it (a fresh installation, or after it was deleted).
void RunGeneration(benchmark::State& state, bool first_run) {
  const int programs = static_cast<int>(state.range(0));
  fs::path dir = fs::temp_directory_path() / ("orvpak-bench-" + std::to_string(programs) + "-" +
                                              std::to_string(std::random_device{}() % 1000000));
  std::vector<fs::path> files = BuildInstallation(dir, programs);
  ProgressIndicator indicator;
  TDataModule1 dm(dir, indicator);
  // An installation in use has its catalog already.
  GenerateMenuFiles(dm, false);
  GenerateMenuFiles(dm, true);
  for (auto _ : state) {
    // Every run starts from the files on disk, as a fresh process would.
    state.PauseTiming();
    if (first_run) DeleteFile(dir / "Orvpak.set");
    for (const fs::path& file : files) ForgetIniFile(file);
    state.ResumeTiming();
    int steps = GenerateMenuFiles(dm, false);
    indicator.SetMaximum(steps);
    GenerateMenuFiles(dm, true);
    benchmark::DoNotOptimize(steps);
  }
  state.SetItemsProcessed(state.iterations() * programs);
  for (const fs::path& file : files) ForgetIniFile(file);
  std::error_code ec;
  fs::remove_all(dir, ec);
}

void BM_GenerateMenuFiles(benchmark::State& state) {
  RunGeneration(state, false);
}

void BM_GenerateMenuFilesWithoutCatalog(benchmark::State& state) {
  RunGeneration(state, true);
}

// 1,000 to 50,000 programs, timed on the wall clock and in CPU time.
void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(1000)->Arg(10000)->Arg(50000);
  bench->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

BENCHMARK(BM_GenerateMenuFiles)->Apply(Sizes);
BENCHMARK(BM_GenerateMenuFilesWithoutCatalog)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
