// File > Open Backup: the copies kept of earlier reads, newest first, one
// of which opens as a new document (double-click or Open).
#pragma once

#include <QDialog>
#include <QList>

#include "safety/backup_store.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace radio {

class COpenBackupDlg : public QDialog {
  Q_OBJECT
 public:
  explicit COpenBackupDlg(QWidget* parent = nullptr);

  // Lists the copies of `store`; returns the chosen one's path, or empty.
  QString Run(const BackupStore& store);
  // The same without running modally (the list filled, nothing chosen yet).
  void Load(const BackupStore& store);
  QString ChosenPath() const;

  QTreeWidget* List() const { return list_; }
  QLabel* EmptyText() const { return empty_; }
  QPushButton* OpenButton() const { return open_; }

 private:
  QLabel* folder_ = nullptr;
  QLabel* empty_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QPushButton* open_ = nullptr;
  QList<BackupEntry> entries_;
};

}  // namespace radio
