#include "app/add_library_form.h"

#include <system_error>

#include "app/drive_list.h"
#include "library/menu_tree.h"
#include "platform/file_system.h"

namespace orv {

namespace {

bool Readable(const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::directory_iterator it(directory, ec);
  return !ec;
}

bool SameDirectory(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

TForm1::TForm1(std::filesystem::path program_dir, IMessageBox& messages)
    : TreeView1(&ImageList1), program_dir_(std::move(program_dir)), messages_(messages) {}

void TForm1::RefreshDrives() {
  drives_ = ListDriveRoots();
  drive_ = DriveOf(drives_, directory_);
}

void TForm1::DriveComboBox2Change(const std::filesystem::path& drive) {
  // Nothing moves before the drive is known to be readable, so going back to
  // the previous directory and its drive means staying.
  if (!Readable(drive)) {
    messages_.Show(MsgType::Warning, kInsertDiskMessage, kOk);
    return;
  }
  drive_ = drive;
  directory_ = drive;
  DirectoryOutlineChange();
}

bool TForm1::ChangeDirectory(const std::filesystem::path& directory) {
  if (!Readable(directory)) {
    messages_.Show(MsgType::Warning, kInsertDiskMessage, kOk);
    return false;
  }
  directory_ = directory;
  drive_ = DriveOf(drives_, directory_);
  DirectoryOutlineChange();
  return true;
}

void TForm1::DirectoryOutlineChange() {
  ClearMenuTree(TreeView1, program_dir_);
  // Installing from the program's own directory would copy every file onto itself.
  if (SameDirectory(directory_, program_dir_)) return;
  for (const std::string& name : ListDirectory(directory_, "*.ini")) {
    BuildMenuTree(TreeView1, directory_ / PathFromUtf8(name), name);
  }
}

TForm1::ModalResult TForm1::ShowModal() {
  modal_result = ModalResult::None;
  if (!show_modal) return modal_result = ModalResult::Cancel;
  if (!opened_) {
    opened_ = true;
    std::error_code ec;
    directory_ = std::filesystem::current_path(ec);
    RefreshDrives();
    if (Readable(directory_)) DirectoryOutlineChange();
  }
  return modal_result = show_modal(*this);
}

std::optional<std::filesystem::path> TForm1::ChosenDescription() const {
  TreeNode* top = TopNode(TreeView1.Selected());
  if (!top || top->text.empty()) return std::nullopt;
  return PathFromUtf8(DirectoryWithSeparator(directory_) + top->text);
}

}  // namespace orv
