// CCompareDlg: the differences between the document's image and another
// image (a .dat file, a backup, or what the radio holds), one line each,
// read as "other → this document". Non-modal; double-clicking a channel
// line asks for that channel's row in the grid.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

#include "compare/image_diff.h"
#include "image/program_doc.h"
#include "link/link_factory.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace radio {

class RadioImageReader;

class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  // Item data role holding a line's grid row (0 for a line of no channel),
  // and the one holding its grid column (0 when none).
  static constexpr int kChannelRole = Qt::UserRole + 1;
  static constexpr int kColumnRole = Qt::UserRole + 2;

  // A radio read gets its link from `links`.
  CCompareDlg(CProgramDoc& doc, LinkFactory links, QWidget* parent);

  // Compares the document (its grid committed first) with `other`, named
  // `otherName` in the heading.
  void CompareWith(const RadioImage& other, const QString& otherName);

  // The choices of the buttons.
  void CompareWithFile();
  void CompareWithBackup();
  void CompareWithRadio();

  // Where backups are kept: the start folder of "Backup…".
  static QString BackupFolder();

  // Tests answer the file dialog; the prompt gets the caption and start folder.
  using FilePrompt = std::function<QString(const QString& caption, const QString& folder)>;
  void SetFilePrompt(FilePrompt prompt) { filePrompt_ = std::move(prompt); }
  RadioImageReader& Reader();

  QListWidget* List() const { return list_; }
  QLabel* Heading() const { return heading_; }

 signals:
  // A channel line was double-clicked: grid row 1-129 and column (0 = any).
  void channelActivated(int gridRow, int gridCol);
  // A radio read for the comparison started or ended.
  void radioRunningChanged(bool running);

 private:
  void CompareWithFileIn(const QString& caption, const QString& folder);
  void OnItemActivated(QListWidgetItem* item);

  QPointer<CProgramDoc> doc_;
  QLabel* heading_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* radioButton_ = nullptr;
  RadioImageReader* reader_ = nullptr;
  FilePrompt filePrompt_;
  LinkFactory links_;
};

}  // namespace radio
