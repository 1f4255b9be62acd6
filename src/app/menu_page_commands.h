#pragma once
// The library commands of the menu page, run over the main menu tree. The main
// window's handlers and the command-line tool both run these, so that every
// command shows the same questions, progress texts and closing messages.
#include <filesystem>

#include "library/data_module.h"
#include "platform/dialogs.h"
#include "platform/ini_file.h"
#include "platform/tree_model.h"

namespace orv {

struct MenuPageContext {
  TDataModule1& dm;
  TreeModel& tree;  // the main menu tree Outline1
  IMessageBox& messages;
};

enum class CommandOutcome {
  Done,
  Cancelled,   // a confirmation was declined, or there was nothing to do
  Stopped,     // the add steps stopped with their stop message
  Incomplete,  // done, but some files could not be copied
};

// Clears the tree and builds it from the catalog under Menu_Name -> Menu_Сaption.
void ReloadMainMenuTree(MenuPageContext& page);

// "Добавить в библиотеку" once the description file is chosen.
CommandOutcome RunAddLibrary(MenuPageContext& page, const std::filesystem::path& description);
// "Удалить из библиотеки": the library of the selected command (of the first
// node below the root when nothing or the root is selected), after a confirmation.
CommandOutcome RunDeleteLibrary(MenuPageContext& page);
CommandOutcome RunSoftRevision(MenuPageContext& page);
// Asks first; anything but OK changes nothing.
CommandOutcome RunFullRevision(MenuPageContext& page);
CommandOutcome RunSaveCommandOrder(MenuPageContext& page);

// When a program of the tree stands elsewhere than its saved order value
// (read through catalog), asks whether to save; OK runs the save in full.
void AskToSaveCommandOrder(MenuPageContext& page, const TIniFile& catalog);

// The warning that names the files an add could not copy.
std::string FailedCopiesMessage(const std::vector<std::string>& files);

}  // namespace orv
