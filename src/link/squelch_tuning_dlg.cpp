#include "link/squelch_tuning_dlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/help.h"
#include "image/program_doc.h"
#include "link/squelch_transaction.h"

namespace radio {
namespace {

constexpr char kControlId[] = "controlId";  // help context of a control

}  // namespace

CSquelchTuningDlg::CSquelchTuningDlg(QWidget* parent, LinkFactory links)
    : QDialog(parent), runner_(std::move(links), *this) {
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
  const std::string port = App().currentPort.toStdString();
  const Language lang = App().language;
  const CloneOutcome outcome =
      RunTransaction([port, lang](SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image) {
        return CloneResult{RunSquelchRead(link, clock, ui, image, port, lang)};
      });
  if (outcome == CloneOutcome::Ok) LoadFields();
}

void CSquelchTuningDlg::OnWrite() {
  if (busy_ || !doc_) return;
  const SquelchSelections selections = Selections();
  const std::string port = App().currentPort.toStdString();
  const Language lang = App().language;
  RunTransaction(
      [selections, port, lang](SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image) {
        return CloneResult{RunSquelchWrite(link, clock, ui, image, selections, port, lang)};
      });
}

CloneOutcome CSquelchTuningDlg::RunTransaction(RadioTransaction transaction) {
  SetBusy(true);
  const CloneOutcome outcome = runner_.Run(std::move(transaction), doc_->Image(), App().language);
  const bool changed = runner_.Image() != doc_->Image();
  if (changed) {
    doc_->Image() = runner_.Image();
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
