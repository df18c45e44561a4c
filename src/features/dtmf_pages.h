// The three pages of the DTMF dialog: Encode (speed, timing, side tone),
// Decode (ID, group and stun settings) and CallList (nine fast-call numbers).
#pragma once

#include <array>
#include <cstdint>

#include "features/image_page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace radio {

class CEditListSwap;
class CGridCellEditor;
class CStepField;

class CDtmfEncodePage : public CImagePage {
  Q_OBJECT
 public:
  CDtmfEncodePage(RadioImage& image, QWidget* parent);

  QLineEdit* SpeedEdit() const;
  QLineEdit* FirstDigitDelayEdit() const;
  QLineEdit* FirstDigitTimeEdit() const;
  QLineEdit* StarHashTimeEdit() const;
  QCheckBox* SideTone() const { return sideTone_; }
  CStepField* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 protected:
  void Load() override;
  void Store() override;

 private:
  std::array<CStepField*, 4> fields_{};  // speed, delay, first digit, "*"/"#"
  QCheckBox* sideTone_;
};

class CDtmfDecodePage : public CImagePage {
  Q_OBJECT
 public:
  CDtmfDecodePage(RadioImage& image, QWidget* parent);

  QLineEdit* IdCode() const { return idCode_; }
  QLineEdit* GroupCode() const { return groupCode_; }
  QComboBox* GroupList() const { return groupList_; }
  QCheckBox* StunActivation() const { return stunOn_; }
  QLineEdit* StunCode() const { return stunCode_; }
  QLineEdit* StunType() const { return stunType_; }
  QComboBox* StunTypeList() const { return stunTypeList_; }

 protected:
  void Load() override;
  void Store() override;

 private:
  void ApplyStunEnable();

  QLineEdit* idCode_;
  QLineEdit* groupCode_;
  QComboBox* groupList_;
  QCheckBox* stunOn_;
  QLabel* stunCodeLabel_;
  QLineEdit* stunCode_;
  QLabel* stunTypeLabel_;
  QLineEdit* stunType_;
  QComboBox* stunTypeList_;
  CEditListSwap* groupSwap_;
  CEditListSwap* stunTypeSwap_;
  std::uint8_t loadedGroupCode_ = 0xFF;
};

class CDtmfCallListPage : public CImagePage {
  Q_OBJECT
 public:
  CDtmfCallListPage(RadioImage& image, QWidget* parent);

  QTableWidget* Grid() const { return grid_; }
  CGridCellEditor* Editor() const { return editor_; }

 protected:
  void Load() override;
  void Store() override;

 private:
  QTableWidget* grid_;
  CGridCellEditor* editor_;
};

}  // namespace radio
