// orvpak: the system's operations without a window, for scripting and for
// deployment on many workstations.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/cli_context.h"

int main(int argc, char** argv) {
  using namespace orv::cli;
  UseUtf8Console(argc, argv);
  CliContext ctx;
  CLI::App app{"orvpak: AutoLISP library management for AutoCAD 2000 menus", "orvpak"};
  app.require_subcommand(1);
  app.add_option("--dir", ctx.dir_option,
                 "Program directory (default: the directory of this program)");
  app.add_flag("--yes", ctx.assume_yes, "Answer every question with OK / Yes / All");

  AddTreeCommand(app, ctx);
  AddInstallCommand(app, ctx);
  AddParamsCommands(app, ctx);
  AddGenerateCommands(app, ctx);
  AddLibraryCommands(app, ctx);
  AddProjectCommands(app, ctx);
  AddLispCommands(app, ctx);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  } catch (const CommandFailed& e) {
    std::cerr << e.message << "\n";
    return e.exit_code;
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return kExitFailed;
  }
  return kExitOk;
}
