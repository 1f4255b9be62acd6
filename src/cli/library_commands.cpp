// The library commands of the menu page: add, delete, revise, order, move and
// save-order. They run the window's commands over a menu tree built from the
// catalog, so the questions, progress texts and closing messages are the same.
#include <CLI/CLI.hpp>
#include <iostream>

#include "app/menu_page_commands.h"
#include "cli/cli_context.h"
#include "library/command_order.h"
#include "library/menu_tree.h"
#include "platform/file_system.h"
#include "platform/text_case.h"

namespace orv::cli {

namespace {

constexpr std::string_view kUserAbort = "Прерванно пользователем";

// Questions go to the console; notices (boxes with OK alone: the stop
// message, the failed copies) are kept for standard error.
class NoticeCollector : public IMessageBox {
 public:
  explicit NoticeCollector(IMessageBox& console) : console_(console) {}
  Answer Show(MsgType type, std::string_view text, unsigned buttons,
              std::string_view caption) override {
    if (buttons != kOk) return console_.Show(type, text, buttons, caption);
    notices_ += (notices_.empty() ? "" : "\n") + std::string(text);
    return Answer::Ok;
  }
  const std::string& Notices() const { return notices_; }

 private:
  IMessageBox& console_;
  std::string notices_;
};

// The menu page of one run: the data module printing every progress text on
// its own line, and the main menu tree as the window would show it.
class MenuPageRun {
 public:
  explicit MenuPageRun(CliContext& ctx)
      : dm_(CheckedProgramDir(ctx), indicator_),
        tree_(&images_),
        messages_(ctx.Messages()),
        page_{dm_, tree_, messages_} {
    indicator_.on_text = [](const std::string& text) { std::cout << text << std::endl; };
    ReloadMainMenuTree(page_);
  }

  MenuPageContext& Page() { return page_; }
  TreeModel& Tree() { return tree_; }
  TDataModule1& DataModule() { return dm_; }

  // Exit 1 unless the command was done; its notices go to standard error.
  void Finish(CommandOutcome outcome) {
    if (outcome == CommandOutcome::Done) {
      if (!messages_.Notices().empty()) std::cerr << messages_.Notices() << "\n";
      return;
    }
    std::string message = messages_.Notices();
    throw CommandFailed{message.empty() ? std::string(kUserAbort) : message};
  }

 private:
  static std::filesystem::path CheckedProgramDir(CliContext& ctx) {
    std::filesystem::path dir = ctx.ProgramDir();
    if (!DirectoryExists(dir)) throw CommandFailed{"Нет каталога " + PathToUtf8(dir)};
    return dir;
  }

  ProgressIndicator indicator_;
  TDataModule1 dm_;
  ImageList images_;
  TreeModel tree_;
  NoticeCollector messages_;
  MenuPageContext page_;
};

// The submenu path of a submenu node: the texts below the root, joined by backslashes.
std::string SubmenuPathOf(const TreeNode* node) {
  std::string path;
  for (; node && node->Parent(); node = node->Parent()) {
    path = path.empty() ? node->text : node->text + "\\" + path;
  }
  return path;
}

// A program node by its program name (letter case ignored when no name
// matches exactly), else a submenu node by its path.
TreeNode* FindMenuNode(const TreeModel& tree, std::string_view name) {
  std::vector<TreeNode*> nodes = tree.Nodes();
  for (TreeNode* node : nodes) {
    if (ProgramNameOfNode(node) == name) return node;
  }
  for (TreeNode* node : nodes) {
    std::string program = ProgramNameOfNode(node);
    if (!program.empty() && EqualsNoCase(program, name)) return node;
  }
  for (TreeNode* node : nodes) {
    if (node->Parent() && ProgramNameOfNode(node).empty() && SubmenuPathOf(node) == name) {
      return node;
    }
  }
  return nullptr;
}

TreeNode* RequireMenuNode(const TreeModel& tree, const std::string& name) {
  TreeNode* node = FindMenuNode(tree, name);
  if (!node) throw CommandFailed{"В меню нет команды или подменю " + name};
  return node;
}

void AddLibraryCommand(CLI::App& app, CliContext& ctx) {
  static std::string description;
  CLI::App* add = app.add_subcommand(
      "add",
      "Install a library from a distribution: check its description file, copy the files it "
      "lists into the program directory, regenerate the menu files and save the order. Questions "
      "about installed programs (y/n/a) and files (y/n/c/a) are read from standard input");
  add->add_option("description", description, "The distribution's description file, PATH/LIB.ini")
      ->required();
  add->callback([&ctx] {
    MenuPageRun run(ctx);
    std::filesystem::path path = std::filesystem::absolute(PathFromUtf8(description));
    if (!FileExists(path)) throw CommandFailed{"Нет файла " + PathToUtf8(path)};
    std::error_code ec;
    if (std::filesystem::equivalent(path.parent_path(), run.DataModule().ProgramDir(), ec)) {
      throw CommandFailed{"Файл описания лежит в каталоге программы: библиотека уже установлена"};
    }
    run.Finish(RunAddLibrary(run.Page(), ResolvePath(path)));
  });
}

void AddDeleteCommand(CLI::App& app, CliContext& ctx) {
  static std::string program;
  CLI::App* del = app.add_subcommand(
      "delete",
      "Delete the library that defines PROGRAM: every program of its description file, the files "
      "no other library lists and the description file; then regenerate the menu files. Asks "
      "first (y/c)");
  del->add_option("program", program, "A program of the library")->required();
  del->callback([&ctx] {
    MenuPageRun run(ctx);
    TreeNode* node = RequireMenuNode(run.Tree(), program);
    std::string name = ProgramNameOfNode(node);
    if (name.empty()) throw CommandFailed{program + " - подменю, а не команда"};
    if (FindDescriptionFile(run.DataModule(), name).empty()) {
      throw CommandFailed{"Не найден файл описания программы " + name};
    }
    run.Tree().Select(node);
    run.Finish(RunDeleteLibrary(run.Page()));
  });
}

void AddReviseCommand(CLI::App& app, CliContext& ctx) {
  static bool full = false;
  CLI::App* revise = app.add_subcommand(
      "revise",
      "Soft revision: rebuild the catalog and the menu files. With --full, first remove every "
      "library that lost a file and every file of the program directory that no library lists "
      "and that is not the system's own (asks first, y/c)");
  revise->add_flag("--full", full, "Full revision");
  revise->callback([&ctx] {
    MenuPageRun run(ctx);
    run.Finish(full ? RunFullRevision(run.Page()) : RunSoftRevision(run.Page()));
  });
}

void AddOrderCommands(CLI::App& app, CliContext& ctx) {
  app.add_subcommand("order",
                     "Print the saved order of the commands: order value, program and submenu "
                     "per line, in menu order")
      ->callback([&ctx] {
        MenuPageRun run(ctx);
        TIniFile catalog(run.DataModule().CatalogPath());
        for (const std::string& program : ProgramList(catalog.FileName())) {
          std::cout << catalog.ReadInteger("program", program, kDefaultOrder) << '\t' << program
                    << '\t' << catalog.ReadString(program, "submenu") << '\n';
        }
        if (CommandOrderUnsaved(run.Tree(), catalog)) {
          std::cerr << "Порядок команд не сохранен\n";
        }
      });

  static std::vector<std::string> moves;
  CLI::App* move = app.add_subcommand(
      "move",
      "Move commands one place up or down among their siblings (the first moved up becomes the "
      "last, the last moved down the first), in the order given, then save the order and "
      "regenerate the menu files. NAME is a program name or a submenu path with its levels "
      "joined by backslashes; a submenu moves with everything in it. Example: "
      "orvpak move stena up \"Архитектура\" down");
  move->add_option("moves", moves, "NAME up|down, one pair or more")->required()->expected(2, -1);
  move->callback([&ctx] {
    if (moves.size() % 2 != 0) throw CommandFailed{"Ожидаются пары: имя up|down", kExitUsage};
    MenuPageRun run(ctx);
    for (size_t i = 0; i < moves.size(); i += 2) {
      const std::string& direction = moves[i + 1];
      if (direction != "up" && direction != "down") {
        throw CommandFailed{"Направление up или down, а не " + direction, kExitUsage};
      }
      run.Tree().Select(RequireMenuNode(run.Tree(), moves[i]));
      direction == "up" ? MoveNodeUp(run.Tree()) : MoveNodeDown(run.Tree());
    }
    run.Finish(RunSaveCommandOrder(run.Page()));
  });

  app.add_subcommand("save-order",
                     "Save the order of the menu as it is built from the catalog: every program's "
                     "position becomes its order value; then regenerate the menu files")
      ->callback([&ctx] {
        MenuPageRun run(ctx);
        run.Finish(RunSaveCommandOrder(run.Page()));
      });
}

}  // namespace

void AddLibraryCommands(CLI::App& app, CliContext& ctx) {
  AddLibraryCommand(app, ctx);
  AddDeleteCommand(app, ctx);
  AddReviseCommand(app, ctx);
  AddOrderCommands(app, ctx);
}

}  // namespace orv::cli
