#pragma once
// The pictures of an ImageList as icons. The list's pixels of the mask colour
// are transparent; the mask colour is the system window colour, the background
// of trees, so pictures drawn on that colour blend in as they were meant to.
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <filesystem>
#include <vector>

#include "platform/tree_model.h"

namespace orv::gui {

// A 16x16 picture from a bitmap file, with mask colour pixels transparent.
// A null pixmap when Qt cannot read the file.
QPixmap LoadListPicture(const std::filesystem::path& file, const QColor& mask);

class ImageListIcons {
 public:
  explicit ImageListIcons(const ImageList& list) : list_(list) {}

  // The icon of an image index; a null icon for an index outside the list.
  QIcon Icon(int index);
  void SetMaskColor(const QColor& mask);

 private:
  void Reload();

  const ImageList& list_;
  QColor mask_ = Qt::white;
  std::vector<QIcon> icons_;
  unsigned loaded_revision_ = 0;
  bool loaded_ = false;
};

}  // namespace orv::gui
