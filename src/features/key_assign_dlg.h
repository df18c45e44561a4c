// CKeyAssignDlg: what the radio's side key does, one of four radio
// buttons. The main frame builds a fresh dialog for every opening.
#pragma once

#include <QDialog>

#include "image/program_doc.h"

class QButtonGroup;
class QRadioButton;

namespace radio {

class CKeyAssignDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CKeyAssignDlg(QWidget* parent = nullptr);

  // Loads, runs modally, stores on OK. Returns QDialog::Accepted or Rejected.
  int Run(CProgramDoc& doc);

  QRadioButton* Choice(int position) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QButtonGroup* choices_ = nullptr;
};

}  // namespace radio
