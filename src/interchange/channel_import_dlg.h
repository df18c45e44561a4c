// CChannelImportDlg: the preview of a CSV import. One table line per file
// row: its file line, the channel it replaces, that channel as it is and as
// the row would make it, and the row's problems (skipped rows in red, rows
// taken with a warning in yellow). Import or Cancel; it changes nothing
// itself.
#pragma once

#include <QDialog>
#include <functional>

#include "interchange/channel_csv_import.h"

class QLabel;
class QTableWidget;

namespace radio {

class CChannelImportDlg : public QDialog {
  Q_OBJECT
 public:
  enum Column { kLineColumn = 0, kChannelColumn, kOldColumn, kNewColumn, kProblemsColumn };

  CChannelImportDlg(QWidget* parent, const ChannelImportPlan& plan);

  // Runs modally; true when the user chose Import.
  bool Run();

  QTableWidget* Table() const { return table_; }
  QString Summary() const;

  // Tests answer the preview instead of a person: the hook gets the filled
  // dialog and returns QDialog::Accepted or Rejected. An empty hook restores
  // the modal dialog; the previous hook is returned.
  using RunHook = std::function<int(CChannelImportDlg&)>;
  static RunHook SetRunHook(RunHook hook);

 private:
  void FillRow(int tableRow, const ImportRow& row);

  QTableWidget* table_;
  QLabel* summary_;
};

}  // namespace radio
