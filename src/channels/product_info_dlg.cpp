#include "channels/product_info_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/app_context.h"
#include "base/message_box.h"
#include "base/settings_store.h"
#include "image/band_limits.h"
#include "image/program_doc.h"
#include "widgets/dialog_help.h"

namespace radio {
namespace {

constexpr int kModelListId = 1013;
constexpr std::array<int, 4> kBandEditIds = {1113, 1114, 1115, 1116};
constexpr int kModelTypeSlots = 19;    // Type1 ... Type19 in [Setup]
constexpr std::int64_t kMHz = 100000;  // 10 Hz units per MHz
// The second model of the list covers 330-400 MHz in both bands.
constexpr std::array<int, 4> kSecondModelBands = {330, 400, 330, 400};

}  // namespace

CProductInfoDlg::CProductInfoDlg(QWidget* parent) : CSettingDlg(parent) {
  setWindowTitle(tr("Product Information"));
  auto* group = new QGroupBox(tr("Model Info"), this);
  auto* grid = new QGridLayout(group);
  modelList_ = new QComboBox(group);
  SetControlId(modelList_, kModelListId);
  grid->addWidget(new QLabel(tr("Model"), group), 0, 0);
  grid->addWidget(modelList_, 0, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Field"), group), 1, 0);
  for (std::size_t i = 0; i < bandEdits_.size(); ++i) {
    auto* edit = new QLineEdit(group);
    edit->setValidator(new QIntValidator(edit));
    SetControlId(edit, kBandEditIds[i]);
    bandEdits_[i] = edit;
    const int line = 1 + static_cast<int>(i / 2);
    grid->addWidget(edit, line, i % 2 == 0 ? 1 : 3);
    if (i % 2 == 0) grid->addWidget(new QLabel(tr("——"), group), line, 2);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  SetControlId(buttons->button(QDialogButtonBox::Ok), 1);
  SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);
  connect(buttons, &QDialogButtonBox::accepted, this, &CProductInfoDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CProductInfoDlg::reject);
  // Only a choice by the user applies a model's bands, not the preselection.
  connect(modelList_, &QComboBox::activated, this, &CProductInfoDlg::OnModelChosen);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

int CProductInfoDlg::Edit(CProgramDoc& doc) {
  doc_ = &doc;
  Load();
  const int result = exec();
  doc_ = nullptr;
  return result;
}

void CProductInfoDlg::Load() {
  for (QLineEdit* edit : bandEdits_) edit->setEnabled(false);

  modelList_->clear();
  for (int i = 1; i <= kModelTypeSlots; ++i) {
    const std::string name = App().ini.Get("Setup", "Type" + std::to_string(i), "");
    if (name.empty()) break;
    modelList_->addItem(QString::fromStdString(name));
  }
  modelList_->setCurrentIndex(modelList_->count() > 0 ? 0 : -1);

  const BandLimits& limits = App().band.limits;
  const std::array<std::int64_t, 4> values = {limits.lower1, limits.upper1, limits.lower2,
                                              limits.upper2};
  for (std::size_t i = 0; i < values.size(); ++i)
    bandEdits_[i]->setText(QString::number(values[i] / kMHz));

  // A stored model beyond the list keeps the first model selected.
  const auto type = SettingsStore(App().appName).ReadType();
  if (type && *type < static_cast<std::uint32_t>(modelList_->count()))
    modelList_->setCurrentIndex(static_cast<int>(*type));
}

void CProductInfoDlg::OnModelChosen(int index) {
  if (index != 1) return;
  for (std::size_t i = 0; i < bandEdits_.size(); ++i)
    bandEdits_[i]->setText(QString::number(kSecondModelBands[i]));
}

void CProductInfoDlg::accept() {
  std::array<std::int64_t, 4> mhz{};
  for (std::size_t i = 0; i < mhz.size(); ++i) mhz[i] = bandEdits_[i]->text().toLongLong();
  if (mhz[0] > mhz[1] || mhz[2] > mhz[3]) {
    ShowMessage(this, App().Tr("Frequency input error", "起始频率应小于结束频率"));
    return;
  }
  if (doc_) {
    RadioImage& image = doc_->Image();
    image[kModelTypeOffset] = 1;
    App().band.Confirm(BandLimits{mhz[0] * kMHz, mhz[1] * kMHz, mhz[2] * kMHz, mhz[3] * kMHz},
                       image);
  }
  QDialog::accept();
}

}  // namespace radio
