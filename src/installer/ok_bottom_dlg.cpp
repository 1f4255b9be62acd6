#include "installer/ok_bottom_dlg.h"

#include <algorithm>

#include "installer/installer_files.h"
#include "library/settings.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

using namespace installer;

void TSortedListBox::Clear() {
  Items.clear();
  Selected.clear();
  ItemIndex = -1;
}

int TSortedListBox::Add(const std::string& item) {
  std::string folded = LowerCase(item);
  auto before = [&](const std::string& other) {
    std::string other_folded = LowerCase(other);
    return other_folded < folded || (other_folded == folded && other <= item);
  };
  auto it = std::partition_point(Items.begin(), Items.end(), before);
  int index = static_cast<int>(it - Items.begin());
  Items.insert(it, item);
  Selected.insert(Selected.begin() + index, false);
  if (ItemIndex >= index) ++ItemIndex;
  return index;
}

TOKBottomDlg::TOKBottomDlg(std::filesystem::path program_dir, IMessageBox& messages,
                           RegistryStore& registry)
    : program_dir_(std::move(program_dir)), messages_(messages), registry_(registry) {}

std::filesystem::path TOKBottomDlg::NewFile() const {
  return ResolveFile(program_dir_, kNewSettingsFileName);
}

std::filesystem::path TOKBottomDlg::OldFile() const {
  return ResolveFile(program_dir_, settings::kFileName);
}

void TOKBottomDlg::InstallNewProgramFile() {
  std::filesystem::path shipped = JoinPath(program_dir_, kNewProgramFileName);
  if (!FileExists(shipped)) return;
  std::filesystem::path installed = JoinPath(program_dir_, kMainProgramFileName);
  if (FileExists(installed)) DeleteFile(installed);
  if (!RenameFile(shipped, installed)) return;
#ifndef _WIN32
  // A copied or unpacked file may have lost its execute bits.
  std::error_code ec;
  std::filesystem::permissions(ResolvePath(installed),
                               std::filesystem::perms::owner_exec |
                                   std::filesystem::perms::group_exec |
                                   std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add, ec);
#endif
}

bool TOKBottomDlg::FormCreate() {
  InstallNewProgramFile();
  bool has_old = FileExists(OldFile());
  bool has_new = FileExists(NewFile());
  if (!has_new) {
    mode_ = InstallMode::NoNewVersion;
    messages_.Show(MsgType::Warning, kNoNewVersionText, kOk, kAttentionCaption);
    exit_code_ = kExitNoNewVersion;
    closed_ = true;
    return false;
  }
  if (has_old) {
    mode_ = InstallMode::Update;
    GroupBox2Visible = false;
    ListDifferingParameters();
    if (SrcList.Empty()) {
      exit_code_ = kExitInstalled;
      closed_ = true;
      return false;
    }
    return true;
  }
  mode_ = InstallMode::FirstInstallation;
  GroupBox1Visible = false;
  OKBtnTop = kFirstInstallationOkTop;
  ClientHeight = kFirstInstallationClientHeight;
  SettingsFile shipped(program_dir_, kNewSettingsFileName);
  Edit2 = shipped.MenuName();
  Edit3 = shipped.MenuCaption();
  return true;
}

TOKBottomDlg::Item TOKBottomDlg::SplitItem(const std::string& item) {
  size_t at = item.find(kItemSeparator);
  if (at == std::string::npos) return {item, {}};
  return {item.substr(0, at), item.substr(at + kItemSeparator.size())};
}

void TOKBottomDlg::ListDifferingParameters() {
  SrcList.Clear();
  TIniFile fresh(NewFile());
  TIniFile old(OldFile());
  {
    IniBatch batch;
    for (const std::string& section : fresh.ReadSections()) {
      // The user's output parameters are never offered for a change.
      bool output_parameters = EqualsNoCase(section, settings::kSetOut);
      for (const std::string& key : fresh.ReadSection(section)) {
        std::string value = fresh.ReadString(section, key);
        std::string old_value = old.ReadString(section, key);
        if (old_value.empty()) {
          old.WriteString(section, key, value);
          old_value = value;
        }
        if (!output_parameters && value != old_value) {
          SrcList.Add(section + std::string(kItemSeparator) + key);
        }
      }
    }
  }
  if (SrcList.Empty()) {
    Edit1.clear();
    Edit4.clear();
    return;
  }
  SrcList.ItemIndex = 0;
  SrcList.Selected[0] = true;
  SrcListClick();
}

void TOKBottomDlg::SrcListClick() {
  if (SrcList.ItemIndex < 0 || SrcList.ItemIndex >= static_cast<int>(SrcList.Items.size())) return;
  Item item = SplitItem(SrcList.Items[SrcList.ItemIndex]);
  Edit1 = TIniFile(NewFile()).ReadString(item.section, item.key);
  Edit4 = TIniFile(OldFile()).ReadString(item.section, item.key);
}

void TOKBottomDlg::BitBtn4Click() {
  if (SrcList.ItemIndex < 0 || SrcList.Empty()) return;
  Item item = SplitItem(SrcList.Items[SrcList.ItemIndex]);
  TIniFile(OldFile()).WriteString(item.section, item.key, Edit1);
  TIniFile(NewFile()).WriteString(item.section, item.key, Edit1);
  ListDifferingParameters();
}

void TOKBottomDlg::BitBtn3Click() {
  CopyListedValues(NewFile(), OldFile());
}

void TOKBottomDlg::BitBtn1Click() {
  if (SrcList.ItemIndex < 0 || SrcList.Empty()) return;
  Item item = SplitItem(SrcList.Items[SrcList.ItemIndex]);
  TIniFile(NewFile()).WriteString(item.section, item.key, Edit4);
  ListDifferingParameters();
}

void TOKBottomDlg::BitBtn2Click() {
  CopyListedValues(OldFile(), NewFile());
}

void TOKBottomDlg::CopyListedValues(const std::filesystem::path& from,
                                    const std::filesystem::path& to) {
  if (SrcList.Empty()) return;
  {
    IniBatch batch;
    TIniFile source(from);
    TIniFile target(to);
    for (const std::string& text : SrcList.Items) {
      Item item = SplitItem(text);
      target.WriteString(item.section, item.key, source.ReadString(item.section, item.key));
    }
  }
  ListDifferingParameters();
}

bool TOKBottomDlg::AcceptUpdate() {
  if (!SrcList.Empty()) {
    Answer answer = messages_.Show(MsgType::Confirmation, kUpdateAutomaticallyText, kOk | kCancel,
                                   kAttentionCaption);
    if (answer != Answer::Ok) return false;
    BitBtn3Click();
  }
  DeleteFile(NewFile());
  return true;
}

void TOKBottomDlg::OKBtnClick() {
  if (closed_) return;
  if (!settings_done_) {
    switch (mode_) {
      case InstallMode::Update:
        if (!AcceptUpdate()) return;
        menu_name_ = SettingsFile(program_dir_).MenuName();
        break;
      case InstallMode::FirstInstallation: {
        RenameFile(NewFile(), JoinPath(program_dir_, settings::kFileName));
        SettingsFile settings(program_dir_);
        settings.SetMenuName(Edit2);
        settings.SetMenuCaption(Edit3);
        menu_name_ = Edit2;
        break;
      }
      case InstallMode::NoNewVersion:
        return;
    }
    // A failed registration below is repeated by the next OK without redoing this.
    settings_done_ = true;
  }
  registration_ = RegisterWithAutoCad(program_dir_, menu_name_, registry_);
  if (registration_ == Registration::NoAutoCad)
    messages_.Show(MsgType::Warning, kNoAutoCadText, kOk, kAttentionCaption);
  exit_code_ = kExitInstalled;
  closed_ = true;
}

}  // namespace orv
