// CMdiBackground: the client area of the main window, in which the document
// windows live, tiled with "background.bmp" from the program directory or,
// when that picture cannot be loaded, with the built-in picture.
#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace radio {

class CMdiBackground : public QMdiArea {
  Q_OBJECT
 public:
  explicit CMdiBackground(const QString& programDir, QWidget* parent = nullptr);

  // The tile: background.bmp from `programDir`, else the built-in picture.
  static QPixmap LoadPicture(const QString& programDir);

  const QPixmap& Picture() const { return picture_; }

 private:
  QPixmap picture_;
};

}  // namespace radio
