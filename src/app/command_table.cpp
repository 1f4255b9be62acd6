#include "app/command_table.h"

namespace orv {

CommandTable MakeMainCommandTable() {
  CommandTable t;
  const std::string file = "Файл", menu = "Меню", help = "Помощь";
  // name, menu, caption, hint, shortcut, button, enabled, shown
  t.Add({"AddLib", menu, "Добавить в библиотеку", "Добавить команду в библиотеку", "Ctrl+Insert",
         "ToolButton4", true, true});
  t.Add({"MoveDown_1", menu, "Поместить ниже", "Переместить команду на 1 строку ниже", "Ctrl+Down",
         "ToolButton2", true, true});
  t.Add({"MoveUp_1", menu, "Поместить выше", "Переместить команду на 1 строку выше", "Ctrl+Up",
         "ToolButton6", true, true});
  t.Add({"SaveM", menu, "Сохранить порядок", "Сохранить изменненую иерархию команд", "F2",
         "ToolButton17", true, true});
  t.Add({"DeleteLib", menu, "Удалить из библиотеки", "Удалить команду и ее файлы из библиотеки",
         "Ctrl+Delete", "ToolButton12", true, true});
  t.Add({"Rev", file, "Мягкая ревизия", "Производит мягкую ревизию", "F3", "ToolButton16", true,
         true});
  t.Add({"FullRev", file, "Полная ревизия", "Производит полную ревизию каталога и меню", "F4",
         "ToolButton14", true, true});
  t.Add({"NevProg", file, "Открыть (создать) проект", "Открыть, или сознать новый, проект", "",
         "ToolButton20", true, true});
  t.Add({"AddFil", file, "Добавить файл", "Добавить файл в проект", "", "ToolButton3", true, true});
  t.Add({"ButtonOpim", file, "Оптимизировать файл инсталяции", "Удаляет мусор из INI файла", "",
         "ToolButton9", true, true});
  t.Add({"CopyINI", file, "Копировать библиотеку", "Скопировать библиотеку в другой каталог", "F5",
         "ToolButton10", true, true});
  t.Add({"CopyIniFile", file, "Экспорт файла инсталяции",
         "Добавляет всю информацию из указанного INI файла", "", "ToolButton11", true, true});
  t.Add(
      {"DelFil", file, "Удалить файл", "Удалить файл из проекта", "", "ToolButton13", true, true});
  t.Add({"Hlp", help, "Помощь", "Вызов справки", "F1", "ToolButton7", true, true});
  t.Add({"FileExitItem", file, "Выход", "Выход из программы", "F10", "ToolButton8", true, true});
  return t;
}

const std::vector<MenuLayout>& MainMenuLayout() {
  static const std::vector<MenuLayout> layout = {
      {"Файл",
       "Команды обработки файлов",
       {"NevProg", "AddFil", "DelFil", "ButtonOpim", "CopyIniFile", "CopyINI", "-", "Rev",
        "FullRev", "-", "FileExitItem"}},
      {"Меню",
       "Опции изменения меню",
       {"MoveUp_1", "MoveDown_1", "-", "AddLib", "DeleteLib", "-", "SaveM"}},
      {"Помощь", "Помощь", {"Hlp"}},
  };
  return layout;
}

const std::vector<std::string>& ToolBarLayout() {
  static const std::vector<std::string> layout = {
      "AddLib",  "MoveDown_1", "MoveUp_1", "SaveM",      "DeleteLib",   "Rev",
      "FullRev", "NevProg",    "AddFil",   "ButtonOpim", "CopyINI",     "CopyIniFile",
      "DelFil",  "-",          "Hlp",      "-",          "FileExitItem"};
  return layout;
}

const std::vector<std::string>& MenuPageCommands() {
  static const std::vector<std::string> names = {"AddLib",    "MoveDown_1", "MoveUp_1", "SaveM",
                                                 "DeleteLib", "Rev",        "FullRev"};
  return names;
}

const std::vector<std::string>& ProjectPageCommands() {
  static const std::vector<std::string> names = {"NevProg", "AddFil",      "ButtonOpim",
                                                 "CopyINI", "CopyIniFile", "DelFil"};
  return names;
}

const std::vector<std::string>& LibraryCommands() {
  static const std::vector<std::string> names = {
      "AddLib",  "MoveDown_1", "MoveUp_1",   "SaveM",   "DeleteLib",   "Rev",   "FullRev",
      "NevProg", "AddFil",     "ButtonOpim", "CopyINI", "CopyIniFile", "DelFil"};
  return names;
}

}  // namespace orv
