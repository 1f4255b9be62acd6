// The page "Менеджер файлов": the project editor.
#include "gui/main/page_view.h"

namespace orv::gui {

PageView* MakeProjectPage(const PageContext&) {
  return MakePlaceholderPage("Менеджер файлов");
}

}  // namespace orv::gui
