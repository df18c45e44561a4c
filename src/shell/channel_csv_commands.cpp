#include "shell/channel_csv_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include "base/app_context.h"
#include "base/file_folders.h"
#include "base/message_box.h"
#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/dat_file.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_csv_import.h"
#include "interchange/channel_import_dlg.h"
#include "interchange/gbk_name_charset.h"

namespace radio {
namespace {

constexpr int kMostProblemsInAMessage = 12;

BandLimits LimitsOf(const RadioImage& image) {
  return DecodeBandLimits(ReadBandLimitBlock(image));
}

// The plan's problems, one a line, the list cut short after a dozen.
QString ProblemList(const ChannelImportPlan& plan) {
  const std::vector<ImportProblem> all = plan.AllProblems();
  QStringList lines;
  for (std::size_t i = 0; i < all.size() && i < kMostProblemsInAMessage; ++i)
    lines << QString::fromStdString(all[i].Text(App().language));
  if (all.size() > kMostProblemsInAMessage)
    lines << ChannelCsvCommands::tr("… and %1 more")
                 .arg(static_cast<qsizetype>(all.size()) - kMostProblemsInAMessage);
  return lines.join('\n');
}

// The folder of the document's file; empty for a document without one.
QString DocumentFolder(CProgramView& view) {
  const QFileInfo doc(view.Document().PathName());
  return doc.isAbsolute() ? doc.absolutePath() : QString();
}

}  // namespace

ChannelCsvCommands::ChannelCsvCommands(QWidget* parent) : QObject(parent), parent_(parent) {}

QString ChannelCsvCommands::AskFileName(bool save, const QString& suggested) {
  QString chosen;
  if (prompt_) {
    chosen = prompt_(save, suggested);
  } else {
    const QString filter = tr("CSV files (*.csv);;All files (*)");
    chosen =
        save
            ? QFileDialog::getSaveFileName(parent_, tr("Export Channels (CSV)"), suggested, filter)
            : QFileDialog::getOpenFileName(parent_, tr("Import Channels (CSV)"), suggested, filter);
  }
  RememberFileFolder(FileKind::ChannelList, chosen);
  return chosen;
}

void ChannelCsvCommands::Export(CProgramView& view) {
  // The document's name with .csv, in the folder of the last channel list,
  // else beside the document.
  const QString name = QFileInfo(view.Document().PathName()).completeBaseName() + ".csv";
  const QString path =
      AskFileName(true, SuggestedFilePath(FileKind::ChannelList, name, DocumentFolder(view)));
  if (!path.isEmpty()) ExportTo(view, path);
}

void ChannelCsvCommands::Import(CProgramView& view) {
  const QString path =
      AskFileName(false, FileDialogFolder(FileKind::ChannelList, DocumentFolder(view)));
  if (!path.isEmpty()) ImportFrom(view, path);
}

bool ChannelCsvCommands::ExportTo(CProgramView& view, const QString& path) {
  CProgramDoc& doc = view.Document();
  doc.CommitViews();
  const std::string csv = ExportChannelsCsv(doc.Image(), LimitsOf(doc.Image()), &GbkNameCharset());
  std::string error;
  if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), csv.data(), csv.size(), error,
                           App().language)) {
    ShowMessage(parent_,
                tr("The channels could not be written to \"%1\".\n%2")
                    .arg(path, QString::fromStdString(error)),
                QMessageBox::Warning);
    return false;
  }
  return true;
}

bool ChannelCsvCommands::ImportFrom(CProgramView& view, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowMessage(parent_, tr("\"%1\" cannot be opened.\n%2").arg(path, file.errorString()),
                QMessageBox::Warning);
    return false;
  }
  // One byte past the limit is enough for the plan to call the file too large.
  const QByteArray bytes = file.read(static_cast<qint64>(kLargestChannelCsv) + 1);
  if (file.error() != QFileDevice::NoError) {
    ShowMessage(parent_, tr("\"%1\" cannot be read.\n%2").arg(path, file.errorString()),
                QMessageBox::Warning);
    return false;
  }

  CProgramDoc& doc = view.Document();
  doc.CommitViews();
  const RadioImage before = doc.Image();
  const ChannelImportPlan plan =
      PlanChannelImport(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        before, LimitsOf(before), App().language, &GbkNameCharset());
  if (!plan.Readable()) {
    ShowMessage(parent_,
                tr("No channel was imported: \"%1\" is not a channel list.\n\n%2")
                    .arg(path, ProblemList(plan)),
                QMessageBox::Warning);
    return false;
  }
  if (plan.ChangedChannels() == 0) {
    QString text = tr("No channel was imported: no row of \"%1\" changes a channel.").arg(path);
    if (plan.SkippedRows() > 0)
      text += "\n\n" + tr("%1 rows skipped:").arg(plan.SkippedRows()) + '\n' + ProblemList(plan);
    ShowMessage(parent_, text, QMessageBox::Information);
    return false;
  }

  CChannelImportDlg preview(parent_, plan);
  if (!preview.Run()) return false;
  ApplyChannelImport(plan, doc.Image());
  // One undoable step; the grid refills from the image on its own.
  doc.RecordChange(tr("Import channels from CSV"), before);
  return true;
}

}  // namespace radio
