#include "print/print_list_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/dialog_help.h"

namespace radio {

namespace {
// Check box identifiers in the fixed section order.
constexpr int kBoxIds[print::kSectionCount] = {1045, 1246, 1247, 1248, 1249};
constexpr int kSelectAllId = 1279;
constexpr int kClearAllId = 1280;
}  // namespace

CPrintListDlg::CPrintListDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("PrintList"));
  const QString texts[print::kSectionCount] = {tr("DTMF"), tr("MSK"), tr("Optional"),
                                               tr("2-Tone"), tr("Channel Info")};
  auto* boxes = new QVBoxLayout;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    auto* box = new QCheckBox(texts[i], this);
    SetControlId(box, kBoxIds[i]);
    connect(box, &QCheckBox::toggled, this, [this, i](bool checked) { selected_[i] = checked; });
    boxes_[i] = box;
    boxes->addWidget(box);
  }

  selectAll_ = new QPushButton(tr("Select All"), this);
  clearAll_ = new QPushButton(tr("Clear All"), this);
  SetControlId(selectAll_, kSelectAllId);
  SetControlId(clearAll_, kClearAllId);
  connect(selectAll_, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(clearAll_, &QPushButton::clicked, this, [this] { SetAll(false); });
  auto* ok = new QPushButton(tr("OK"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  SetControlId(ok, 1);
  SetControlId(cancel, 2);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    StoreAll();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {selectAll_, clearAll_, ok, cancel}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
}

void CPrintListDlg::Reset() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(print::kDefaultSections[i]);
  StoreAll();
}

void CPrintListDlg::SetAll(bool checked) {
  for (QCheckBox* box : boxes_) box->setChecked(checked);
}

void CPrintListDlg::StoreAll() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) selected_[i] = boxes_[i]->isChecked();
}

std::optional<print::SectionChoice> CPrintListDlg::Choose() {
  Reset();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return selected_;
}

}  // namespace radio
