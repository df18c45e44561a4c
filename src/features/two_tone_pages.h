// The pages of the 2-Tone dialog: the Encode page (common timing, short
// beep, the grid of 32 codes) and the eight decode pages hosted by the
// Decode sheet, page n editing decode slot n.
#pragma once

#include <array>

#include "features/image_page.h"

class QCheckBox;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace radio {

class CGridCellEditor;
class CStepField;

class CTwoToneEncodePage : public CImagePage {
  Q_OBJECT
 public:
  CTwoToneEncodePage(RadioImage& image, QWidget* parent);

  // 0 first delay, 1 second delay, 2 long tone delay, 3 interval, 4 Tx rise.
  CStepField* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }
  QCheckBox* ShortBeep() const { return shortBeep_; }
  QTableWidget* Grid() const { return grid_; }
  CGridCellEditor* Editor() const { return editor_; }

 protected:
  void Load() override;
  void Store() override;

 private:
  std::array<CStepField*, 5> fields_{};
  QCheckBox* shortBeep_;
  QTableWidget* grid_;
  CGridCellEditor* editor_;
};

class CTwoToneDecodePage : public CImagePage {
  Q_OBJECT
 public:
  // `slot` is 0-based: the page "2-Tone<slot + 1>".
  CTwoToneDecodePage(RadioImage& image, int slot, QWidget* parent);

  // 0 A tone, 1 B tone, 2 first delay, 3 second delay, 4 interval, 5 long tone delay.
  CStepField* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 protected:
  void Load() override;
  void Store() override;

 private:
  int slot_;
  std::array<CStepField*, 6> fields_{};
};

class CTwoToneDecodeSheet : public QWidget {
  Q_OBJECT
 public:
  CTwoToneDecodeSheet(RadioImage& image, QWidget* parent);

  QTabWidget* Tabs() const { return tabs_; }
  CTwoToneDecodePage* Page(int slot) const { return pages_[static_cast<std::size_t>(slot)]; }
  // Stores the visible decode page (the dialog is ending).
  void HideCurrentPage();

 private:
  QTabWidget* tabs_;
  std::array<CTwoToneDecodePage*, 8> pages_{};
  int current_ = 0;
};

}  // namespace radio
