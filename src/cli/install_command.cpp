#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/cli_context.h"
#include "installer/ok_bottom_dlg.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace orv::cli {

namespace {
struct InstallOptions {
  std::optional<std::string> menu_name;
  std::optional<std::string> menu_caption;
};
}  // namespace

void AddInstallCommand(CLI::App& app, CliContext& ctx) {
  auto options = std::make_shared<InstallOptions>();
  CLI::App* install = app.add_subcommand(
      "install",
      "Run the installer in the program directory: install Orvek_Pak._xe, merge or install "
      "Set_Param._at, register the directory with AutoCAD (exit 100: no Set_Param._at)");
  install->add_option("--menu-name", options->menu_name,
                      "Menu name of a first installation (default: from Set_Param._at)");
  install->add_option("--menu-caption", options->menu_caption,
                      "Menu caption of a first installation (default: from Set_Param._at)");
  install->add_flag("--yes", ctx.assume_yes, "Update: take the new value of every differing key");
  install->callback([&ctx, options] {
    std::filesystem::path dir = ctx.ProgramDir();
    if (!DirectoryExists(dir)) throw CommandFailed{"Нет каталога " + PathToUtf8(dir)};
    std::unique_ptr<RegistryStore> registry = OpenPlatformRegistry();
    TOKBottomDlg dlg(dir, ctx.Messages(), *registry);
    if (!dlg.FormCreate()) {
      if (dlg.ExitCode() != installer::kExitInstalled)
        throw CommandFailed{"Установка не выполнена", dlg.ExitCode()};
      std::cout << "Различающихся параметров нет; недостающие добавлены в Set_Param.dat\n";
      return;
    }
    if (dlg.Mode() == InstallMode::FirstInstallation) {
      if (options->menu_name) dlg.Edit2 = *options->menu_name;
      if (options->menu_caption) dlg.Edit3 = *options->menu_caption;
    } else if (!ctx.assume_yes) {
      std::cout << "Различающиеся параметры (новое значение / старое значение):\n";
      for (int i = 0; i < static_cast<int>(dlg.SrcList.Items.size()); ++i) {
        dlg.SrcList.ItemIndex = i;
        dlg.SrcListClick();
        std::cout << dlg.SrcList.Items[i] << "\t" << dlg.Edit1 << "\t" << dlg.Edit4 << "\n";
      }
      throw CommandFailed{"Обновление не выполнено: --yes принимает новые значения"};
    }
    dlg.OKBtnClick();
    if (!dlg.Closed()) throw CommandFailed{"Обновление не принято"};
    if (dlg.RegistrationResult() == installer::Registration::NoAutoCad)
      throw CommandFailed{"Регистрация в AutoCAD не выполнена"};
    std::cout << "Установка завершена\n";
  });
}

}  // namespace orv::cli
