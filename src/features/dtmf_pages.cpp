#include "features/dtmf_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "base/app_context.h"
#include "features/dtmf_fields.h"
#include "image/decimal_text.h"
#include "widgets/dialog_help.h"
#include "widgets/edit_list_swap.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/key_filter.h"
#include "widgets/step_field.h"

namespace radio {

namespace {

// DTMF codes and numbers are single-byte text in the image.
QString FromBytes(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToBytes(const QString& text) {
  return text.toLatin1().toStdString();
}
std::string ToUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// Typing or pasting into a DTMF code field keeps only DTMF characters
// (a-d in upper case); loaded text stays as it is until the user edits it.
void KeepDtmfOnEdit(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    const QString kept = FromBytes(KeepDtmfCharacters(ToBytes(text)));
    if (kept == text) return;
    const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - kept.size());
    edit->setText(kept);
    edit->setCursorPosition(std::max(0, cursor));
  });
}

int ParseInt(const QString& text) {
  return static_cast<int>(ParseDecimalUnits(ToBytes(text), 0));
}

QLineEdit* MakeEdit(QWidget* parent, int id, int maxLength) {
  auto* edit = new QLineEdit(parent);
  SetControlId(edit, id);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

}  // namespace

// ---- Encode ----------------------------------------------------------

CDtmfEncodePage::CDtmfEncodePage(RadioImage& image, QWidget* parent) : CImagePage(image, parent) {
  auto* layout = new QGridLayout(this);
  struct Row {
    const char* label;
    int editId, upDownId, maxLength;
    int (*step)(int, int);
    int (*snap)(int);
  };
  const Row rows[4] = {
      {QT_TR_NOOP("DTMF Speed(digit/s)"), 1084, 1241, 2, DtmfSpeedStep, DtmfSpeedSnap},
      {QT_TR_NOOP("First Digit Delay Time(ms)"), 1085, 1242, 4, DtmfDelayStep, DtmfDelaySnap},
      {QT_TR_NOOP("First Digit Time(ms)"), 1086, 1243, 4, DtmfDigitTimeStep, DtmfDigitTimeSnap},
      {QT_TR_NOOP("* and # Digit Time(ms)"), 1087, 1044, 4, DtmfDigitTimeStep, DtmfDigitTimeSnap},
  };
  for (int i = 0; i < 4; ++i) {
    const Row& r = rows[i];
    QLineEdit* edit = MakeEdit(this, r.editId, r.maxLength);
    auto* upDown = new CUpDown(this);
    SetControlId(upDown, r.upDownId);
    layout->addWidget(new QLabel(tr(r.label), this), i, 0);
    layout->addWidget(edit, i, 1);
    layout->addWidget(upDown, i, 2);
    const auto step = r.step;
    const auto snap = r.snap;
    fields_[static_cast<std::size_t>(i)] = new CStepField(
        edit, upDown,
        [step](const QString& t, int s) { return QString::number(step(ParseInt(t), s)); },
        [snap](const QString& t) { return QString::number(snap(ParseInt(t))); });
  }
  sideTone_ = new QCheckBox(tr("SideTone"), this);
  SetControlId(sideTone_, 1088);
  layout->addWidget(sideTone_, 4, 0, 1, 3);
  layout->setRowStretch(5, 1);
  layout->setColumnStretch(3, 1);
  (new CKeyFilter(CKeyFilter::Digits, this))->Watch(this);
}

QLineEdit* CDtmfEncodePage::SpeedEdit() const {
  return fields_[0]->Edit();
}
QLineEdit* CDtmfEncodePage::FirstDigitDelayEdit() const {
  return fields_[1]->Edit();
}
QLineEdit* CDtmfEncodePage::FirstDigitTimeEdit() const {
  return fields_[2]->Edit();
}
QLineEdit* CDtmfEncodePage::StarHashTimeEdit() const {
  return fields_[3]->Edit();
}

void CDtmfEncodePage::Load() {
  const DtmfEncodeFields f = LoadDtmfEncode(image_);
  SpeedEdit()->setText(QString::number(f.speed));
  FirstDigitDelayEdit()->setText(QString::number(f.firstDigitDelayMs));
  FirstDigitTimeEdit()->setText(QString::number(f.firstDigitTimeMs));
  StarHashTimeEdit()->setText(QString::number(f.starHashDigitTimeMs));
  sideTone_->setChecked(f.sideTone);
}

void CDtmfEncodePage::Store() {
  for (CStepField* field : fields_) field->Snap();
  DtmfEncodeFields f;
  f.speed = ParseInt(SpeedEdit()->text());
  f.firstDigitDelayMs = ParseInt(FirstDigitDelayEdit()->text());
  f.firstDigitTimeMs = ParseInt(FirstDigitTimeEdit()->text());
  f.starHashDigitTimeMs = ParseInt(StarHashTimeEdit()->text());
  f.sideTone = sideTone_->isChecked();
  StoreDtmfEncode(image_, f);
}

// ---- Decode ----------------------------------------------------------

CDtmfDecodePage::CDtmfDecodePage(RadioImage& image, QWidget* parent) : CImagePage(image, parent) {
  const AppContext& app = App();
  auto* layout = new QGridLayout(this);
  idCode_ = MakeEdit(this, 1080, static_cast<int>(kDtmfCodeLength));
  KeepDtmfOnEdit(idCode_);
  groupCode_ = MakeEdit(this, 1081, 0);
  groupCode_->setReadOnly(true);
  groupList_ = new QComboBox(this);
  SetControlId(groupList_, 1124);
  for (std::uint8_t code : kGroupCodeItems)
    groupList_->addItem(QString::fromStdString(GroupCodeText(code, app.language)));
  layout->addWidget(new QLabel(tr("ID Code"), this), 0, 0);
  layout->addWidget(idCode_, 0, 1);
  layout->addWidget(new QLabel(tr("Group Code"), this), 1, 0);
  layout->addWidget(groupCode_, 1, 1);

  auto* stun = new QGroupBox(tr("Stun"), this);
  auto* stunLayout = new QGridLayout(stun);
  stunOn_ = new QCheckBox(tr("Stun Activation"), stun);
  SetControlId(stunOn_, 1103);
  stunCodeLabel_ = new QLabel(tr("Stun Code"), stun);
  stunCode_ = MakeEdit(stun, 1082, static_cast<int>(kDtmfCodeLength));
  KeepDtmfOnEdit(stunCode_);
  stunTypeLabel_ = new QLabel(tr("Stun Type"), stun);
  stunType_ = MakeEdit(stun, 1083, 0);
  stunType_->setReadOnly(true);
  stunTypeList_ = new QComboBox(stun);
  SetControlId(stunTypeList_, 1136);
  for (bool tx : {true, false})
    stunTypeList_->addItem(QString::fromStdString(StunTypeText(tx, app.language)));
  stunLayout->addWidget(stunOn_, 0, 0, 1, 2);
  stunLayout->addWidget(stunCodeLabel_, 1, 0);
  stunLayout->addWidget(stunCode_, 1, 1);
  stunLayout->addWidget(stunTypeLabel_, 2, 0);
  stunLayout->addWidget(stunType_, 2, 1);
  layout->addWidget(stun, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);

  groupSwap_ = new CEditListSwap(groupCode_, groupList_);
  stunTypeSwap_ = new CEditListSwap(stunType_, stunTypeList_);
  connect(stunOn_, &QCheckBox::clicked, this, [this] { ApplyStunEnable(); });

  // Only the two code fields filter keys: DTMF characters and editing keys.
  auto* codeKeys =
      new CKeyFilter([](const QKeyEvent& key) { return CKeyFilter::DtmfCode(key, false); }, this);
  codeKeys->Watch(idCode_);
  codeKeys->Watch(stunCode_);
  (new CKeyFilter(nullptr, this))->Watch(this);  // F1 everywhere else
}

void CDtmfDecodePage::ApplyStunEnable() {
  const bool on = stunOn_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{stunCodeLabel_, stunCode_, stunTypeLabel_,
                                                    stunType_, stunTypeList_})
    w->setEnabled(on);
}

void CDtmfDecodePage::Load() {
  const Language lang = App().language;
  const DtmfDecodeFields f = LoadDtmfDecode(image_);
  groupSwap_->Close();
  stunTypeSwap_->Close();
  idCode_->setText(FromBytes(f.idCode));
  loadedGroupCode_ = f.groupCode;
  groupSwap_->Reset();
  groupCode_->setText(f.groupCode == kGroupCodeOff
                          ? QString::fromStdString(GroupCodeText(f.groupCode, lang))
                          : FromBytes(GroupCodeText(f.groupCode, lang)));
  stunOn_->setChecked(f.stunActivation);
  stunCode_->setText(FromBytes(f.stunCode));
  stunType_->setText(QString::fromStdString(StunTypeText(f.txInhibit, lang)));
  ApplyStunEnable();
}

void CDtmfDecodePage::Store() {
  groupSwap_->Close();
  stunTypeSwap_->Close();
  DtmfDecodeFields f;
  f.idCode = ToBytes(idCode_->text());
  // A group code the user did not choose goes back as it was loaded, even
  // a byte that no list item stands for.
  f.groupCode =
      groupSwap_->UserPicked() ? GroupCodeOfText(ToUtf8(groupCode_->text())) : loadedGroupCode_;
  f.stunActivation = stunOn_->isChecked();
  f.stunCode = ToBytes(stunCode_->text());
  f.txInhibit = IsTxInhibitText(ToUtf8(stunType_->text()));
  StoreDtmfDecode(image_, f);
}

// ---- CallList ----------------------------------------------------------

CDtmfCallListPage::CDtmfCallListPage(RadioImage& image, QWidget* parent)
    : CImagePage(image, parent) {
  const AppContext& app = App();
  grid_ = new QTableWidget(static_cast<int>(kDtmfCallCount), 2, this);
  SetControlId(grid_, 1022);
  grid_->verticalHeader()->hide();
  grid_->setHorizontalHeaderLabels(
      {app.Tr("Num", "编号"), app.Tr("Fast Call List", "快速呼叫列表")});
  const QColor fixedText(0x00, 0x46, 0xD5);
  for (int c = 0; c < 2; ++c) grid_->horizontalHeaderItem(c)->setForeground(fixedText);
  const int width = 64;  // the grid's initial column width
  grid_->setColumnWidth(0, width * 8 / 10);
  grid_->setColumnWidth(1, width * 23 / 10);
  QFont courier("Courier");
  courier.setStyleHint(QFont::TypeWriter);
  for (int r = 0; r < grid_->rowCount(); ++r) {
    auto* number = new QTableWidgetItem(QString::number(r + 1));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    number->setForeground(fixedText);
    number->setBackground(palette().button());
    grid_->setItem(r, 0, number);
    auto* cell = new QTableWidgetItem;
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setFont(courier);
    grid_->setItem(r, 1, cell);
  }
  editor_ = new CGridCellEditor(grid_, 1, static_cast<int>(kDtmfCallLength),
                                [](const QString& text) { return text; });
  editor_->Edit()->setFont(courier);
  KeepDtmfOnEdit(editor_->Edit());
  auto* layout = new QGridLayout(this);
  layout->addWidget(grid_, 0, 0);
  (new CKeyFilter([](const QKeyEvent& key) { return CKeyFilter::DtmfCode(key, true); }, this))
      ->Watch(this);
}

void CDtmfCallListPage::Load() {
  const DtmfCallList list = LoadDtmfCallList(image_);
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    grid_->item(static_cast<int>(n), 1)->setText(FromBytes(list[n]));
  grid_->viewport()->update();
}

void CDtmfCallListPage::Store() {
  editor_->Commit();
  DtmfCallList list;
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    list[n] = ToBytes(grid_->item(static_cast<int>(n), 1)->text());
  StoreDtmfCallList(image_, list);
}

}  // namespace radio
