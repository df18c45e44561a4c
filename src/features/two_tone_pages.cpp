#include "features/two_tone_pages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

#include "base/app_context.h"
#include "features/two_tone_fields.h"
#include "widgets/dialog_help.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/key_filter.h"
#include "widgets/step_field.h"

namespace radio {

namespace {

std::string Text(const QString& text) {
  return text.toLatin1().toStdString();
}
QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
int Tenths(const QString& text) {
  return static_cast<int>(ParseTenths(Text(text)));
}
int Hundredths(const QString& text) {
  return static_cast<int>(ParseHundredths(Text(text)));
}

// One numeric field of a 2-Tone page, in tenths of its unit.
struct TenthsField {
  const char* label;
  int editId, upDownId, maxLength;
  SpinRange range;
  std::string (*format)(int);
};

CStepField* AddField(QWidget* page, QGridLayout* layout, int row, const TenthsField& f) {
  auto* edit = new QLineEdit(page);
  SetControlId(edit, f.editId);
  edit->setMaxLength(f.maxLength);
  auto* upDown = new CUpDown(page);
  SetControlId(upDown, f.upDownId);
  // The page's own translation context, as its tr() would use.
  const QString label = QCoreApplication::translate(page->metaObject()->className(), f.label);
  layout->addWidget(new QLabel(label, page), row, 0);
  layout->addWidget(edit, row, 1);
  layout->addWidget(upDown, row, 2);
  const SpinRange range = f.range;
  const auto format = f.format;
  return new CStepField(
      edit, upDown,
      [range, format](const QString& t, int s) {
        return Q(format(StepAndWrap(Tenths(t), s, range)));
      },
      [range, format](const QString& t) {
        return Q(format(ClampTo(ParseTenths(Text(t)), range)));
      });
}

CKeyFilter* DecimalKeys(QObject* parent) {
  return new CKeyFilter(CKeyFilter::Decimal, parent);
}

}  // namespace

// ---- Encode ----------------------------------------------------------

CTwoToneEncodePage::CTwoToneEncodePage(RadioImage& image, QWidget* parent)
    : CImagePage(image, parent) {
  const AppContext& app = App();
  auto* fieldsLayout = new QGridLayout;
  const TenthsField tenths[4] = {
      {QT_TR_NOOP("The first delay time(s)"), 1250, 1055, 4, kDelayRange, FormatSeconds},
      {QT_TR_NOOP("The second delay time(s)"), 1251, 1056, 4, kDelayRange, FormatSeconds},
      {QT_TR_NOOP("Long tone delay time(s)"), 1252, 1057, 4, kDelayRange, FormatSeconds},
      {QT_TR_NOOP("Tone interval time(ms)"), 1253, 1058, 3, kIntervalRange, FormatSeconds},
  };
  for (int i = 0; i < 4; ++i)
    fields_[static_cast<std::size_t>(i)] = AddField(this, fieldsLayout, i, tenths[i]);
  // The Tx rise delay steps by 0.05 s on its own grid (whole hundredths).
  auto* txRise = new QLineEdit(this);
  SetControlId(txRise, 1054);
  txRise->setMaxLength(4);
  auto* txRiseUpDown = new CUpDown(this);
  SetControlId(txRiseUpDown, 1059);
  fieldsLayout->addWidget(new QLabel(tr("Tx rise delay time(ms)"), this), 4, 0);
  fieldsLayout->addWidget(txRise, 4, 1);
  fieldsLayout->addWidget(txRiseUpDown, 4, 2);
  fields_[4] = new CStepField(
      txRise, txRiseUpDown,
      [](const QString& t, int s) { return Q(FormatTxRise(TxRiseStep(Hundredths(t), s))); },
      [](const QString& t) { return Q(FormatTxRise(TxRiseSnap(ParseHundredths(Text(t))))); });
  shortBeep_ = new QCheckBox(tr("Short beep tone"), this);
  SetControlId(shortBeep_, 1061);
  fieldsLayout->addWidget(shortBeep_, 5, 0, 1, 3);
  fieldsLayout->setRowStretch(6, 1);

  grid_ = new QTableWidget(kTwoToneEncodeCodes, 3, this);
  SetControlId(grid_, 1060);
  grid_->verticalHeader()->hide();
  grid_->setHorizontalHeaderLabels(
      {app.Tr("Num", "编号"), app.Tr("Tone1 Fre", "音频1"), app.Tr("Tone2 Fre", "音频2")});
  const int width = 100;  // the grid's initial column width
  grid_->setColumnWidth(0, width * 51 / 100);
  grid_->setColumnWidth(1, width * 122 / 100);
  grid_->setColumnWidth(2, width * 122 / 100);
  for (int r = 0; r < kTwoToneEncodeCodes; ++r)
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(c == 0 ? QString::number(r + 1) : QString());
      item->setTextAlignment(Qt::AlignCenter);
      if (c == 0) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
      }
      grid_->setItem(r, c, item);
    }
  grid_->setMinimumWidth(width * 295 / 100 + 24);
  editor_ = new CGridCellEditor(
      grid_, 1, 6, [](const QString& text) { return Q(NormaliseToneCell(Text(text))); });

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fieldsLayout);
  layout->addWidget(grid_, 1);
  DecimalKeys(this)->Watch(this);
}

void CTwoToneEncodePage::Load() {
  const TwoToneEncodeFields f = LoadTwoToneEncode(image_);
  fields_[0]->Edit()->setText(Q(FormatSeconds(f.firstDelay)));
  fields_[1]->Edit()->setText(Q(FormatSeconds(f.secondDelay)));
  fields_[2]->Edit()->setText(Q(FormatSeconds(f.longDelay)));
  fields_[3]->Edit()->setText(Q(FormatSeconds(f.interval)));
  fields_[4]->Edit()->setText(Q(FormatTxRise(f.txRise)));
  shortBeep_->setChecked(f.shortBeep);
  for (int k = 0; k < kTwoToneEncodeCodes; ++k)
    for (int t = 0; t < 2; ++t) {
      const auto& tone = f.tones[static_cast<std::size_t>(k)][static_cast<std::size_t>(t)];
      grid_->item(k, t + 1)->setText(tone ? Q(FormatTone(*tone)) : QString());
    }
}

void CTwoToneEncodePage::Store() {
  editor_->Commit();
  for (CStepField* field : fields_) field->Snap();
  TwoToneEncodeFields f;
  f.firstDelay = Tenths(fields_[0]->Edit()->text());
  f.secondDelay = Tenths(fields_[1]->Edit()->text());
  f.longDelay = Tenths(fields_[2]->Edit()->text());
  f.interval = Tenths(fields_[3]->Edit()->text());
  f.txRise = Hundredths(fields_[4]->Edit()->text());
  f.shortBeep = shortBeep_->isChecked();
  for (int k = 0; k < kTwoToneEncodeCodes; ++k)
    for (int t = 0; t < 2; ++t) {
      const QString text = grid_->item(k, t + 1)->text();
      auto& tone = f.tones[static_cast<std::size_t>(k)][static_cast<std::size_t>(t)];
      if (text.isEmpty())
        tone.reset();
      else
        tone = Tenths(text);
    }
  StoreTwoToneEncode(image_, f);
}

// ---- Decode ----------------------------------------------------------

CTwoToneDecodePage::CTwoToneDecodePage(RadioImage& image, int slot, QWidget* parent)
    : CImagePage(image, parent), slot_(slot) {
  auto* layout = new QGridLayout(this);
  const TenthsField rows[6] = {
      {QT_TR_NOOP("A Tone(HZ)"), 1037, 1068, 6, kToneRange, FormatTone},
      {QT_TR_NOOP("B Tone(HZ)"), 1038, 1069, 6, kToneRange, FormatTone},
      {QT_TR_NOOP("The first delay time(s)"), 1039, 1070, 4, kDelayRange, FormatSeconds},
      {QT_TR_NOOP("The second delay time(s)"), 1040, 1071, 4, kDelayRange, FormatSeconds},
      {QT_TR_NOOP("Interval time(s)"), 1041, 1072, 3, kIntervalRange, FormatDecodeInterval},
      {QT_TR_NOOP("Long tone delay time(s)"), 1042, 1073, 4, kDelayRange, FormatSeconds},
  };
  for (int i = 0; i < 6; ++i)
    fields_[static_cast<std::size_t>(i)] = AddField(this, layout, i, rows[i]);
  layout->setRowStretch(6, 1);
  layout->setColumnStretch(3, 1);
  DecimalKeys(this)->Watch(this);
}

void CTwoToneDecodePage::Load() {
  const TwoToneDecodeSlot s = LoadTwoToneDecodeSlot(image_, slot_);
  fields_[0]->Edit()->setText(Q(FormatTone(s.aTone)));
  fields_[1]->Edit()->setText(Q(FormatTone(s.bTone)));
  fields_[2]->Edit()->setText(Q(FormatSeconds(s.firstDelay)));
  fields_[3]->Edit()->setText(Q(FormatSeconds(s.secondDelay)));
  fields_[4]->Edit()->setText(Q(FormatDecodeInterval(s.interval)));
  fields_[5]->Edit()->setText(Q(FormatSeconds(s.longDelay)));
}

void CTwoToneDecodePage::Store() {
  for (CStepField* field : fields_) field->Snap();
  TwoToneDecodeSlot s;
  s.aTone = Tenths(fields_[0]->Edit()->text());
  s.bTone = Tenths(fields_[1]->Edit()->text());
  s.firstDelay = Tenths(fields_[2]->Edit()->text());
  s.secondDelay = Tenths(fields_[3]->Edit()->text());
  s.interval = Tenths(fields_[4]->Edit()->text());
  s.longDelay = Tenths(fields_[5]->Edit()->text());
  StoreTwoToneDecodeSlot(image_, slot_, s);
}

// ---- Decode sheet ------------------------------------------------------

CTwoToneDecodeSheet::CTwoToneDecodeSheet(RadioImage& image, QWidget* parent) : QWidget(parent) {
  tabs_ = new QTabWidget(this);
  SetControlId(tabs_, 1075);
  tabs_->setStyleSheet("QTabBar::tab { min-width: 56px; }");
  for (int n = 0; n < kTwoToneDecodeSlots; ++n) {
    pages_[static_cast<std::size_t>(n)] = new CTwoToneDecodePage(image, n, tabs_);
    tabs_->addTab(pages_[static_cast<std::size_t>(n)], QString("2-Tone%1").arg(n + 1));
  }
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
  (new CKeyFilter(nullptr, this))->Watch(tabs_->tabBar());
  tabs_->setCurrentIndex(0);
  pages_[0]->ShowPage();
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index < 0 || index == current_) return;
    pages_[static_cast<std::size_t>(current_)]->HidePage();
    current_ = index;
    pages_[static_cast<std::size_t>(index)]->ShowPage();
  });
}

void CTwoToneDecodeSheet::HideCurrentPage() {
  pages_[static_cast<std::size_t>(current_)]->HidePage();
}

}  // namespace radio
