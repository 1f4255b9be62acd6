#pragma once
// The project editor page "Менеджер файлов": the controls whose state the main
// window reads and stores at start and at close.
#include "platform/tree_model.h"

namespace orv {

class ProjectPage {
 public:
  explicit ProjectPage(ImageList& images) : TreeView1(&images) {}

  // "Авто связи": 0 "Нет", 1 "Прямые ссылки", 2 "Расширенный поиск".
  int RadioGroup1 = 0;
  bool CheckBoxProgAll = false;  // "Все программы"
  bool CheckBoxPreWiew = true;   // "Меню"
  TreeModel TreeView1;           // the menu preview of the project
};

}  // namespace orv
