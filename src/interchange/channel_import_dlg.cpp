#include "interchange/channel_import_dlg.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/app_context.h"

namespace radio {
namespace {

CChannelImportDlg::RunHook& Hook() {
  static CChannelImportDlg::RunHook hook;
  return hook;
}

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

QTableWidgetItem* Item(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setToolTip(text);
  return item;
}

// The channel as a line: frequencies, tones and the other settings in the
// grid's own words, the name as the file writes it (GBK as characters, any
// other byte escaped), then an optional signal, which the grid does not show.
QString ChannelLine(const ChannelRow& texts, const ChannelCsvFields& fields) {
  QString line =
      QCoreApplication::translate(
          "radio::CChannelImportDlg",
          "%1 / %2 MHz, tones %3 / %4, \"%5\", %6, %7, scan %8, busy lock %9")
          .arg(Text(texts[kRxFrequency]), Text(texts[kTxFrequency]), Text(texts[kDecodeTone]),
               Text(texts[kEncodeTone]), Text(fields[kCsvName]), Text(texts[kPower]),
               Text(texts[kBandwidth]), Text(texts[kScanAdd]), Text(texts[kBusyLock]));
  const std::string& signal = fields[kCsvOptSignal];
  if (!signal.empty() && signal != "None")
    line += QCoreApplication::translate("radio::CChannelImportDlg", ", signal %1 %2 / %3")
                .arg(Text(signal), Text(fields[kCsvOptEncode]), Text(fields[kCsvOptDecode]));
  return line;
}

}  // namespace

CChannelImportDlg::RunHook CChannelImportDlg::SetRunHook(RunHook hook) {
  RunHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

CChannelImportDlg::CChannelImportDlg(QWidget* parent, const ChannelImportPlan& plan)
    : QDialog(parent),
      table_(new QTableWidget(static_cast<int>(plan.rows.size()), 5, this)),
      summary_(new QLabel(this)) {
  setWindowTitle(tr("Import Channels (CSV)"));
  table_->setObjectName("importRows");
  table_->setHorizontalHeaderLabels(
      {tr("Line"), tr("Channel"), tr("Old"), tr("New"), tr("Problems")});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(true);
  for (int i = 0; i < static_cast<int>(plan.rows.size()); ++i)
    FillRow(i, plan.rows[static_cast<std::size_t>(i)]);
  table_->resizeColumnToContents(kLineColumn);
  table_->resizeColumnToContents(kChannelColumn);
  table_->setColumnWidth(kOldColumn, 330);
  table_->setColumnWidth(kNewColumn, 330);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->resizeRowsToContents();

  summary_->setObjectName("summary");
  QString summary = tr("%1 channels will change, %2 rows skipped")
                        .arg(plan.ChangedChannels())
                        .arg(plan.SkippedRows());
  for (const ImportProblem& p : plan.fileProblems)  // warnings only: the file was readable
    summary += '\n' + tr("warning: %1").arg(QString::fromStdString(p.Text(App().language)));
  summary_->setText(summary);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  import->setDefault(true);
  import->setEnabled(plan.ChangedChannels() > 0);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(1180, 520);
}

void CChannelImportDlg::FillRow(int tableRow, const ImportRow& row) {
  const bool known = row.channel > 0;
  const QString empty = tr("(empty)");
  QString oldText, newText;
  if (known) oldText = row.targetWasEmpty ? empty : ChannelLine(row.oldTexts, row.oldFields);
  if (row.skipped)
    newText = tr("skipped: stays as it is");
  else if (!row.ChangesChannel())
    newText = tr("unchanged");
  else
    newText = ChannelLine(row.newTexts, row.newFields);

  QStringList problems;
  bool warning = false;
  for (const ImportProblem& p : row.problems) {
    warning = warning || p.severity == ImportSeverity::kWarning;
    const QString text = p.column.empty() ? Text(p.message)
                                          : Text(p.column) + App().Tr(": ", "：") + Text(p.message);
    problems << (p.severity == ImportSeverity::kWarning ? tr("warning: %1").arg(text) : text);
  }

  const QString cells[] = {QString::number(row.line), known ? QString::number(row.channel) : "-",
                           oldText, newText, problems.join('\n')};
  const QBrush shade = row.skipped ? QBrush(QColor(255, 215, 215))
                       : warning   ? QBrush(QColor(255, 245, 200))
                                   : QBrush();
  for (int c = 0; c < 5; ++c) {
    QTableWidgetItem* item = Item(cells[c]);
    if (row.skipped || warning) item->setBackground(shade);
    if (c == kNewColumn && row.ChangesChannel()) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
    table_->setItem(tableRow, c, item);
  }
}

QString CChannelImportDlg::Summary() const {
  return summary_->text();
}

bool CChannelImportDlg::Run() {
  const int result = Hook() ? Hook()(*this) : exec();
  return result == QDialog::Accepted;
}

}  // namespace radio
