// An edit that a drop-down list replaces while it has the focus (the DTMF
// group code and stun type): focusing the edit lays the list over it with
// the item that begins with the edit's text selected; the list losing the
// focus copies the chosen item's text back and shows the edit again.
#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

namespace radio {

class CEditListSwap : public QObject {
  Q_OBJECT
 public:
  CEditListSwap(QLineEdit* edit, QComboBox* list);

  // Hands an open list's text back to the edit.
  void Close();
  // True once the user chose an item (by mouse or keyboard) since Reset.
  bool UserPicked() const { return picked_; }
  void Reset() { picked_ = false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open();

  QLineEdit* edit_;
  QComboBox* list_;
  bool picked_ = false;
};

}  // namespace radio
