// A tab page of the DTMF and 2-Tone dialogs. These dialogs have no OK or
// Cancel: a page reads its fields from the image each time it is shown and
// writes them back each time it is hidden, so changes land at once.
#pragma once

#include <QWidget>

#include "image/radio_image.h"

namespace radio {

class CImagePage : public QWidget {
  Q_OBJECT
 public:
  CImagePage(RadioImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

  // Loads the fields; called when the page becomes the visible one.
  void ShowPage();
  // Stores the fields if the page is the visible one; called when another
  // page takes its place and on every way the dialog ends.
  void HidePage();
  bool IsPageShown() const { return shown_; }

 protected:
  virtual void Load() = 0;
  virtual void Store() = 0;

  RadioImage& image_;

 private:
  bool shown_ = false;
};

}  // namespace radio
