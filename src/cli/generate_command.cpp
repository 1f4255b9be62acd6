#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>

#include "cli/cli_context.h"
#include "library/catalog_rebuild.h"
#include "library/data_module.h"
#include "library/settings.h"
#include "menugen/menu_files.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"

namespace orv::cli {

namespace {

using TwoPassStep = std::function<int(TDataModule1&, bool)>;

// Runs a step as the window's commands do: the counting pass, the maximum set
// to its count, the working pass, the position at the maximum. Every progress
// text passed through is printed on its own line.
void RunTwoPass(CliContext& ctx, const TwoPassStep& step, std::string_view closing_text) {
  std::filesystem::path dir = ctx.ProgramDir();
  if (!DirectoryExists(dir)) throw CommandFailed{"Нет каталога " + PathToUtf8(dir)};
  ProgressIndicator indicator;
  indicator.on_text = [](const std::string& text) { std::cout << text << std::endl; };
  TDataModule1 dm(dir, indicator);
  dm.error_handler_flag = SettingsFile(dir).NoError().empty();
  try {
    dm.SetProgressPosition(0);
    dm.SetProgressText("Идет подготовка");
    indicator.SetMaximum(4);
    int steps = step(dm, false);
    std::cout << "Шагов: " << steps << std::endl;
    indicator.SetMaximum(steps);
    step(dm, true);
  } catch (const IoError& e) {
    throw CommandFailed{e.what()};
  }
  dm.SetProgressPosition(indicator.Maximum());
  dm.SetProgressText(closing_text);
}

}  // namespace

void AddGenerateCommands(CLI::App& app, CliContext& ctx) {
  app.add_subcommand("generate",
                     "Rebuild the catalog Orvpak.set and write the menu files Menu_Name.mnl and "
                     "Menu_Name.mns")
      ->callback([&ctx] { RunTwoPass(ctx, GenerateMenuFiles, "Создание файлов меню завершено"); });
  app.add_subcommand("catalog", "Rebuild the catalog Orvpak.set from the description files (*.ini)")
      ->callback([&ctx] {
        RunTwoPass(
            ctx,
            [](TDataModule1& dm, bool pass) { return RebuildCatalog(dm, dm.CatalogPath(), pass); },
            "Обновление каталога завершено");
      });
}

}  // namespace orv::cli
