#include "link/squelch_tuning_dlg.h"

#include <QComboBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/help.h"
#include "base/message_box.h"
#include "image/program_doc.h"
#include "link/link_factory.h"
#include "link/link_messages.h"
#include "link/squelch_transaction.h"

namespace radio {
namespace {

constexpr char kControlId[] = "controlId";  // help context of a control

// The transaction's CloneUi on the worker thread: its message boxes and the
// Retry/Cancel question appear on the GUI thread over the dialog, and the
// transaction waits for the answer.
class WorkerUi : public CloneUi {
 public:
  WorkerUi(QDialog* dialog, Language lang) : dialog_(dialog), lang_(lang) {}

  bool Pump() override { return false; }  // a squelch transaction has no cancel points
  void SetStatus(const std::string&) override {}
  void Step(int) override {}

  bool AskRetry() override {
    return OnGui([this] {
      return radio::ShowMessage(dialog_,
                                QString::fromUtf8(MessageText(MessageKind::CommunicationError, lang_)),
                                QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel) ==
             QMessageBox::Retry;
    });
  }

  void ShowMessage(MessageKind kind) override {
    const bool success =
        kind == MessageKind::ReadSuccessfully || kind == MessageKind::WriteSuccessfully;
    OnGui([this, kind, success] {
      radio::ShowMessage(dialog_, QString::fromUtf8(MessageText(kind, lang_)),
                         success ? QMessageBox::Information : QMessageBox::Warning);
      return true;
    });
  }

  void ShowPortOpenFailure(const std::string& reason) override {
    OnGui([this, t = QString::fromStdString(PortOpenFailedText(reason, lang_))] {
      radio::ShowMessage(dialog_, t, QMessageBox::Warning);
      return true;
    });
  }

 private:
  template <typename F>
  bool OnGui(F f) {
    bool answer = false;
    if (!dialog_) return answer;
    QMetaObject::invokeMethod(dialog_, std::move(f), Qt::BlockingQueuedConnection, &answer);
    return answer;
  }

  QPointer<QDialog> dialog_;
  Language lang_;
};

}  // namespace

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Squelch Tuning"));
  auto* fields = new QGridLayout;
  const std::vector<std::string> items = SquelchListItems();
  for (std::size_t i = 0; i < kSquelchFields.size(); ++i) {
    auto* list = new QComboBox(this);  // a drop-down list: no typing, not sorted
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    list->setProperty(kControlId, kSquelchFields[i].controlId);
    list->setMaxVisibleItems(15);
    auto* label = new QLabel(App().Tr(kSquelchFields[i].label, kSquelchFields[i].chinese), this);
    label->setBuddy(list);
    fields->addWidget(label, static_cast<int>(i), 0);
    fields->addWidget(list, static_cast<int>(i), 1);
    lists_[i] = list;
  }

  write_ = new QPushButton(tr("Write"), this);
  read_ = new QPushButton(tr("Read"), this);
  ok_ = new QPushButton(tr("OK"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  write_->setProperty(kControlId, kWriteId);
  read_->setProperty(kControlId, kReadId);
  ok_->setProperty(kControlId, 1);
  cancel_->setProperty(kControlId, 2);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {write_, read_, ok_, cancel_}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(write_, &QPushButton::clicked, this, &CSquelchTuningDlg::OnWrite);
  connect(read_, &QPushButton::clicked, this, &CSquelchTuningDlg::OnRead);
  connect(ok_, &QPushButton::clicked, this, &CSquelchTuningDlg::accept);
  connect(cancel_, &QPushButton::clicked, this, &CSquelchTuningDlg::reject);
}

int CSquelchTuningDlg::Run(CProgramDoc& doc) {
  doc_ = &doc;
  LoadFields();
  return exec();
}

void CSquelchTuningDlg::LoadFields() {
  const SquelchSelections selections = LoadSquelchFields(doc_->Image());
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    // The value 55 has no item: the list then shows no selection.
    lists_[i]->setCurrentIndex(
        lists_[i]->findText(QString::fromStdString(SquelchSelectionText(selections[i]))));
  }
}

SquelchSelections CSquelchTuningDlg::Selections() const {
  SquelchSelections selections;
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    bool ok = false;
    const int value = lists_[i]->currentText().toInt(&ok);
    if (lists_[i]->currentIndex() >= 0 && ok) selections[i] = value;
  }
  return selections;
}

void CSquelchTuningDlg::OnRead() {
  if (busy_ || !doc_) return;
  const CloneOutcome outcome = RunTransaction(RunSquelchRead);
  if (outcome == CloneOutcome::Ok) LoadFields();
}

void CSquelchTuningDlg::OnWrite() {
  if (busy_ || !doc_) return;
  const SquelchSelections selections = Selections();
  RunTransaction([&selections](SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image,
                               const std::string& port, Language lang) {
    return RunSquelchWrite(link, clock, ui, image, selections, port, lang);
  });
}

CloneOutcome CSquelchTuningDlg::RunTransaction(const Transaction& transaction) {
  SetBusy(true);
  RadioImage image = doc_->Image();
  CloneOutcome outcome = CloneOutcome::PortError;
  const std::string port = App().currentPort.toStdString();
  const Language lang = App().language;
  QThread* thread = QThread::create([&] {
    WorkerUi ui(this, lang);
    // The link is made, used and dropped on this thread.
    const LinkAndClock io = MakeLinkAndClock();
    outcome = transaction(*io.link, *io.clock, ui, image, port, lang);
  });
  QEventLoop loop;
  connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
  thread->start();
  loop.exec();
  thread->wait();
  delete thread;

  const bool changed = image != doc_->Image();
  if (changed) {
    doc_->Image() = image;
    doc_->ImageChanged(true);
  }
  SetBusy(false);
  return outcome;
}

void CSquelchTuningDlg::SetBusy(bool busy) {
  busy_ = busy;
  // Disabling moves the focus away; the pressed button gets it back after.
  if (busy) focusBefore_ = focusWidget();
  for (QComboBox* list : lists_) list->setEnabled(!busy);
  for (QPushButton* b : {write_, read_, ok_, cancel_}) b->setEnabled(!busy);
  if (busy) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
    if (focusBefore_) focusBefore_->setFocus();
  }
}

void CSquelchTuningDlg::accept() {
  if (busy_) return;
  if (doc_) doc_->ImageChanged(StoreSquelchFields(doc_->Image(), Selections()));
  QDialog::accept();
}

void CSquelchTuningDlg::reject() {
  if (!busy_) QDialog::reject();
}

void CSquelchTuningDlg::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CSquelchTuningDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    const QWidget* focus = focusWidget();
    ShowHelpContext(focus ? focus->property(kControlId).toInt() : 0);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio
