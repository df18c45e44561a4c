// The key rules of the DTMF and 2-Tone pages: only the keys of a field's
// character set reach the controls, every other key is swallowed, and F1
// asks for context help on the focused control.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace radio {

class CKeyFilter : public QObject {
  Q_OBJECT
 public:
  // `passes` decides for each key press that is not F1; null lets all pass.
  using Rule = std::function<bool(const QKeyEvent&)>;
  CKeyFilter(Rule passes, QObject* parent) : QObject(parent), passes_(std::move(passes)) {}

  // Filters `widget` and every widget inside it.
  void Watch(QWidget* widget);

  // Character sets of the pages. Backspace and Delete always pass with
  // them; `arrows` adds Left/Right (and Up/Down with `upDown`).
  static bool Digits(const QKeyEvent& key);                 // DTMF encode
  static bool DtmfCode(const QKeyEvent& key, bool upDown);  // 0-9 A-D * #, Left/Right
  static bool Decimal(const QKeyEvent& key);                // 2-Tone: digits, '.', arrows

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Rule passes_;
};

}  // namespace radio
