// The page "Параметры вывода": the grid of the output parameters.
#include "gui/main/page_view.h"

namespace orv::gui {

PageView* MakeParamsPage(const PageContext&) {
  return MakePlaceholderPage("Параметры вывода");
}

}  // namespace orv::gui
