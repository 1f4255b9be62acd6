#include "app/main_form.h"

#include "app/command_table.h"
#include "app/menu_page_commands.h"
#include "library/menu_tree.h"
#include "library/settings.h"
#include "platform/file_system.h"

namespace orv {

TMainForm::TMainForm(std::filesystem::path program_dir, UiServices ui)
    : DataModule1(program_dir, agProgress1),
      Commands(MakeMainCommandTable()),
      Outline1(&ImageList1),
      Project(DataModule1, ui, ImageList1, &Commands),
      Options(DataModule1),
      Params(program_dir, ui.shell),
      Form1(program_dir, ui.messages),
      Catalog(JoinPath(program_dir, kCatalogFileName)),
      program_dir_(std::move(program_dir)),
      ui_(ui) {}

TMainForm::~TMainForm() = default;

bool TMainForm::Create() {
  HelpFile = ResolveFile(program_dir_, kHelpFileName);
  SettingsFile settings(program_dir_);
  Project.RadioGroup1 = settings.AutoSv();
  Project.CheckBoxProgAll = settings.AllProgram();
  Project.CheckBoxPreWiew = settings.PrevMenu();
  if (!settings.NoError().empty()) {
    // Ticking the box counts as a click: the value is written back as "y".
    Options.SetCheckBoxNoError(true);
  } else {
    DataModule1.error_handler_flag = true;
    Options.CheckBoxNoError = false;
  }
  Project.TreeView1.SetVisible(Project.CheckBoxPreWiew);
  if (settings.FirstRun()) {
    RunFirstRunSequence();
    return false;
  }
  ReloadMenuTree();
  TabSheet1Show();
  return true;
}

void TMainForm::RunFirstRunSequence() {
  ui_.messages.Show(MsgType::Information,
                    "Поздравляю! Вы запустили программу первый раз. Сейчас мы вместе попробуем "
                    "все это настроить. Сначало установите первую программу",
                    kOk);
  FileOpen1Execute();
  ui_.messages.Show(MsgType::Information,
                    "Теперь пробуем запустить ACAD и загрузить созданное меню.", kOk);
  ui_.shell.OpenFile(ResolveFile(program_dir_, kTempBatName), true);
  ui_.messages.Show(MsgType::Information, "Теперь видимо можно работать.", kOk);
  SettingsFile(program_dir_).SetFirstRun(false);
  closed_ = true;
}

void TMainForm::ReloadMenuTree() {
  ClearMenuTree(Outline1, program_dir_);
  BuildMenuTree(Outline1, DataModule1.CatalogPath(), SettingsFile(program_dir_).RootText());
}

void TMainForm::SetActivePage(Page page) {
  if (page == active_page_) return;
  if (active_page_ == Page::Params) TabSheet3Hide();
  active_page_ = page;
  switch (page) {
    case Page::Menu:
      TabSheet1Show();
      break;
    case Page::Project:
      TabSheet2Show();
      break;
    case Page::Params:
      TabSheet3Show();
      break;
    case Page::Options:
      TabSheet4Show();
      break;
  }
}

void TMainForm::TabSheet1Show() {
  for (const std::string& name : MenuPageCommands()) Commands.SetAvailable(name, true);
  for (const std::string& name : ProjectPageCommands()) Commands.SetAvailable(name, false);
  ReloadMenuTree();
}

void TMainForm::TabSheet2Show() {
  for (const std::string& name : MenuPageCommands()) Commands.SetAvailable(name, false);
  Project.TabSheet2Show();
}

void TMainForm::TabSheet3Show() {
  for (const std::string& name : LibraryCommands()) Commands.SetAvailable(name, false);
  Params.Fill();
}

void TMainForm::TabSheet3Hide() {
  Params.WriteBack();
}

void TMainForm::TabSheet4Show() {
  for (const std::string& name : LibraryCommands()) Commands.SetAvailable(name, false);
}

void TMainForm::FileExitItemClick() {
  FormClose();
}

void TMainForm::FormClose() {
  MenuPageContext menu_page{DataModule1, Outline1, ui_.messages};
  AskToSaveCommandOrder(menu_page, Catalog);
  // Closing on the parameters page keeps what was typed there, as leaving the page does.
  if (active_page_ == Page::Params) TabSheet3Hide();
  SettingsFile settings(program_dir_);
  settings.SetAutoSv(Project.RadioGroup1);
  settings.SetAllProgram(Project.CheckBoxProgAll);
  settings.SetPrevMenu(Project.CheckBoxPreWiew);
  closed_ = true;
}

void TMainForm::HlpClick() {
  ui_.help.ShowTopic(HelpFile, kHelpTopic);
}

}  // namespace orv
