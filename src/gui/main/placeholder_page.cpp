#include <QLabel>
#include <QVBoxLayout>

#include "gui/main/page_view.h"

namespace orv::gui {

PageView* MakePlaceholderPage(const char* caption) {
  auto* page = new PageView;
  auto* layout = new QVBoxLayout(page);
  auto* label = new QLabel(QString::fromUtf8(caption), page);
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  layout->addWidget(label);
  return page;
}

}  // namespace orv::gui
