#pragma once
// The add-to-library dialog on Qt: a directory tree with the drive selector
// below it, beside the tree of the description files of the chosen directory
// with the menus they would add. A view over TForm1: the model decides what
// is listed and what a change of drive or directory does.
#include <QDialog>

#include "app/add_library_form.h"
#include "gui/main/image_list_icons.h"

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace orv::gui {

class ModelTreeWidget;

class AddLibraryDialog : public QDialog {
 public:
  explicit AddLibraryDialog(TForm1& form, QWidget* parent = nullptr);

  QTreeView* DirectoryOutline() const { return directory_outline_; }
  QComboBox* DriveComboBox2() const { return drive_combo_; }
  ModelTreeWidget* TreeView1() const { return tree_view_; }

 private:
  void FillDrives();
  // Shows the model's drive and directory.
  void ShowDirectory();
  void DirectoryChosen(const QModelIndex& index);
  void DriveChosen(int row);

  TForm1& form_;
  ImageListIcons icons_;
  QFileSystemModel* directories_ = nullptr;
  QTreeView* directory_outline_ = nullptr;
  QComboBox* drive_combo_ = nullptr;
  ModelTreeWidget* tree_view_ = nullptr;
  bool showing_ = false;
};

// Lets the model show the dialog whenever the add command asks for it, the
// first run included.
void InstallAddLibraryDialog(TForm1& form);

}  // namespace orv::gui
