// CSettingDlg: a dialog that edits the radio-wide settings in a document's
// image. It gives every such dialog the same OK/Cancel buttons, F1 help at
// the focused control, and records what one run changed in the image as one
// undoable step, so that one Undo takes the whole dialog back.
#pragma once

#include <QDialog>

#include "image/program_doc.h"

class QBoxLayout;

namespace radio {

class CSettingDlg : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

  // Runs the dialog modally on `doc`. Whatever the run changed in the image
  // becomes one undo step named `stepName` and marks the document modified;
  // a run that changed nothing records nothing. Returns the result code.
  int Run(CProgramDoc& doc, const QString& stepName = {});

 protected:
  // Loads the controls from the image, runs exec() and stores what the
  // user chose; returns exec()'s result.
  virtual int Edit(CProgramDoc& doc) = 0;

  // OK (the default button, control identifier 1) and Cancel (2), laid out
  // in a row pushed to the right or in a column pushed to the top.
  QBoxLayout* MakeOkCancelButtons(Qt::Orientation orientation);

  // F1 opens the help at the control that has the focus.
  virtual void ShowHelpFor(const QWidget* focus);
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace radio
