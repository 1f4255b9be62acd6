#include "gui/main/image_list_icons.h"

#include <QBitmap>
#include <QImage>

#include "gui/common/qt_dialogs.h"
#include "platform/file_system.h"

namespace orv::gui {

namespace {
constexpr int kPictureSize = 16;
}

QPixmap LoadListPicture(const std::filesystem::path& file, const QColor& mask) {
  QImage image(Q(PathToUtf8(file)));
  if (image.isNull()) return {};
  image = image.convertToFormat(QImage::Format_ARGB32);
  if (image.size() != QSize(kPictureSize, kPictureSize))
    image = image.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  const QRgb key = mask.rgb() & 0xFFFFFF;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
  }
  return QPixmap::fromImage(image);
}

void ImageListIcons::SetMaskColor(const QColor& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  loaded_ = false;
}

QIcon ImageListIcons::Icon(int index) {
  if (!loaded_ || loaded_revision_ != list_.Revision()) Reload();
  if (index < 0 || index >= static_cast<int>(icons_.size())) return {};
  return icons_[index];
}

void ImageListIcons::Reload() {
  icons_.clear();
  for (const std::filesystem::path& file : list_.Files()) {
    QPixmap picture = LoadListPicture(file, mask_);
    QIcon icon;
    if (!picture.isNull()) {
      // The same picture when selected: the style must not tint it.
      icon.addPixmap(picture, QIcon::Normal);
      icon.addPixmap(picture, QIcon::Selected);
    }
    icons_.push_back(icon);
  }
  loaded_revision_ = list_.Revision();
  loaded_ = true;
}

}  // namespace orv::gui
