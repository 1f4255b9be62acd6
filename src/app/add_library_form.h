#pragma once
// TForm1: the add-to-library dialog without a window system. For the chosen
// directory it lists every description file with the menu it would add. It
// lives as long as the main window, so the drive and directory persist from
// one use to the next.
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/tree_model.h"

namespace orv {

inline constexpr std::string_view kAddLibraryCaption = "Добавить в библиотеку";
inline constexpr std::string_view kInsertDiskMessage = "Вставьте диск и повторите операцию снова!";

class TForm1 {
 public:
  enum class ModalResult { None, Ok, Cancel };

  TForm1(std::filesystem::path program_dir, IMessageBox& messages);

  // The drive selector DriveComboBox2: the roots of the mounted file systems.
  const std::vector<std::filesystem::path>& Drives() const { return drives_; }
  const std::filesystem::path& Drive() const { return drive_; }
  // The directory of DirectoryOutline.
  const std::filesystem::path& Directory() const { return directory_; }

  // The user chose another drive: the tree goes to its root. A drive that
  // cannot be read gives a warning and everything goes back as it was.
  void DriveComboBox2Change(const std::filesystem::path& drive);
  // The user chose another directory. One that cannot be read gives the same
  // warning and the dialog stays where it was; false then.
  bool ChangeDirectory(const std::filesystem::path& directory);
  // Refills TreeView1 for the current directory.
  void DirectoryOutlineChange();

  // A double click on any node accepts the dialog.
  void TreeView1DblClick() { modal_result = ModalResult::Ok; }

  // Shows the dialog through show_modal and returns its result; without a
  // window to show it in, the dialog counts as cancelled. The first showing
  // opens the current directory of the process and lists it.
  ModalResult ShowModal();
  std::function<ModalResult(TForm1&)> show_modal;
  ModalResult modal_result = ModalResult::None;

  // The description file of the selected node's topmost ancestor, joined to
  // the directory with exactly one separator; nothing when no node is
  // selected or that node's text is empty.
  std::optional<std::filesystem::path> ChosenDescription() const;

  // Refreshes the drive list (a disk may have been mounted since).
  void RefreshDrives();

  ImageList ImageList1;
  TreeModel TreeView1;

 private:
  std::filesystem::path program_dir_;
  IMessageBox& messages_;
  std::vector<std::filesystem::path> drives_;
  std::filesystem::path drive_;
  std::filesystem::path directory_;
  bool opened_ = false;
};

}  // namespace orv
