// CProcessDlg: the modeless Process dialog of a Read or Write. Start posts
// the start request (queued, so Start's handler returns first); Cancel
// before Start closes at once, during a run it only raises the flag that
// the run checks at its pump points.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace radio {

class CProcessDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CProcessDlg(QWidget* owner);

  // The caption. Shown at once when the dialog is visible, so it always
  // names the direction that Start will perform.
  void SetTitleText(const QString& title);
  const QString& TitleText() const { return titleText_; }

  // Shows the dialog afresh (progress 0, "Not start yet", Start enabled,
  // flag down) centred on the main window; does nothing more when shown.
  void ShowDialog();
  // Ends the dialog's showing; the object stays for the next command.
  void CloseDialog();

  bool CancelFlag() const { return cancelFlag_; }
  // Start has been pressed in this showing.
  bool Started() const;

  void SetStatusText(const QString& text);
  void SetPosition(int position);

  QPushButton* StartButton() const { return start_; }
  QPushButton* CancelButton() const { return cancel_; }
  QProgressBar* ProgressBar() const { return progress_; }
  QLabel* StatusLabel() const { return status_; }

 signals:
  // Posted after Start: the owner runs the clone run on it.
  void startRequested();
  // The cancel flag went up during a run.
  void cancelRequested();

 public slots:
  void OnStart();
  void OnCancel();

 protected:
  void accept() override;  // Enter: Start
  void reject() override;  // Esc: Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  QString titleText_;
  bool cancelFlag_ = false;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace radio
