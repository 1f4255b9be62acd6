// Reading a large LISP source and running both scanners over it, plain and
// protected, as the project editor does for every file it analyses.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "library/data_module.h"
#include "lisp/lisp_reader.h"
#include "lisp/lisp_scanner.h"
#include "lisp/protected_lisp.h"
#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kSourceSize = 32 << 20;

// One block of typical library code: commands with Cyrillic prompts, a
// helper, line and block comments, semicolons and parentheses in strings.
std::string Block(int n) {
  const std::string id = std::to_string(n);
  return ";;; Построение стены " + id +
         "\r\n"
         "(defun C:Wall" +
         id +
         " (/ p1 p2 ang wid lay blk)\r\n"
         "\t(setq lay (getvar \"CLAYER\"))\r\n"
         "\t(setq p1 (getpoint \"\\nУкажите начальную точку; Enter - выход: \"))\r\n"
         "\t(if p1 (progn\r\n"
         "\t\t(setq p2 (getpoint p1 \"\\nКонечная точка (или [Отмена]): \"))\r\n"
         "\t\t(setq ang (angle p1 p2) wid (* 0.5 (distance p1 p2)))\r\n"
         "\t\t(command \"_.PLINE\" p1 \"_W\" wid wid p2 \"\")\r\n"
         "\t\t(setq blk \"wall_" +
         id +
         ".blk\") ; имя блока\r\n"
         "\t))\r\n"
         ";| Старый вариант:\r\n"
         "\t(command \"_.LINE\" p1 p2 \"\")\r\n"
         "|;\r\n"
         "\t(setvar \"CLAYER\" lay)\r\n"
         "\t(princ)\r\n"
         ")\r\n"
         "(defun wall-offset-" +
         id +
         " (a b / c)\r\n"
         "  (setq c (mapcar '+ a b)) ; сумма \"векторов\"\r\n"
         "  (list (car c) (cadr c) 0.0)\r\n"
         ")\r\n\r\n";
}

struct SourceFiles {
  fs::path dir;
  fs::path plain;
  fs::path locked;
  SourceFiles() {
    dir = fs::temp_directory_path() / ("orvpak-bench-lisp-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string utf8;
    for (int n = 0; utf8.size() < kSourceSize; ++n) utf8 += Block(n);
    std::string bytes = orv::EncodeCp1251(utf8);
    plain = dir / "walls.lsp";
    orv::WriteFileAtomic(plain, bytes);
    std::erase(bytes, '\r');  // protected text has LF line ends
    locked = dir / "walls_locked.lsp";
    orv::WriteFileAtomic(locked, orv::EncodeProtectedLisp(bytes, 0x5A));
  }
  ~SourceFiles() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

const SourceFiles& Files() {
  static const SourceFiles files;
  return files;
}

void ReadAndScan(benchmark::State& state, const fs::path& file) {
  orv::ProgressIndicator indicator;
  orv::TDataModule1 dm(file.parent_path(), indicator);
  std::vector<std::string> defuns, literals;
  for (auto _ : state) {
    orv::ReadLispFile(dm, file);
    orv::FindDefuns(dm, defuns);
    orv::FindStringLiterals(dm, literals);
    benchmark::DoNotOptimize(defuns.data());
    benchmark::DoNotOptimize(literals.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
  state.counters["defuns"] = static_cast<double>(defuns.size());
  state.counters["literals"] = static_cast<double>(literals.size());
}

void BM_ReadAndScanPlain(benchmark::State& state) {
  ReadAndScan(state, Files().plain);
}
void BM_ReadAndScanProtected(benchmark::State& state) {
  ReadAndScan(state, Files().locked);
}

BENCHMARK(BM_ReadAndScanPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndScanProtected)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
