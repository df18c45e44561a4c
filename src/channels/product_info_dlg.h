// CProductInfoDlg: the radio model and its two frequency bands. The bands
// change only by choosing a model; OK confirms them as the limits every
// typed frequency is checked against, in the document's image and in the
// process-wide band-limit bytes.
#pragma once

#include <array>

#include "widgets/setting_dlg.h"

class QComboBox;
class QLineEdit;

namespace radio {

class CProductInfoDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit CProductInfoDlg(QWidget* parent = nullptr);

  QComboBox* ModelList() const { return modelList_; }
  // Band edits 0-3: band 1 lower and upper, band 2 lower and upper (MHz).
  QLineEdit* BandEdit(int index) const { return bandEdits_[static_cast<std::size_t>(index)]; }

 public slots:
  void accept() override;

 protected:
  // Loads the model list, the limits and the stored model, runs modally and
  // stores on OK.
  int Edit(CProgramDoc& doc) override;

 private:
  void Load();
  void OnModelChosen(int index);

  CProgramDoc* doc_ = nullptr;
  QComboBox* modelList_ = nullptr;
  std::array<QLineEdit*, 4> bandEdits_{};
};

}  // namespace radio
