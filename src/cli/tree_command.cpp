#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/cli_context.h"
#include "library/data_module.h"
#include "library/menu_tree.h"
#include "library/settings.h"
#include "platform/file_system.h"

namespace orv::cli {

void AddTreeCommand(CLI::App& app, CliContext& ctx) {
  CLI::App* tree =
      app.add_subcommand("tree", "Print the main menu tree built from the catalog Orvpak.set");
  tree->callback([&ctx] {
    std::filesystem::path dir = ctx.ProgramDir();
    if (!DirectoryExists(dir)) throw CommandFailed{"Нет каталога " + PathToUtf8(dir)};
    ImageList images;
    TreeModel model(&images);
    ClearMenuTree(model, dir);
    BuildMenuTree(model, ResolveFile(dir, kCatalogFileName), SettingsFile(dir).RootText());
    for (TreeNode* node : model.Nodes()) {
      std::cout << std::string(2 * node->Level(), ' ') << node->text << '\t' << node->image_index
                << '\n';
    }
  });
}

}  // namespace orv::cli
