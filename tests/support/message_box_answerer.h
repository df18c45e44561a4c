// Plays the user in front of every message box the code under test shows
// from inside its own modal loop: each box is answered once, its text noted.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace radio::test {

class MessageBoxAnswerer {
 public:
  // Clicks `button` on every box; without one, Cancel where the box offers
  // it, else OK.
  explicit MessageBoxAnswerer(std::optional<QMessageBox::StandardButton> button = std::nullopt) {
    QObject::connect(&timer_, &QTimer::timeout, [this, button] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible() || box->property("answered").toBool()) continue;
        box->setProperty("answered", true);
        texts.push_back(box->text());
        if (onShown) onShown(box);
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        QAbstractButton* answer =
            button ? box->button(*button) : (cancel ? cancel : box->button(QMessageBox::Ok));
        if (answer) answer->click();
      }
    });
    timer_.start(5);
  }

  std::vector<QString> texts;                 // every box's text, in order
  std::function<void(QMessageBox*)> onShown;  // runs as a box is answered

 private:
  QTimer timer_;
};

}  // namespace radio::test
