#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "library/data_module.h"
#include "lisp/file_links.h"
#include "lisp/lisp_reader.h"
#include "lisp/lisp_scanner.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"

namespace orv::cli {
namespace {

std::filesystem::path ExistingFile(const std::string& utf8) {
  std::filesystem::path path = std::filesystem::absolute(PathFromUtf8(utf8));
  if (!FileExists(path)) throw CommandFailed{"Не удается открыть файл " + utf8};
  return path;
}

void AddScanCommand(CLI::App& app, CliContext& ctx) {
  auto file = std::make_shared<std::string>();
  CLI::App* scan = app.add_subcommand(
      "scan", "Print the functions that a LISP file defines and the string literals it holds");
  scan->add_option("FILE", *file, "LISP source file, plain or protected")->required();
  scan->callback([&ctx, file] {
    ProgressIndicator indicator;
    TDataModule1 dm(ctx.ProgramDir(), indicator);
    try {
      ReadLispFile(dm, ExistingFile(*file));
    } catch (const IoError& e) {
      throw CommandFailed{e.what()};
    }
    std::vector<std::string> found;
    FindDefuns(dm, found);
    std::cout << "Функции:\n";
    for (const std::string& name : found) std::cout << name << '\n';
    FindStringLiterals(dm, found);
    std::cout << "Строки:\n";
    for (const std::string& literal : found) std::cout << '"' << literal << "\"\n";
  });
}

void AddLinksCommand(CLI::App& app, CliContext& ctx) {
  struct Options {
    std::string description;
    std::string file;
    int mode = kLinksExtended;
  };
  auto options = std::make_shared<Options>();
  CLI::App* links = app.add_subcommand(
      "links", "Print the files of its directory that a file links to (repeats included)");
  links->add_option("DESCRIPTION", options->description, "Library description file (.ini)")
      ->required();
  links->add_option("FILE", options->file, "File of the library's directory")->required();
  links
      ->add_option("--mode", options->mode,
                   "Auto links: 0 none, 1 files named by string literals, 2 extended search")
      ->check(CLI::Range(kLinksNone, kLinksExtended))
      ->capture_default_str();
  links->callback([&ctx, options] {
    ProgressIndicator indicator;
    TDataModule1 dm(ctx.ProgramDir(), indicator);
    std::vector<std::string> found;
    try {
      FindFileLinks(dm, std::filesystem::absolute(PathFromUtf8(options->description)),
                    ExistingFile(options->file), found, options->mode);
    } catch (const IoError& e) {
      throw CommandFailed{e.what()};
    }
    for (const std::string& name : found) std::cout << name << '\n';
  });
}

}  // namespace

void AddLispCommands(CLI::App& app, CliContext& ctx) {
  AddScanCommand(app, ctx);
  AddLinksCommand(app, ctx);
}

}  // namespace orv::cli
