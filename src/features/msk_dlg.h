// CMskDlg: the radio's own MSK ID and its nine-entry call list, edited in
// a small grid with an in-place editor. Only hexadecimal digits can be
// typed anywhere in the dialog; letters show in upper case.
#pragma once

#include "features/msk_fields.h"
#include "widgets/setting_dlg.h"

class QLineEdit;
class QTableWidget;

namespace radio {

class CGridCellEditor;

class CMskDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit CMskDlg(QWidget* parent = nullptr);

  QLineEdit* IdCodeEdit() const { return idCode_; }
  QTableWidget* CallListGrid() const { return grid_; }
  QLineEdit* CellEditor() const;
  bool IsEditingCell() const;

 protected:
  // Loads, runs modally, stores on OK.
  int Edit(CProgramDoc& doc) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpGrid();
  void Load(const MskSettings& values);
  MskSettings Values() const;

  QLineEdit* idCode_ = nullptr;
  QTableWidget* grid_ = nullptr;
  CGridCellEditor* cellEditor_ = nullptr;
};

}  // namespace radio
