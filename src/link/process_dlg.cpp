#include "link/process_dlg.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "link/clone_engine.h"

namespace radio {

CProcessDlg::CProcessDlg(QWidget* owner) : QDialog(owner) {
  setObjectName("Process");
  setModal(false);
  start_ = new QPushButton(tr("Start"), this);
  start_->setObjectName("1");
  start_->setDefault(true);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("1245");
  progress_->setTextVisible(false);
  auto* label = new QLabel(tr("Progress："), this);
  status_ = new QLabel(this);
  status_->setObjectName("1062");
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName("2");
  cancel_->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->addWidget(start_, 0, 0);
  grid->addWidget(progress_, 1, 0, 1, 4);
  grid->addWidget(label, 2, 0);
  grid->addWidget(status_, 2, 1, 1, 2);
  grid->addWidget(cancel_, 2, 3);
  grid->setColumnStretch(2, 1);
  setMinimumWidth(360);

  connect(start_, &QPushButton::clicked, this, &CProcessDlg::OnStart);
  connect(cancel_, &QPushButton::clicked, this, &CProcessDlg::OnCancel);
  titleText_ = tr("Process");
  setWindowTitle(titleText_);
}

void CProcessDlg::SetTitleText(const QString& title) {
  titleText_ = title;
  if (isVisible()) setWindowTitle(title);
}

void CProcessDlg::ShowDialog() {
  if (isVisible()) return;
  progress_->setRange(0, kProgressMax);
  progress_->setValue(0);
  status_->setText(tr("Not start yet"));
  start_->setEnabled(true);
  cancelFlag_ = false;
  setWindowTitle(titleText_);
  show();
  if (QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
    const QRect frame = main->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
  }
  raise();
  activateWindow();
}

void CProcessDlg::CloseDialog() {
  hide();
}

bool CProcessDlg::Started() const {
  return !start_->isEnabled();
}

void CProcessDlg::SetStatusText(const QString& text) {
  status_->setText(text);
}

void CProcessDlg::SetPosition(int position) {
  progress_->setValue(position);
}

void CProcessDlg::OnStart() {
  if (Started() || !isVisible()) return;
  start_->setEnabled(false);
  QMetaObject::invokeMethod(this, &CProcessDlg::startRequested, Qt::QueuedConnection);
}

void CProcessDlg::OnCancel() {
  cancelFlag_ = true;
  if (!Started()) {
    CloseDialog();
    return;
  }
  emit cancelRequested();  // the run closes the dialog at its next pump point
}

void CProcessDlg::accept() {
  OnStart();
}

void CProcessDlg::reject() {
  OnCancel();
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  OnCancel();
}

}  // namespace radio
