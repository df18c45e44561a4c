// CKeyAssignDlg: what the radio's side key does, one of four radio
// buttons. The main frame builds a fresh dialog for every opening.
#pragma once

#include "widgets/setting_dlg.h"

class QButtonGroup;
class QRadioButton;

namespace radio {

class CKeyAssignDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit CKeyAssignDlg(QWidget* parent = nullptr);

  QRadioButton* Choice(int position) const;

 protected:
  // Loads, runs modally, stores on OK.
  int Edit(CProgramDoc& doc) override;
  void ShowHelpFor(const QWidget* focus) override;

 private:
  QButtonGroup* choices_ = nullptr;
};

}  // namespace radio
