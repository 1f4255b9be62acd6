#include "app/menu_page_commands.h"

#include "app/add_library.h"
#include "library/command_order.h"
#include "library/delete_library.h"
#include "library/full_revision.h"
#include "library/menu_tree.h"
#include "library/settings.h"
#include "menugen/menu_files.h"
#include "platform/ini_file.h"

namespace orv {

namespace {

// Position 0, the preparing text, and the command's own first maximum.
void BeginProgress(TDataModule1& dm, int first_maximum) {
  dm.SetProgressPosition(0);
  dm.SetProgressText("Идет подготовка");
  dm.Indicator().SetMaximum(first_maximum);
}

void EndProgress(TDataModule1& dm) {
  dm.SetProgressPosition(dm.Indicator().Maximum());
}

}  // namespace

void ReloadMainMenuTree(MenuPageContext& page) {
  ClearMenuTree(page.tree, page.dm.ProgramDir());
  BuildMenuTree(page.tree, page.dm.CatalogPath(), SettingsFile(page.dm.ProgramDir()).RootText());
}

std::string FailedCopiesMessage(const std::vector<std::string>& files) {
  std::string names;
  for (const std::string& file : files) names += (names.empty() ? "" : ", ") + file;
  return "Не удалось скопировать файлы: " + names + ". Библиотека установлена не полностью";
}

CommandOutcome RunAddLibrary(MenuPageContext& page, const std::filesystem::path& description) {
  TDataModule1& dm = page.dm;
  const std::filesystem::path catalog = dm.CatalogPath();
  BeginProgress(dm, 8);
  // The counting passes move the position themselves; it is not reset after them.
  int steps = AddLibrarySteps(dm, page.messages, catalog, description, false);
  steps += SaveCommandOrder(dm, page.tree, catalog, false);
  steps += GenerateMenuFiles(dm, false);
  dm.Indicator().SetMaximum(steps);

  AddLibraryResult result;
  AddLibrarySteps(dm, page.messages, catalog, description, true, &result);
  // Whatever the add steps did, the menu follows the description files now
  // beside the program, those copied before a stop included.
  GenerateMenuFiles(dm, true);
  ReloadMainMenuTree(page);
  SaveCommandOrder(dm, page.tree, dm.CatalogPath(), true);
  EndProgress(dm);

  if (!result.failed_copies.empty()) {
    page.messages.Show(MsgType::Warning, FailedCopiesMessage(result.failed_copies), kOk);
  }
  if (result.stopped) return CommandOutcome::Stopped;
  if (!result.failed_copies.empty()) return CommandOutcome::Incomplete;
  dm.SetProgressText("Процесс добавления завершен успешно");
  return CommandOutcome::Done;
}

CommandOutcome RunDeleteLibrary(MenuPageContext& page) {
  TDataModule1& dm = page.dm;
  TreeNode* node = page.tree.Selected();
  if (!node || !node->Parent()) node = page.tree.NodeAt(1);
  std::filesystem::path description = FindDescriptionFile(dm, ProgramNameOfNode(node));
  if (description.empty()) return CommandOutcome::Cancelled;
  std::vector<std::string> programs = TIniFile(description).ReadSection("program");
  if (programs.empty()) return CommandOutcome::Cancelled;
  std::string names;
  for (const std::string& program : programs) names += (names.empty() ? "" : ", ") + program;
  if (page.messages.Show(MsgType::Warning, "Удалить следующие программы?  " + names + "   ",
                         kOk | kCancel) != Answer::Ok) {
    return CommandOutcome::Cancelled;
  }

  const std::filesystem::path catalog = dm.CatalogPath();
  BeginProgress(dm, 6);
  int steps = DeleteLibraryFiles(dm, catalog, description, false);
  steps += SaveCommandOrder(dm, page.tree, catalog, false);
  steps += GenerateMenuFiles(dm, false);
  dm.Indicator().SetMaximum(steps);

  DeleteLibraryFiles(dm, catalog, description, true);
  GenerateMenuFiles(dm, true);
  ReloadMainMenuTree(page);
  SaveCommandOrder(dm, page.tree, dm.CatalogPath(), true);
  EndProgress(dm);
  dm.SetProgressText("Удаление команд завершено");
  return CommandOutcome::Done;
}

CommandOutcome RunSoftRevision(MenuPageContext& page) {
  TDataModule1& dm = page.dm;
  BeginProgress(dm, 4);
  dm.Indicator().SetMaximum(GenerateMenuFiles(dm, false));
  GenerateMenuFiles(dm, true);
  EndProgress(dm);
  ReloadMainMenuTree(page);
  dm.SetProgressText("Мягкая ревизия завершена");
  return CommandOutcome::Done;
}

CommandOutcome RunFullRevision(MenuPageContext& page) {
  if (page.messages.Show(MsgType::Warning, "Не уверен, не нажимай! Продолжить?", kOk | kCancel) !=
      Answer::Ok) {
    return CommandOutcome::Cancelled;
  }
  TDataModule1& dm = page.dm;
  const std::filesystem::path catalog = dm.CatalogPath();
  BeginProgress(dm, 8);
  int steps = FullRevisionSteps(dm, catalog, false);
  steps += GenerateMenuFiles(dm, false);
  steps += SaveCommandOrder(dm, page.tree, catalog, false);
  dm.Indicator().SetMaximum(steps);

  FullRevisionSteps(dm, catalog, true);
  GenerateMenuFiles(dm, true);
  // The tree as the user left it: its positions reach the menu files at the
  // next generation.
  SaveCommandOrder(dm, page.tree, dm.CatalogPath(), true);
  EndProgress(dm);
  ReloadMainMenuTree(page);
  dm.SetProgressText("Полная ревизия завершена");
  return CommandOutcome::Done;
}

CommandOutcome RunSaveCommandOrder(MenuPageContext& page) {
  TDataModule1& dm = page.dm;
  const std::filesystem::path catalog = dm.CatalogPath();
  BeginProgress(dm, 5);
  int steps = SaveCommandOrder(dm, page.tree, catalog, false);
  steps += GenerateMenuFiles(dm, false);
  dm.Indicator().SetMaximum(steps);
  SaveCommandOrder(dm, page.tree, catalog, true);
  GenerateMenuFiles(dm, true);
  EndProgress(dm);
  dm.SetProgressText("Сохранение порядка команд завершено");
  return CommandOutcome::Done;
}

void AskToSaveCommandOrder(MenuPageContext& page, const TIniFile& catalog) {
  if (!CommandOrderUnsaved(page.tree, catalog)) return;
  if (page.messages.Show(MsgType::Warning, "Порядок команд не сохранен, сохранить ?  ",
                         kOk | kCancel) == Answer::Ok) {
    RunSaveCommandOrder(page);
  }
}

}  // namespace orv
