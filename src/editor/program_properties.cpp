// The selected program's properties, written to the project file at once, and
// the clicks in the menu preview.
#include "editor/project_names.h"
#include "editor/project_page.h"
#include "library/comma_list.h"
#include "library/menu_tree.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

constexpr std::string_view kProgramSection = "program";

}  // namespace

void ProjectPage::RxCheckListComClick() {
  const std::string* selected = RxCheckListCom.SelectedText();
  if (!selected) return;
  RxCheckListFile.UncheckAll();
  const std::string entry = LowerCase(*selected);
  TIniFile ini(ProjectPath());
  if (IsCommandName(entry)) {
    EditCom = entry.substr(kCommandPrefix.size());
    CheckBox1Enabled = false;
    CheckBox1 = false;
  } else {
    EditCom = entry;
    CheckBox1Enabled = true;
    CheckBox1 = EditCom.empty() || ini.ReadString(EditCom, "save").empty();
  }
  // A name without a section (an empty defined name) reads as nothing.
  auto read = [&](std::string_view key) {
    return EditCom.empty() ? std::string() : ini.ReadString(EditCom, key);
  };
  EditCaption = read("caption");
  EditMenu = read("submenu");
  const std::string bmp = read("bmp");
  if (bmp.empty()) {
    ShowMenuBitmap();
  } else if (!LoadPicture(ProjectFile(bmp))) {
    return;
  }
  const std::string files = read("file");
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    const std::string& name = RxCheckListFile.Text(i);
    bool listed = EqualsNoCase(name, bmp);
    for (const std::string& part : SplitCommaList(files))
      listed = listed || EqualsNoCase(name, part);
    if (listed) RxCheckListFile.SetChecked(i, true);
  }
  if (TreeView1.Visible()) TreeView1.SetFocus();
  SelectProgramNode();
}

void ProjectPage::SelectProgramNode() {
  TreeNode* selected = TreeView1.First();
  const std::string target = LowerCase(EditCom + std::string(kNodeSeparator) + EditCaption);
  for (TreeNode* node : TreeView1.Nodes()) {
    if (LowerCase(node->text) == target) selected = node;
  }
  TreeView1.Select(selected);
  if (selected) selected->expanded = true;
}

void ProjectPage::RxCheckListComClickCheck(int index) {
  if (index < 0 || index >= RxCheckListCom.Count()) return;
  RxCheckListCom.SetItemIndex(index);
  RxCheckListComClick();
  const std::string section = SectionNameOf(RxCheckListCom.Text(index));
  // A program needs a name to be registered under.
  if (!section.empty()) {
    IniBatch batch;
    TIniFile ini(ProjectPath());
    if (RxCheckListCom.Checked(index)) {
      // A command is reached by its own name; a plain function through a loader.
      if (IsCommandName(RxCheckListCom.Text(index))) {
        ini.WriteString(section, "No_Install", "Y");
      } else {
        ini.DeleteKey(section, "No_Install");
      }
      ini.WriteString(kProgramSection, section, "");
    } else {
      ini.DeleteKey(kProgramSection, section);
    }
  }
  RebuildPreview();
}

void ProjectPage::CheckBox1Click() {
  if (EditCom.empty()) return;
  TIniFile ini(ProjectPath());
  if (CheckBox1) {
    ini.DeleteKey(EditCom, "save");
  } else {
    ini.WriteString(EditCom, "save", "No");
  }
}

void ProjectPage::EditCaptionExit() {
  if (EditCom.empty()) return;
  TIniFile(ProjectPath()).WriteString(EditCom, "caption", EditCaption);
  RebuildPreview();
  if (TreeView1.Visible()) TreeView1.SetFocus();
  SelectProgramNode();
}

void ProjectPage::EditMenuExit() {
  if (EditCom.empty()) return;
  TIniFile(ProjectPath()).WriteString(EditCom, "submenu", EditMenu);
  RebuildPreview();
  if (TreeView1.Visible()) TreeView1.SetFocus();
  SelectProgramNode();
}

void ProjectPage::WriteCheckedFiles() {
  if (EditCom.empty()) return;
  std::string files;
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    const std::string& name = RxCheckListFile.Text(i);
    if (!RxCheckListFile.Checked(i) || IsPictureName(name)) continue;
    if (!files.empty()) files += ",";
    files += name;
  }
  TIniFile(ProjectPath()).WriteString(EditCom, "file", files);
}

void ProjectPage::RxCheckListFileClickCheck() {
  const int selected = RxCheckListFile.ItemIndex();
  if (selected < 0) return;
  const std::string picture = RxCheckListFile.Text(selected);
  if (!IsPictureName(picture)) {
    WriteCheckedFiles();
    return;
  }
  // One picture per program: clicking a checked picture cannot clear it.
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    if (IsPictureName(RxCheckListFile.Text(i))) RxCheckListFile.SetChecked(i, i == selected);
  }
  if (!LoadPicture(ProjectFile(picture))) return;
  // The picture belongs to the program, or after a click on a submenu node to
  // that submenu.
  const std::string section = !EditCom.empty() ? EditCom : EditMenu;
  if (section.empty()) return;
  TIniFile ini(ProjectPath());
  if (!EqualsNoCase(ini.ReadString(section, "bmp"), picture)) {
    ini.WriteString(section, "bmp", picture);
    RebuildPreview();
  }
}

void ProjectPage::TreeView1Click() {
  TreeNode* node = TreeView1.Selected();
  if (!node) return;
  if (!node->HasChildren()) {
    const std::string& text = node->text;
    const std::string name = LowerCase(text.substr(0, text.find(kNodeSeparator)));
    for (int i = 0; i < RxCheckListCom.Count(); ++i) {
      if (SectionNameOf(RxCheckListCom.Text(i)) == name) RxCheckListCom.SetItemIndex(i);
    }
    RxCheckListComClick();
    return;
  }
  EditCom.clear();
  EditCaption.clear();
  std::string path;
  for (const TreeNode* level = node; level && level->Parent(); level = level->Parent()) {
    path = path.empty() ? level->text : level->text + "\\" + path;
  }
  EditMenu = path;
  const std::string bmp =
      path.empty() ? std::string() : TIniFile(ProjectPath()).ReadString(path, "bmp");
  RxCheckListFile.SetItemIndex(0);
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    bool is_picture = EqualsNoCase(RxCheckListFile.Text(i), bmp);
    RxCheckListFile.SetChecked(i, is_picture);
    if (is_picture) RxCheckListFile.SetItemIndex(i);
  }
  // A submenu without a picture takes the first file of the list when that is
  // a picture.
  if (!EditMenu.empty()) RxCheckListFileClickCheck();
  CheckBox1Enabled = false;
  CheckBox1 = false;
}

void ProjectPage::ClickProgramCheck(int index) {
  if (index < 0 || index >= RxCheckListCom.Count()) return;
  RxCheckListCom.SetChecked(index, !RxCheckListCom.Checked(index));
  RxCheckListComClickCheck(index);
}

void ProjectPage::ClickFileCheck(int index) {
  if (index < 0 || index >= RxCheckListFile.Count()) return;
  RxCheckListFile.SetItemIndex(index);
  RxCheckListFile.SetChecked(index, !RxCheckListFile.Checked(index));
  RxCheckListFileClickCheck();
}

}  // namespace orv
