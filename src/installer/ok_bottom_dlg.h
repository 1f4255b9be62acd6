#pragma once
// TOKBottomDlg: the installer's dialog without a window system. It holds the
// state of every control and runs the start-up steps and the handlers; the Qt
// view renders it and forwards the user's events.
//
// Start-up installs the new main program file and decides the mode from the
// settings files: an update merges Set_Param._at into Set_Param.dat (the
// difference list and its four buttons), a first installation renames
// Set_Param._at and takes the menu name and caption from the user. OK then
// registers the directory with AutoCAD.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "installer/autocad_registration.h"
#include "platform/dialogs.h"
#include "platform/registry.h"

namespace orv {

namespace installer {
inline constexpr std::string_view kCaption = "Инсталяция библиотеки";
inline constexpr std::string_view kGroupBox1Caption =
    "Дополнить старую версию файла Set_Param.Dat ";
inline constexpr std::string_view kGroupBox2Caption = "Первая инсталяция";
inline constexpr std::string_view kLabel1Caption = "Новая версия";
inline constexpr std::string_view kLabel2Caption = "Старая версия";
inline constexpr std::string_view kLabel3Caption = "Введите имя меню";
inline constexpr std::string_view kLabel4Caption =
    "Введите название панели инструмментов и главного меню";
inline constexpr std::string_view kBitBtn3Caption = "Измен. знач.";
inline constexpr std::string_view kBitBtn4Caption = "Измен. все знач.";
inline constexpr std::string_view kBitBtn1Caption = "Остав. знач.";
inline constexpr std::string_view kBitBtn2Caption = "Остав. все знач.";
inline constexpr std::string_view kOkCaption = "OK";

inline constexpr std::string_view kAttentionCaption = "Внимание";
inline constexpr std::string_view kUpdateAutomaticallyText = "Обновить автоматически?";
inline constexpr std::string_view kNoNewVersionText =
    "Не найден файл установки новой версии - \"Set_Param._at\"";

inline constexpr int kExitInstalled = 0;
inline constexpr int kExitNoNewVersion = 100;

// Client area of the dialog, and what the first installation makes of it.
inline constexpr int kClientWidth = 373;
inline constexpr int kClientHeight = 284;
// The first installation sets the window's height to 200, caption and border
// included; this is the client height that leaves.
inline constexpr int kFirstInstallationClientHeight = 200 - 29;
inline constexpr int kFirstInstallationOkTop = 138;
inline constexpr int kOkTop = 250;

// An item of the difference list: section + " -> " + key.
inline constexpr std::string_view kItemSeparator = " -> ";
}  // namespace installer

enum class InstallMode { Update, FirstInstallation, NoNewVersion };

// A sorted list box in which several items can be selected; ItemIndex is the
// focused item.
struct TSortedListBox {
  std::vector<std::string> Items;
  std::vector<bool> Selected;
  int ItemIndex = -1;

  void Clear();
  // Inserts in sorted place (letter case ignored) and returns the index.
  int Add(const std::string& item);
  bool Empty() const { return Items.empty(); }
};

class TOKBottomDlg {
 public:
  TOKBottomDlg(std::filesystem::path program_dir, IMessageBox& messages, RegistryStore& registry);

  // The start-up steps. False when the program ends at once, with ExitCode().
  bool FormCreate();
  InstallMode Mode() const { return mode_; }

  // Merge page.
  void ListDifferingParameters();
  void SrcListClick();
  void BitBtn4Click();  // behind "Измен. знач."
  void BitBtn3Click();  // behind "Измен. все знач."
  void BitBtn1Click();  // "Остав. знач."
  void BitBtn2Click();  // "Остав. все знач."

  // Closes the dialog once the settings are settled and AutoCAD registration
  // ran. An error while registering propagates and leaves the dialog open; the
  // next OK repeats only the registration.
  void OKBtnClick();

  bool Closed() const { return closed_; }
  int ExitCode() const { return exit_code_; }
  // The outcome of the registration after OK closed the dialog.
  installer::Registration RegistrationResult() const { return registration_; }

  const std::filesystem::path& ProgramDir() const { return program_dir_; }

  // Controls.
  bool GroupBox1Visible = true;
  bool GroupBox2Visible = true;
  TSortedListBox SrcList;
  std::string Edit1;  // new value, editable
  std::string Edit4;  // old value, read-only
  std::string Edit2;  // menu name
  std::string Edit3;  // menu caption
  int OKBtnTop = installer::kOkTop;
  int ClientHeight = installer::kClientHeight;

 private:
  struct Item {
    std::string section;
    std::string key;
  };
  static Item SplitItem(const std::string& item);
  // Writes every listed key's value of one file into the other, then lists again.
  void CopyListedValues(const std::filesystem::path& from, const std::filesystem::path& to);
  std::filesystem::path NewFile() const;
  std::filesystem::path OldFile() const;
  void InstallNewProgramFile();
  bool AcceptUpdate();

  std::filesystem::path program_dir_;
  IMessageBox& messages_;
  RegistryStore& registry_;
  InstallMode mode_ = InstallMode::NoNewVersion;
  bool settings_done_ = false;
  std::string menu_name_;
  bool closed_ = false;
  int exit_code_ = installer::kExitInstalled;
  installer::Registration registration_ = installer::Registration::NoAutoCad;
};

}  // namespace orv
