#include "safety/open_backup_dlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace radio {
namespace {

QString StampText(const BackupStamp& s) {
  return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour,
                           s.minute, s.second);
}

// "136-174_400-480" -> "136-174 / 400-480"
QString BandsText(const std::string& band) {
  return QString::fromStdString(band).replace('_', " / ");
}

}  // namespace

COpenBackupDlg::COpenBackupDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Open Backup"));
  auto* layout = new QVBoxLayout(this);
  folder_ = new QLabel(this);
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folder_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addWidget(folder_);
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({tr("Date and time"), tr("Model"), tr("Bands (MHz)"), tr("Size")});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(list_, 1);
  empty_ = new QLabel(tr("No backups yet. A copy of every complete read from a radio is kept "
                         "here."),
                      this);
  empty_->setWordWrap(true);
  empty_->setAlignment(Qt::AlignCenter);
  layout->addWidget(empty_, 1);
  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(list_, &QTreeWidget::currentItemChanged, this,
          [this] { open_->setEnabled(list_->currentItem() != nullptr); });
  resize(640, 420);
}

void COpenBackupDlg::Load(const BackupStore& store) {
  entries_ = store.List();
  folder_->setText(tr("Backups in %1").arg(QDir::toNativeSeparators(store.Folder())));
  list_->clear();
  const QLocale locale;
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    const BackupEntry& e = entries_[i];
    auto* item = new QTreeWidgetItem(
        list_, {StampText(e.parts.stamp), QString::fromStdString(e.parts.model),
                BandsText(e.parts.band), locale.formattedDataSize(e.size)});
    item->setData(0, Qt::UserRole, int(i));
    item->setToolTip(0, e.fileName);
  }
  const bool any = !entries_.isEmpty();
  list_->setVisible(any);
  empty_->setVisible(!any);
  if (any) list_->setCurrentItem(list_->topLevelItem(0));
  open_->setEnabled(any);
}

QString COpenBackupDlg::ChosenPath() const {
  const QTreeWidgetItem* item = list_->currentItem();
  if (!item) return {};
  const int i = item->data(0, Qt::UserRole).toInt();
  return i >= 0 && i < entries_.size() ? entries_[i].path : QString();
}

QString COpenBackupDlg::Run(const BackupStore& store) {
  Load(store);
  return exec() == QDialog::Accepted ? ChosenPath() : QString();
}

}  // namespace radio
