// The page "Дополнительно": the options and the information about the program.
#include "gui/main/page_view.h"

namespace orv::gui {

PageView* MakeOptionsPage(const PageContext&) {
  return MakePlaceholderPage("Дополнительно");
}

}  // namespace orv::gui
