#include <CLI/CLI.hpp>
#include <iostream>

#include "app/options_page.h"
#include "cli/cli_context.h"
#include "library/data_module.h"
#include "library/settings.h"
#include "platform/file_system.h"

namespace orv::cli {

namespace {

void RequireDirectory(const std::filesystem::path& dir) {
  if (!DirectoryExists(dir)) throw CommandFailed{"Нет каталога " + PathToUtf8(dir)};
}

}  // namespace

void AddParamsCommands(CLI::App& app, CliContext& ctx) {
  CLI::App* params = app.add_subcommand(
      "params", "Print the output parameters of Set_Param.dat (name, tab, value)");
  params->require_subcommand(0, 1);
  params->callback([&ctx, params] {
    if (!params->get_subcommands().empty()) return;
    std::filesystem::path dir = ctx.ProgramDir();
    RequireDirectory(dir);
    SettingsFile settings(dir);
    for (auto& [name, value] : settings.Ini().ReadSectionPairs(settings::kSetOut)) {
      std::cout << name << '\t' << value << '\n';
    }
  });

  static std::string name, value;
  CLI::App* set = params->add_subcommand("set", "Change the value of an existing parameter");
  set->add_option("NAME", name, "Parameter name")->required();
  set->add_option("VALUE", value, "New value (may be empty)")->required();
  set->callback([&ctx] {
    std::filesystem::path dir = ctx.ProgramDir();
    RequireDirectory(dir);
    SettingsFile settings(dir);
    // Parameters belong to the library: they are changed, never added.
    if (!settings.Ini().ValueExists(settings::kSetOut, name)) {
      throw CommandFailed{"Нет параметра вывода " + name};
    }
    settings.Ini().WriteString(settings::kSetOut, name, value);
  });

  static std::string state;
  CLI::App* option = app.add_subcommand("option", "Set a program option");
  CLI::App* no_error = option->add_subcommand(
      "no-error", "on: the generated LISP code does not use the built-in *ERROR* function");
  option->require_subcommand(1);
  no_error->add_option("STATE", state, "on or off")
      ->required()
      ->check(CLI::IsMember({"on", "off"}));
  no_error->callback([&ctx] {
    std::filesystem::path dir = ctx.ProgramDir();
    RequireDirectory(dir);
    ProgressIndicator indicator;
    TDataModule1 data_module(dir, indicator);
    OptionsPage page(data_module);
    page.SetCheckBoxNoError(state == "on");
  });
}

}  // namespace orv::cli
