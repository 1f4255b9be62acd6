// The page "Параметры вывода": the grid of the output parameters. Names and
// the header cannot be changed; rows can be dragged, columns resized.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/page_view.h"

namespace orv::gui {

namespace {

constexpr int kNameWidth = 294;
constexpr int kValueWidth = 168;
constexpr int kRowHeight = 18;

// Forwards the start of an edit and every keystroke to the page model, and
// shows what the model keeps (a name cell keeps its text).
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(ParamsPage& page, QObject* parent) : QStyledItemDelegate(parent), page_(page) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    int col = index.column(), row = index.row() + 1;
    page_.StringGrid1GetEditText(col, row);
    connect(editor, &QLineEdit::textEdited, editor, [this, editor, col, row](const QString& text) {
      page_.StringGrid1SetEditText(col, row, U(text));
      QString kept = Q(page_.StringGrid1.Cell(col, row));
      if (kept != text) editor->setText(kept);
    });
    (void)option;
    return editor;
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    // The grid model holds the text already; the view only shows it.
    model->setData(index, Q(page_.StringGrid1.Cell(index.column(), index.row() + 1)));
    (void)editor;
  }

 private:
  ParamsPage& page_;
};

class ParamsPageView : public PageView {
 public:
  explicit ParamsPageView(const PageContext& context) : page_(context.form.Params) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("StringGrid1"));
    table_->setColumnCount(2);
    table_->setShowGrid(true);
    table_->setItemDelegate(new CellDelegate(page_, table_));
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    table_->setColumnWidth(0, kNameWidth);
    table_->setColumnWidth(1, kValueWidth);
    auto* rows = table_->verticalHeader();
    rows->setSectionsMovable(true);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    connect(rows, &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
      // The model keeps the order; the view is laid out again from it.
      page_.StringGrid1.MoveRow(from + 1, to + 1);
      Fill();
    });
    layout->addWidget(table_);
  }

  void Refresh() override {
    // An open editor shows the model already; laying out the rows would close it.
    bool editing = table_->viewport()->findChild<QLineEdit*>() != nullptr;
    if (page_.StringGrid1.Revision() != shown_revision_ && !editing) Fill();
  }

 private:
  void Fill() {
    const StringGrid& grid = page_.StringGrid1;
    QSignalBlocker block(table_->verticalHeader());
    // Moved sections go back to their places: the rows now come in model order.
    for (int visual = 0; visual < table_->verticalHeader()->count(); ++visual) {
      int logical = table_->verticalHeader()->logicalIndex(visual);
      if (logical != visual)
        table_->verticalHeader()->moveSection(table_->verticalHeader()->visualIndex(visual),
                                              visual);
    }
    // Until the page is first shown the grid has no rows, not even the header.
    if (grid.RowCount() > 0) {
      table_->setHorizontalHeaderLabels({Q(grid.Cell(0, 0)), Q(grid.Cell(1, 0))});
    }
    table_->setRowCount(std::max(grid.RowCount() - 1, 0));
    for (int row = 1; row < grid.RowCount(); ++row) {
      for (int col = 0; col < 2; ++col) {
        auto* item = new QTableWidgetItem(Q(grid.Cell(col, row)));
        table_->setItem(row - 1, col, item);
      }
      table_->setVerticalHeaderItem(row - 1, new QTableWidgetItem(QString::number(row)));
    }
    shown_revision_ = grid.Revision();
  }

  ParamsPage& page_;
  QTableWidget* table_;
  unsigned shown_revision_ = ~0u;
};

}  // namespace

PageView* MakeParamsPage(const PageContext& context) {
  return new ParamsPageView(context);
}

}  // namespace orv::gui
