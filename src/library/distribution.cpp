#include "library/distribution.h"

#include "library/library_file_name.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace orv {

namespace {

constexpr std::string_view kUserAbort = "Прерванно пользователем";

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

void RefuseNamesOutsideDirectory(const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    if (NameEscapesDirectory(file)) {
      throw E_Chek("Недопустимое имя файла дистрибутива " + Quoted(file) +
                   ": файл лежит вне каталога библиотеки");
    }
  }
}

void CheckProgramKeys(const TIniFile& description, const std::string& program) {
  auto missing = [&](std::string_view key) { return description.ReadString(program, key).empty(); };
  if (missing("file")) throw E_Chek("Программа " + program + " не имеет поля \"file\"");
  if (missing("bmp")) throw E_Chek("Программа " + program + " не имеет поля \"Bmp\"");
  if (missing("caption")) throw E_Chek("Программа " + program + " не имеет поля \"Caption\"");
  std::string submenu = description.ReadString(program, "submenu");
  if (!submenu.empty() && description.ReadString(submenu, "bmp").empty()) {
    throw E_Chek("Субменю " + submenu + " не имеет поля \"Bmp\"");
  }
}

}  // namespace

int CheckDistribution(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& catalog,
                      const std::filesystem::path& description, bool pass) {
  TIniFile description_ini(description);
  std::vector<std::string> programs = description_ini.ReadSection("program");
  std::vector<std::string> files = description_ini.ReadSection("file");
  if (!pass) return static_cast<int>(programs.size() + files.size());

  RefuseNamesOutsideDirectory(files);
  TIniFile catalog_ini(catalog);
  bool update_all = false;
  for (const std::string& program : programs) {
    CheckProgramKeys(description_ini, program);
    bool installed = !catalog_ini.ReadString(program, "file").empty();
    if (installed && !update_all) {
      Answer answer = messages.Show(
          MsgType::Warning, "У Вас уже установлен элемент " + program + " Обновить его (все)",
          kYes | kNo | kAll);
      if (answer == Answer::No) throw E_Chek(std::string(kUserAbort));
      if (answer == Answer::All) update_all = true;
    }
    dm.AdvanceProgress();
  }
  const std::filesystem::path source_dir = description.parent_path();
  for (const std::string& file : files) {
    if (!FileExists(JoinPath(source_dir, file))) {
      throw E_Chek("Не найден файл дистрибутива " + Quoted(file));
    }
    dm.AdvanceProgress();
  }
  return 0;
}

int CopyLibraryFiles(TDataModule1& /*dm*/, IMessageBox& messages,
                     const std::filesystem::path& target, const std::filesystem::path& description,
                     bool pass, std::vector<std::string>* failed) {
  std::vector<std::string> files = TIniFile(description).ReadSection("file");
  if (!pass) return static_cast<int>(files.size());

  RefuseNamesOutsideDirectory(files);
  const std::filesystem::path source_dir = description.parent_path();
  const std::filesystem::path target_dir = target.parent_path();
  bool update_all = false;
  for (const std::string& file : files) {
    std::filesystem::path destination = JoinPath(target_dir, file);
    if (FileExists(destination) && !update_all) {
      Answer answer = messages.Show(MsgType::Warning,
                                    "У Вас уже установлен файл " + file + " Обновить его (все)",
                                    kYes | kNo | kCancel | kAll);
      if (answer == Answer::Cancel) throw E_Chek(std::string(kUserAbort));
      if (answer == Answer::All) update_all = true;
      if (answer != Answer::Yes && answer != Answer::All) continue;
    }
    if (!CopyFile(JoinPath(source_dir, file), destination) && failed) failed->push_back(file);
  }
  return 0;
}

}  // namespace orv
