#include "gui/main/add_library_dialog.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/common/qt_dialogs.h"
#include "gui/main/model_tree_widget.h"
#include "platform/file_system.h"

namespace orv::gui {

namespace {
QString QPath(const std::filesystem::path& path) {
  return Q(PathToUtf8(path));
}
}  // namespace

AddLibraryDialog::AddLibraryDialog(TForm1& form, QWidget* parent)
    : QDialog(parent), form_(form), icons_(form.ImageList1) {
  setWindowTitle(Q(kAddLibraryCaption));
  resize(456, 365);

  directories_ = new QFileSystemModel(this);
  directories_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  directories_->setRootPath(QPath(form_.Drive().empty() ? form_.Directory() : form_.Drive()));

  directory_outline_ = new QTreeView(this);
  directory_outline_->setObjectName("DirectoryOutline");
  directory_outline_->setModel(directories_);
  directory_outline_->setHeaderHidden(true);
  for (int column = 1; column < directories_->columnCount(); ++column) {
    directory_outline_->hideColumn(column);
  }
  connect(directory_outline_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { DirectoryChosen(index); });

  drive_combo_ = new QComboBox(this);
  drive_combo_->setObjectName("DriveComboBox2");
  connect(drive_combo_, &QComboBox::activated, this, [this](int row) { DriveChosen(row); });

  tree_view_ = new ModelTreeWidget(form_.TreeView1, icons_, this);
  tree_view_->setObjectName("TreeView1");
  tree_view_->setIndentation(19);
  connect(tree_view_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    form_.TreeView1.Select(tree_view_->NodeOf(item));
    form_.TreeView1DblClick();
    if (form_.modal_result == TForm1::ModalResult::Ok) accept();
  });

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName("Button2");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(directory_outline_, 1);
  left->addWidget(drive_combo_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* right = new QVBoxLayout;
  right->addWidget(tree_view_, 1);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);

  FillDrives();
  ShowDirectory();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void AddLibraryDialog::FillDrives() {
  form_.RefreshDrives();
  const QSignalBlocker blocker(drive_combo_);
  drive_combo_->clear();
  for (const std::filesystem::path& drive : form_.Drives()) {
    drive_combo_->addItem(QPath(drive), QPath(drive));
  }
}

void AddLibraryDialog::ShowDirectory() {
  showing_ = true;
  const QSignalBlocker blocker(drive_combo_);
  drive_combo_->setCurrentIndex(drive_combo_->findData(QPath(form_.Drive())));
  directory_outline_->setRootIndex(directories_->index(QPath(form_.Drive())));
  QModelIndex current = directories_->index(QPath(form_.Directory()));
  directory_outline_->setCurrentIndex(current);
  directory_outline_->scrollTo(current);
  directory_outline_->expand(current);
  tree_view_->Refresh();
  showing_ = false;
}

void AddLibraryDialog::DirectoryChosen(const QModelIndex& index) {
  if (showing_ || !index.isValid()) return;
  std::filesystem::path directory = PathFromUtf8(U(directories_->filePath(index)));
  if (directory == form_.Directory()) return;
  form_.ChangeDirectory(directory);
  // An unreadable directory leaves the model where it was; so does the view.
  ShowDirectory();
}

void AddLibraryDialog::DriveChosen(int row) {
  if (row < 0) return;
  form_.DriveComboBox2Change(PathFromUtf8(U(drive_combo_->itemData(row).toString())));
  ShowDirectory();
}

void InstallAddLibraryDialog(TForm1& form) {
  form.show_modal = [](TForm1& model) {
    // No parent: the dialog is centred on the screen, and it is also shown
    // by the first run, before any window exists.
    AddLibraryDialog dialog(model);
    return dialog.exec() == QDialog::Accepted ? TForm1::ModalResult::Ok
                                              : TForm1::ModalResult::Cancel;
  };
}

}  // namespace orv::gui
