#include "compare/compare_dlg.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/file_folders.h"
#include "base/message_box.h"
#include "compare/radio_image_reader.h"
#include "image/dat_file.h"
#include "image/name_text.h"

namespace radio {

CCompareDlg::CCompareDlg(CProgramDoc& doc, LinkFactory links, QWidget* parent)
    : QDialog(parent), doc_(&doc), links_(std::move(links)) {
  setWindowTitle(tr("Compare With"));
  setModal(false);
  heading_ = new QLabel(tr("Choose what to compare this document with."), this);
  heading_->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setMinimumSize(560, 320);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list_, &QListWidget::itemActivated, this, &CCompareDlg::OnItemActivated);

  auto* file = new QPushButton(tr("File…"), this);
  auto* backup = new QPushButton(tr("Backup…"), this);
  radioButton_ = new QPushButton(tr("Radio…"), this);
  auto* close = new QPushButton(tr("Close"), this);
  connect(file, &QPushButton::clicked, this, &CCompareDlg::CompareWithFile);
  connect(backup, &QPushButton::clicked, this, &CCompareDlg::CompareWithBackup);
  connect(radioButton_, &QPushButton::clicked, this, &CCompareDlg::CompareWithRadio);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(file);
  buttons->addWidget(backup);
  buttons->addWidget(radioButton_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
}

QString CCompareDlg::BackupFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups";
}

RadioImageReader& CCompareDlg::Reader() {
  if (!reader_) {
    reader_ = new RadioImageReader(this, links_);
    connect(reader_, &RadioImageReader::runningChanged, this, [this](bool running) {
      radioButton_->setEnabled(!running);
      emit radioRunningChanged(running);
    });
    connect(reader_, &RadioImageReader::finished, this,
            [this](bool complete, const RadioImage& image) {
              if (complete) CompareWith(image, tr("the radio"));
            });
  }
  return *reader_;
}

void CCompareDlg::CompareWith(const RadioImage& other, const QString& otherName) {
  if (!doc_) return;
  doc_->CommitViews();  // the grid is the working copy of the channel table
  const Language lang = App().language;
  const auto differences = DiffImages(other, doc_->Image(), lang, GridNameDecoder(lang));
  list_->clear();
  for (const ImageDifference& d : differences) {
    auto* item = new QListWidgetItem(QString::fromStdString(DifferenceText(d, lang)), list_);
    item->setData(kChannelRole, d.channel);
    item->setData(kColumnRole, d.column);
    if (d.channel > 0) item->setToolTip(tr("Double-click to show this channel in the grid"));
  }
  if (differences.empty())
    heading_->setText(
        tr("No differences: %1 and this document hold the same image.").arg(otherName));
  else
    heading_->setText(tr("Differences from %1 to this document: %2")
                          .arg(otherName, QString::number(differences.size())));
}

void CCompareDlg::CompareWithFileIn(const QString& caption, const QString& folder) {
  const QString path =
      filePrompt_ ? filePrompt_(caption, folder)
                  : QFileDialog::getOpenFileName(this, caption, folder,
                                                 QStringLiteral("*.dat (*.dat);;All Files (*)"));
  if (path.isEmpty()) return;
  if (folder != BackupFolder()) RememberFileFolder(FileKind::RadioImage, path);
  RadioImage other{};
  std::string error;
  if (!LoadDatFile(path.toStdString(), other, error, App().language)) {
    ShowMessage(this, QString::fromStdString(error), QMessageBox::Warning);
    return;
  }
  CompareWith(other, QDir::toNativeSeparators(path));
}

void CCompareDlg::CompareWithFile() {
  CompareWithFileIn(tr("Compare With File"), FileDialogFolder(FileKind::RadioImage));
}

void CCompareDlg::CompareWithBackup() {
  CompareWithFileIn(tr("Compare With Backup"), BackupFolder());
}

void CCompareDlg::CompareWithRadio() {
  if (!doc_) return;
  doc_->CommitViews();  // the read starts from the document's password
  Reader().Read(doc_->Image());
}

void CCompareDlg::OnItemActivated(QListWidgetItem* item) {
  const int row = item ? item->data(kChannelRole).toInt() : 0;
  if (row > 0) emit channelActivated(row, item->data(kColumnRole).toInt());
}

}  // namespace radio
