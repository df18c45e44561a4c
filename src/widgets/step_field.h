// A numeric edit with its up/down buttons: the buttons apply the field's
// step rule to the edit's text, losing the focus applies its snap rule.
// The rules themselves are the pure functions of the field codecs.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace radio {

// The pair of arrow buttons beside an edit. They never take the focus, so
// stepping does not count as leaving the edit.
class CUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit CUpDown(QWidget* parent);
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 signals:
  void stepped(int step);  // +1 up, -1 down

 private:
  QToolButton* up_;
  QToolButton* down_;
};

class CStepField : public QObject {
  Q_OBJECT
 public:
  using StepRule = std::function<QString(const QString& text, int step)>;
  using SnapRule = std::function<QString(const QString& text)>;

  CStepField(QLineEdit* edit, CUpDown* upDown, StepRule step, SnapRule snap);

  // The focus-loss rule, also applied before every store.
  void Snap();
  QLineEdit* Edit() const { return edit_; }
  CUpDown* UpDown() const { return upDown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  CUpDown* upDown_;
  StepRule step_;
  SnapRule snap_;
};

}  // namespace radio
