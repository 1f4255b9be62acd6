// The page "Дополнительно": the error-handler option and the information about
// the program with its animated picture.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/page_view.h"

namespace orv::gui {

namespace {

constexpr int kPictureSize = 80;
constexpr int kAboutHeight = 120;

// Eight frames of a drafting compass drawing a circle: each frame draws one
// more eighth of the arc and turns the compass with it.
QPixmap DrawFrame(int frame) {
  QPixmap pixmap(kPictureSize, kPictureSize);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(40, 44);
  const double radius = 26;
  p.setPen(QPen(QColor(200, 200, 210), 1, Qt::DashLine));
  p.drawEllipse(centre, radius, radius);
  int span = (frame + 1) * 45;
  p.setPen(QPen(QColor(20, 70, 160), 3));
  p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90 * 16,
            -span * 16);
  double angle = (90.0 - span) * M_PI / 180.0;
  QPointF pencil(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
  QPointF hinge(centre.x() + 0.5 * (pencil.x() - centre.x()),
                centre.y() + 0.5 * (pencil.y() - centre.y()) - 30);
  p.setPen(QPen(QColor(90, 90, 90), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(hinge, centre);
  p.drawLine(hinge, pencil);
  p.setBrush(QColor(200, 40, 40));
  p.setPen(Qt::NoPen);
  p.drawEllipse(hinge, 4, 4);
  p.drawEllipse(pencil, 2.5, 2.5);
  return pixmap;
}

class OptionsPageView : public PageView {
 public:
  explicit OptionsPageView(const PageContext& context) : form_(context.form), run_(context.run) {
    auto* layout = new QVBoxLayout(this);

    auto* options = new QGroupBox(QStringLiteral("Опции"), this);
    options->setStatusTip(QStringLiteral("Специальные опции программы"));
    auto* options_layout = new QVBoxLayout(options);
    box_ = new QCheckBox(
        QStringLiteral("Не использовать встроенную функцию *ERROR* (не подумав не включай)"),
        options);
    box_->setObjectName(QStringLiteral("CheckBoxNoError"));
    box_->setStatusTip(options->statusTip());
    connect(box_, &QCheckBox::clicked, this, [this](bool ticked) {
      run_([this, ticked] {
        form_.Options.CheckBoxNoError = ticked;
        form_.Options.CheckBoxNoErrorClick();
      });
    });
    auto* notice = new QLabel(
        QStringLiteral("Изменения вступают в силу после проведения ревизии!!!"), options);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    bold.setUnderline(true);
    notice->setFont(bold);
    options_layout->addWidget(box_);
    options_layout->addWidget(notice);
    options_layout->addStretch();
    layout->addWidget(options, 1);

    auto* about = new QGroupBox(QStringLiteral("О программе"), this);
    about->setStatusTip(QStringLiteral("Информация о программе"));
    about->setFixedHeight(kAboutHeight);
    auto* about_layout = new QHBoxLayout(about);
    picture_ = new QLabel(about);
    picture_->setObjectName(QStringLiteral("AnimatedImage1"));
    picture_->setFixedSize(kPictureSize, kPictureSize);
    picture_->setFrameShape(QFrame::NoFrame);
    for (int i = 0; i < kAnimationFrames; ++i) frames_.push_back(DrawFrame(i));
    auto* texts = new QVBoxLayout();
    auto* name = new QLabel(Q(kProductName), about);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    texts->addWidget(name);
    texts->addWidget(new QLabel(Q(kVersionText), about));
    about_layout->addWidget(picture_);
    about_layout->addSpacing(12);
    about_layout->addLayout(texts, 1);
    layout->addWidget(about);

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
      form_.Options.NextAnimationFrame();
      ShowFrame();
    });
    timer->start(kAnimationIntervalMs);
    ShowFrame();
  }

  void Refresh() override {
    QSignalBlocker block(box_);
    box_->setChecked(form_.Options.CheckBoxNoError);
  }

 private:
  void ShowFrame() { picture_->setPixmap(frames_[form_.Options.AnimationFrame]); }

  TMainForm& form_;
  RunHandler run_;
  QCheckBox* box_;
  QLabel* picture_;
  std::vector<QPixmap> frames_;
};

}  // namespace

PageView* MakeOptionsPage(const PageContext& context) {
  return new OptionsPageView(context);
}

}  // namespace orv::gui
