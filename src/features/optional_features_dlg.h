// COptionalFeaturesDlg: the radio-wide feature settings. Lists and the
// password edit are loaded from the document's image on every Run and
// stored back on OK; the codec owns every bit.
#pragma once

#include <vector>

#include "features/optional_features_fields.h"
#include "widgets/setting_dlg.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace radio {

class COptionalFeaturesDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit COptionalFeaturesDlg(QWidget* parent = nullptr);

  // The list with control identifier `id` (1115-1132), for tests.
  QComboBox* List(int id) const;
  QLineEdit* PasswordEdit() const { return password_; }
  QCheckBox* KeypadLockBox() const { return keypadLock_; }
  QCheckBox* RepeaterMskInvertBox() const { return repeaterMskInvert_; }

 protected:
  // Loads, runs modally, stores on OK.
  int Edit(CProgramDoc& doc) override;

 private:
  void FillLists();
  void Load(const OptionalFeatures& values);
  OptionalFeatures Values() const;

  std::vector<QComboBox*> lists_;  // in the order of the control table
  QLineEdit* password_ = nullptr;
  QCheckBox* keypadLock_ = nullptr;
  QCheckBox* repeaterMskInvert_ = nullptr;
};

}  // namespace radio
