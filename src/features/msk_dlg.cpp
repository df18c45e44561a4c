#include "features/msk_dlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <cmath>

#include "base/app_context.h"
#include "widgets/dialog_help.h"
#include "widgets/grid_cell_editor.h"

namespace radio {
namespace {

constexpr int kIdCodeId = 1048;
constexpr int kGridId = 1349;
constexpr int kGridRows = kMskCallListSize + 1;
constexpr int kInitialColumnWidth = 100;  // pixels on a 1024-pixel-wide screen
const QColor kFixedCellColour(0x00, 0x46, 0xD5);

// Shows and keeps the letters a-z in upper case, like an upper-case edit
// control; the key filter decides which characters get this far. Other
// bytes an image may hold are left exactly as they are.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar& c : input)
      if (c >= u'a' && c <= u'z') c = c.toUpper();
    return Acceptable;
  }
};

// The dialog's key filter: hexadecimal digits (main keyboard and keypad),
// Backspace, Delete and the arrows, never with Shift held. Everything else,
// Tab, Enter and Esc included, is swallowed; F1 passes on to help.
bool KeyPasses(const QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_F1) return true;
  if (event->modifiers() & Qt::ShiftModifier) return false;
  const bool hexDigit =
      (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_F);
  if (hexDigit) {
    // Ctrl+A, Ctrl+C ... are editing shortcuts here, not digits.
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  }
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

// An ID edit: at most four characters, upper case, and no way around the
// key filter (no paste menu, no input method, no dropped text).
void MakeIdEdit(QLineEdit* edit) {
  edit->setMaxLength(static_cast<int>(kMskIdLength));
  edit->setValidator(new UpperCaseValidator(edit));
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit->setAcceptDrops(false);
}

}  // namespace

CMskDlg::CMskDlg(QWidget* parent) : CSettingDlg(parent) {
  setWindowTitle(tr("MSK"));

  idCode_ = new QLineEdit(this);
  MakeIdEdit(idCode_);
  SetControlId(idCode_, kIdCodeId);
  auto* idRow = new QHBoxLayout;
  auto* idLabel = new QLabel(tr("ID Code"), this);
  idLabel->setBuddy(idCode_);
  idRow->addWidget(idLabel);
  idRow->addWidget(idCode_);
  idRow->addStretch();

  auto* group = new QGroupBox(tr("Call List"), this);
  grid_ = new QTableWidget(kGridRows, 2, group);
  SetControlId(grid_, kGridId);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(grid_);

  SetUpGrid();
  // The in-place editor of the call list, in the dialog's font. The rows
  // keep the height the grid's fixed size was measured with.
  const int rowHeight = grid_->verticalHeader()->defaultSectionSize();
  cellEditor_ = new CGridCellEditor(grid_, 1, static_cast<int>(kMskIdLength),
                                    [](const QString& text) { return text; });
  grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
  MakeIdEdit(cellEditor_->Edit());
  cellEditor_->Edit()->setFont(font());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(idRow);
  layout->addWidget(group);
  layout->addLayout(MakeOkCancelButtons(Qt::Horizontal));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QLineEdit* CMskDlg::CellEditor() const {
  return cellEditor_->Edit();
}

bool CMskDlg::IsEditingCell() const {
  return cellEditor_->Row() > 0;
}

void CMskDlg::SetUpGrid() {
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  const QBrush fixedBackground = palette().button().color().darker(108);
  auto fixedCell = [&](int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::NoItemFlags);  // never current, never edited
    item->setForeground(kFixedCellColour);
    item->setBackground(fixedBackground);
    item->setTextAlignment(Qt::AlignCenter);
    grid_->setItem(row, column, item);
  };
  const Language lang = App().language;
  fixedCell(0, 0, QString::fromUtf8(MskCallListHeading(lang, 0)));
  fixedCell(0, 1, QString::fromUtf8(MskCallListHeading(lang, 1)));
  QFont courier("Courier");
  courier.setStyleHint(QFont::TypeWriter);
  for (int row = 1; row < kGridRows; ++row) {
    fixedCell(row, 0, QString::number(row));
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFont(courier);
    grid_->setItem(row, 1, item);
  }

  // Column widths follow the screen's width, measured against 1024 pixels.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double scale = (screen ? screen->geometry().width() : 1024) / 1024.0;
  const int c = static_cast<int>(std::trunc(kInitialColumnWidth * scale));
  grid_->setColumnWidth(0, static_cast<int>(std::trunc(c * 0.8)));
  grid_->setColumnWidth(1, static_cast<int>(std::trunc(c * 1.43)));
  int height = 2 * grid_->frameWidth();
  for (int row = 0; row < kGridRows; ++row) height += grid_->rowHeight(row);
  grid_->setFixedSize(grid_->columnWidth(0) + grid_->columnWidth(1) + 2 * grid_->frameWidth(),
                      height);
}

void CMskDlg::Load(const MskSettings& values) {
  cellEditor_->Discard();
  idCode_->setText(QString::fromLatin1(values.idCode));
  for (int j = 1; j <= kMskCallListSize; ++j)
    grid_->item(j, 1)->setText(QString::fromLatin1(values.callList[j - 1]));
  {
    const QSignalBlocker quiet(grid_);
    grid_->setCurrentCell(1, 1);
  }
  idCode_->setFocus();
}

MskSettings CMskDlg::Values() const {
  MskSettings values;
  values.idCode = idCode_->text().left(kMskIdLength).toLatin1().toStdString();
  for (int j = 1; j <= kMskCallListSize; ++j)
    values.callList[j - 1] = grid_->item(j, 1)->text().toLatin1().toStdString();
  return values;
}

int CMskDlg::Edit(CProgramDoc& doc) {
  Load(LoadMskSettings(doc.Image()));
  const int result = exec();
  if (result == QDialog::Accepted) {
    cellEditor_->Commit();
    StoreMskSettings(Values(), doc.Image());
  }
  return result;
}

bool CMskDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!KeyPasses(key)) return true;
    // Up and Down in the cell editor move to the next entry, as in a grid.
    const int editRow = cellEditor_->Row();
    if (watched == cellEditor_->Edit() && editRow > 0 &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
      const int row = editRow + (key->key() == Qt::Key_Up ? -1 : 1);
      if (row >= 1 && row <= kMskCallListSize) grid_->setCurrentCell(row, 1);
      return true;
    }
  } else if (event->type() == QEvent::FocusIn && watched == idCode_) {
    cellEditor_->Commit();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace radio
