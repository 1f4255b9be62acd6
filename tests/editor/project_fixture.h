#pragma once
// A program directory with its menu bitmap, a project directory beside it, and
// a project page over scripted dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/project_page.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv::test {

class ProjectFixture : public ::testing::Test {
 protected:
  ProjectFixture() {
    WriteBitmap(dir / "prog/LIB_M.bmp");
    std::filesystem::create_directories(proj);
    indicator.on_text = [this](const std::string& text) { statuses.push_back(text); };
  }

  // A path of the project directory as the project field spells it.
  std::string Name(std::string_view file) const {
    return PathToUtf8(proj) + "/" + std::string(file);
  }
  std::filesystem::path In(std::string_view file) const {
    return dir / ("proj/" + std::string(file));
  }

  void WriteProject(const std::vector<std::string>& lines) { WriteLines(In("lib.ini"), lines); }
  void Open(std::string_view file = "lib.ini") { page.SetProjectName(Name(file)); }
  std::string Project() const { return ReadCp1251(In("lib.ini")); }
  std::vector<std::string> Keys(std::string_view section) const {
    return TIniFile(In("lib.ini")).ReadSection(section);
  }
  std::string Value(std::string_view section, std::string_view key) const {
    return TIniFile(In("lib.ini")).ReadString(section, key);
  }

  static std::vector<std::string> Texts(const CheckListBox& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.Text(i));
    return texts;
  }
  static std::vector<std::string> CheckedTexts(const CheckListBox& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Checked(i)) texts.push_back(list.Text(i));
    }
    return texts;
  }
  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }
  // The preview as indented lines, two blanks a level.
  std::vector<std::string> Preview() const {
    std::vector<std::string> lines;
    for (const TreeNode* node : page.TreeView1.Nodes()) {
      lines.push_back(std::string(2 * node->Level(), ' ') + node->text);
    }
    return lines;
  }
  TreeNode* PreviewNode(std::string_view text) const {
    for (TreeNode* node : page.TreeView1.Nodes()) {
      if (node->text == text) return node;
    }
    return nullptr;
  }

  TempDir dir;
  std::filesystem::path proj = dir / "proj";
  ProgressIndicator indicator;
  std::vector<std::string> statuses;
  TDataModule1 dm{dir / "prog", indicator};
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  ImageList images;
  ProjectPage page{dm, UiServices{messages, files, shell, help}, images};
};

}  // namespace orv::test
