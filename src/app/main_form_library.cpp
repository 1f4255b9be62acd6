// The library commands of the menu page of TMainForm.
#include "app/main_form.h"
#include "app/menu_page_commands.h"
#include "library/command_order.h"

namespace orv {

namespace {
MenuPageContext MenuPage(TMainForm& form) {
  return MenuPageContext{form.DataModule1, form.Outline1, form.Ui().messages};
}
}  // namespace

void TMainForm::FileOpen1Execute() {
  if (Form1.ShowModal() != TForm1::ModalResult::Ok) return;
  std::optional<std::filesystem::path> description = Form1.ChosenDescription();
  if (!description) return;
  MenuPageContext page = MenuPage(*this);
  RunAddLibrary(page, *description);
}

void TMainForm::DeleteLibClick() {
  MenuPageContext page = MenuPage(*this);
  RunDeleteLibrary(page);
}

void TMainForm::RevClick() {
  MenuPageContext page = MenuPage(*this);
  RunSoftRevision(page);
}

void TMainForm::FullRevClick() {
  MenuPageContext page = MenuPage(*this);
  RunFullRevision(page);
}

void TMainForm::MoveUp_1Click() {
  MoveNodeUp(Outline1);
}

void TMainForm::MoveDown_1Click() {
  MoveNodeDown(Outline1);
}

void TMainForm::SaveMClick() {
  MenuPageContext page = MenuPage(*this);
  RunSaveCommandOrder(page);
}

}  // namespace orv
