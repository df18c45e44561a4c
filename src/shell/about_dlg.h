// The About box: caption and three lines from the language section of
// Program.ini (About Title, Version, Copyrights, Copyrights Owner), the
// dialog's own line, and title.ico from the program directory when it loads.
#pragma once

#include <QDialog>

class QLabel;

namespace radio {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  QString VersionLine() const;
  QString NoticeLine() const;
  QString OwnerLine() const;
  // Whether title.ico from the program directory is shown.
  bool ShowsProgramIcon() const { return programIcon_; }

 private:
  QLabel* icon_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* owner_ = nullptr;
  bool programIcon_ = false;
};

}  // namespace radio
