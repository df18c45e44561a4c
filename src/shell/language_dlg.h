// CLanguageDlg: English or Chinese for the user interface. The choice takes
// effect through a restart: Program.ini gets the new Language at once, the
// main window closes as usual (asking about unsaved documents), and exit
// starts the program again.
#pragma once

#include <QDialog>

class QRadioButton;

namespace radio {

class CMainFrame;

class CLanguageDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CLanguageDlg(QWidget* parent = nullptr);

  // Shows the dialog and, on OK with the other language, switches to it.
  void Run(CMainFrame& frame);

  // The selection: 0 English, 1 Chinese.
  int Selection() const;
  void SetSelection(int selection);

  // Writes the language `selection` names to Program.ini and closes `frame`
  // for the restart. Nothing happens when it is the running language.
  static void Apply(CMainFrame& frame, int selection);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRadioButton* english_ = nullptr;
  QRadioButton* chinese_ = nullptr;
};

}  // namespace radio
