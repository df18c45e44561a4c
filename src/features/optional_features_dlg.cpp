#include "features/optional_features_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "widgets/dialog_help.h"

namespace radio {
namespace {

using Items = std::vector<std::string> OptionalFeatureItems::*;

// One drop-down list: its label, control identifier, value and items.
struct ListControl {
  const char* label;
  int id;
  int OptionalFeatures::*value;
  Items items;
};

using F = OptionalFeatures;
using I = OptionalFeatureItems;

constexpr ListControl kLeftColumn[] = {
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Back Light"), 1115, &F::backLight,
     &I::backLight},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Back Light Color"), 1116, &F::backLightColor,
     &I::backLightColor},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Power-on Style"), 1121, &F::powerOnStyle,
     &I::powerOnStyle},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Key Lock"), 1118, &F::keyLock, &I::keyLock},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Priority Channel"), 1119,
     &F::priorityChannel, &I::priorityChannel},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Vox Gain Level"), 1120, &F::voxGain,
     &I::voxGain},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Display Mode"), 1117, &F::displayMode,
     &I::displayMode},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Battery Saver"), 1128, &F::batterySaver,
     &I::batterySaver},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Beep"), 1127, &F::beep, &I::beep},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Tail"), 1130, &F::tail, &I::tail},
};

// The right column; the password edit (no list) sits between TOT
// Pre-Alert and Stopwatch.
constexpr ListControl kRightColumn[] = {
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Scan Mode"), 1122, &F::scanMode,
     &I::scanMode},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Squelch Level"), 1123, &F::squelchLevel,
     &I::squelchLevel},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Step (k)"), 1124, &F::step, &I::step},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "TOT (s)"), 1125, &F::tot, &I::tot},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "TOT Pre-Alert (s)"), 1126, &F::totPreAlert,
     &I::totPreAlert},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Password"), 1133, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Stopwatch"), 1129, &F::stopwatch,
     &I::stopwatch},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Short Press Orange Key"), 1131,
     &F::orangeKey, &I::orangeKey},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "STR Set"), 1136, &F::strSet, &I::strSet},
    {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "Allow Reset"), 1137, &F::allowReset,
     &I::allowReset},
};

// The bottom row lies below the visible window: loaded and stored like the
// others, but the user neither sees nor changes it.
constexpr ListControl kMskType = {QT_TRANSLATE_NOOP("radio::COptionalFeaturesDlg", "MSK Type"),
                                  1132, &F::mskType, &I::mskType};

constexpr int kPasswordId = 1133;
constexpr int kKeypadLockId = 1134;
constexpr int kRepeaterMskInvertId = 1135;

// Every list in one sequence, the order of lists_.
std::vector<const ListControl*> AllLists() {
  std::vector<const ListControl*> all;
  for (const auto& c : kLeftColumn) all.push_back(&c);
  for (const auto& c : kRightColumn)
    if (c.value) all.push_back(&c);
  all.push_back(&kMskType);
  return all;
}

}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent) : CSettingDlg(parent) {
  setWindowTitle(tr("Optional Features"));
  auto* columns = new QGridLayout;
  columns->setHorizontalSpacing(8);
  columns->setColumnMinimumWidth(2, 24);

  auto addList = [&](const ListControl& c, int row, int column, QGridLayout* grid) {
    auto* list = new QComboBox(this);
    SetControlId(list, c.id);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* label = new QLabel(tr(c.label), this);
    label->setBuddy(list);
    grid->addWidget(label, row, column);
    grid->addWidget(list, row, column + 1);
    lists_.push_back(list);
  };
  int row = 0;
  for (const auto& c : kLeftColumn) addList(c, row++, 0, columns);
  row = 0;
  for (const auto& c : kRightColumn) {
    if (c.value) {
      addList(c, row++, 3, columns);
      continue;
    }
    password_ = new QLineEdit(this);
    SetControlId(password_, kPasswordId);
    // The radio's keypad enters digits only; a letter would make a password
    // nobody can key in. The validator guards typing and pasting alike.
    password_->setMaxLength(static_cast<int>(kPasswordLength));
    password_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,6}"), password_));
    columns->addWidget(new QLabel(tr(c.label), this), row, 3);
    columns->addWidget(password_, row++, 4);
  }

  QBoxLayout* buttons = MakeOkCancelButtons(Qt::Horizontal);

  // The cut-off row: hidden widgets that carry their bits through OK.
  auto* cutOff = new QWidget(this);
  auto* cutOffGrid = new QGridLayout(cutOff);
  addList(kMskType, 0, 0, cutOffGrid);
  keypadLock_ = new QCheckBox(tr("Keypad Lock"), cutOff);
  repeaterMskInvert_ = new QCheckBox(tr("Repeater Msk Invert"), cutOff);
  SetControlId(keypadLock_, kKeypadLockId);
  SetControlId(repeaterMskInvert_, kRepeaterMskInvertId);
  cutOffGrid->addWidget(keypadLock_, 0, 2);
  cutOffGrid->addWidget(repeaterMskInvert_, 0, 3);
  cutOff->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->addWidget(cutOff);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox* COptionalFeaturesDlg::List(int id) const {
  for (QComboBox* list : lists_)
    if (ControlId(list) == id) return list;
  return nullptr;
}

void COptionalFeaturesDlg::FillLists() {
  const OptionalFeatureItems& items = OptionalFeatureLists(App().language);
  const auto all = AllLists();
  for (std::size_t i = 0; i < all.size(); ++i) {
    lists_[i]->clear();
    for (const std::string& text : items.*(all[i]->items))
      lists_[i]->addItem(QString::fromStdString(text));
  }
}

void COptionalFeaturesDlg::Load(const OptionalFeatures& values) {
  const auto all = AllLists();
  for (std::size_t i = 0; i < all.size(); ++i) lists_[i]->setCurrentIndex(values.*(all[i]->value));
  password_->setText(QString::fromStdString(values.password));
  keypadLock_->setChecked(values.keypadLock);
  repeaterMskInvert_->setChecked(values.repeaterMskInvert);
}

OptionalFeatures COptionalFeaturesDlg::Values() const {
  OptionalFeatures values;
  const auto all = AllLists();
  for (std::size_t i = 0; i < all.size(); ++i) values.*(all[i]->value) = lists_[i]->currentIndex();
  values.password = password_->text().toStdString();
  values.keypadLock = keypadLock_->isChecked();
  values.repeaterMskInvert = repeaterMskInvert_->isChecked();
  return values;
}

int COptionalFeaturesDlg::Edit(CProgramDoc& doc) {
  FillLists();
  Load(LoadOptionalFeatures(doc.Image()));
  const int result = exec();
  if (result == QDialog::Accepted) StoreOptionalFeatures(Values(), doc.Image());
  return result;
}

}  // namespace radio
