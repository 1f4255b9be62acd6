#pragma once
// agProgress1: the progress bar of the status bar. A bar in the highlight
// colour with one line of text centred over it; it shows neither a number nor
// a percentage, only the text.
#include <QWidget>

namespace orv::gui {

class ProgressPanel : public QWidget {
 public:
  explicit ProgressPanel(QWidget* parent = nullptr);

  void SetState(int position, int maximum, const QString& text);
  int Position() const { return position_; }
  int Maximum() const { return maximum_; }
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int position_ = 0;
  int maximum_ = 100;
  QString text_;
};

}  // namespace orv::gui
