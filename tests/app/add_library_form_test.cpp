#include "app/add_library_form.h"

#include <gtest/gtest.h>

#include "app/drive_list.h"
#include "library/library_fixture.h"
#include "platform/scripted_ui.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

std::vector<std::string> Dump(const TreeModel& tree) {
  std::vector<std::string> texts;
  for (TreeNode* node : tree.Nodes()) {
    texts.push_back(std::string(2 * node->Level(), ' ') + node->text + " #" +
                    std::to_string(node->image_index));
  }
  return texts;
}

class AddLibraryFormTest : public ::testing::Test {
 protected:
  AddLibraryFormTest() : form(prog, messages) {
    std::filesystem::create_directories(prog);
    test::WriteBitmap(prog / "LIB_M.bmp");
  }
  TempDir root;
  std::filesystem::path prog = root / "prog";
  ScriptedMessageBox messages;
  TForm1 form;
};

TEST_F(AddLibraryFormTest, ListsEveryDescriptionWithTheMenuItWouldAdd) {
  const std::filesystem::path dist = root / "dist";
  test::WriteLibrary(
      dist, {"stena", {{"stena", "Стена", "Арх\\Стены", ""}, {"okno", "Окно", "", ""}}, {}});
  WriteLines(dist / "empty.INI", {"[file]"});
  WriteLines(dist / "readme.txt", {"x"});
  ASSERT_TRUE(form.ChangeDirectory(dist));
  EXPECT_EQ(Dump(form.TreeView1),
            (std::vector<std::string>{"empty.INI #0", "stena.ini #0", "  Арх #0", "    Стены #1",
                                      "      stena -> Стена #2", "  okno -> Окно #3"}));
  EXPECT_EQ(form.ImageList1.Count(), 4);  // the menu bitmap first
  EXPECT_TRUE(messages.shown().empty());

  // A program node chooses the description file above it.
  form.TreeView1.Select(form.TreeView1.NodeAt(4));
  EXPECT_EQ(form.ChosenDescription(), dist / "stena.ini");
  form.TreeView1.Select(nullptr);
  EXPECT_EQ(form.ChosenDescription(), std::nullopt);

  // The program's own directory lists nothing, however it is spelled.
  WriteLines(prog / "lib.ini", {"[program]", "p="});
  ASSERT_TRUE(form.ChangeDirectory(prog / "."));
  EXPECT_EQ(Dump(form.TreeView1), std::vector<std::string>{});
}

TEST_F(AddLibraryFormTest, AnUnreadableDirectoryOrDriveWarnsAndStaysWhereItWas) {
  test::WriteLibrary(root / "dist", {"a", {{"a", "А", "", ""}}, {}});
  ASSERT_TRUE(form.ChangeDirectory(root / "dist"));
  const auto listed = Dump(form.TreeView1);

  EXPECT_FALSE(form.ChangeDirectory(root / "unplugged"));
  form.DriveComboBox2Change(root / "no-disk");
  ASSERT_EQ(messages.shown().size(), 2u);
  for (const auto& shown : messages.shown()) {
    EXPECT_EQ(shown.text, "Вставьте диск и повторите операцию снова!");
    EXPECT_EQ(shown.type, MsgType::Warning);
    EXPECT_EQ(shown.buttons, static_cast<unsigned>(kOk));
  }
  EXPECT_EQ(form.Directory(), root / "dist");
  EXPECT_EQ(Dump(form.TreeView1), listed);

  // A readable drive opens at its root.
  form.DriveComboBox2Change(root.path());
  EXPECT_EQ(form.Directory(), root.path());
  EXPECT_EQ(form.Drive(), root.path());
}

TEST_F(AddLibraryFormTest, ADescriptionAtARootGetsOneSeparator) {
  if (!std::filesystem::exists("/")) GTEST_SKIP();
  form.DriveComboBox2Change("/");
  form.TreeView1.Add(nullptr, "LIB.INI");
  form.TreeView1.Select(form.TreeView1.First());
  EXPECT_EQ(form.ChosenDescription(), std::filesystem::path("/LIB.INI"));
}

TEST_F(AddLibraryFormTest, ShowModalWithoutAWindowCancelsAndADoubleClickAccepts) {
  EXPECT_EQ(form.ShowModal(), TForm1::ModalResult::Cancel);
  form.show_modal = [](TForm1& dialog) {
    dialog.TreeView1DblClick();
    return dialog.modal_result;
  };
  EXPECT_EQ(form.ShowModal(), TForm1::ModalResult::Ok);
  EXPECT_FALSE(form.Drives().empty());
}

TEST(DriveRoots, TakesDiskAndNetworkMountsButNotTheSystemOnes) {
  const char* mounts =
      "/dev/sda2 / ext4 rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sda1 /boot/efi vfat rw 0 0\n"
      "/dev/sdb1 /media/user/USB\\040DISK vfat rw 0 0\n"
      "/dev/sr0 /run/media/user/CD iso9660 ro 0 0\n"
      "server:/share /mnt/share nfs4 rw 0 0\n"
      "//srv/lib /mnt/lib cifs rw 0 0\n"
      "overlay /var/lib/docker/x overlay rw 0 0\n"
      "broken line\n";
  EXPECT_EQ(DriveRootsFromMountTable(mounts, "/home/user"),
            (std::vector<std::filesystem::path>{"/", "/home/user", "/media/user/USB DISK",
                                                "/mnt/lib", "/mnt/share", "/run/media/user/CD"}));
  std::vector<std::filesystem::path> drives = {"/", "/media/user/USB DISK", "/media/user/USB"};
  EXPECT_EQ(DriveOf(drives, "/media/user/USB DISK/lib"), "/media/user/USB DISK");
  EXPECT_EQ(DriveOf(drives, "/media/user/USB/x"), "/media/user/USB");
  EXPECT_EQ(DriveOf(drives, "/media/user/USBX"), "/");
}

}  // namespace
}  // namespace orv
