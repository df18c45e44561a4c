#include "shell/mdi_background.h"

#include <QBrush>

namespace radio {

CMdiBackground::CMdiBackground(const QString& programDir, QWidget* parent)
    : QMdiArea(parent), picture_(LoadPicture(programDir)) {
  // A texture brush repeats the picture at its own size from the top-left
  // corner of the area, in every direction, whatever the area's size.
  setBackground(QBrush(picture_));
}

QPixmap CMdiBackground::LoadPicture(const QString& programDir) {
  QPixmap picture(programDir + "background.bmp");
  if (picture.isNull()) picture.load(":/pictures/default_background.png");
  return picture;
}

}  // namespace radio
