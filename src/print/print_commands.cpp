#include "print/print_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QWidget>

#include "base/app_context.h"
#include "base/file_folders.h"
#include "base/message_box.h"
#include "print/page_renderer.h"
#include "print/print_list_dlg.h"

namespace radio {

PrintCommands::PrintCommands(QWidget* parent, DataSource source)
    : QObject(parent),
      parent_(parent),
      source_(std::move(source)),
      list_(new CPrintListDlg(parent)),
      printer_(QPrinter::HighResolution) {}

std::optional<PrintCommands::Job> PrintCommands::Prepare() {
  const auto choice = list_->Choose();
  if (!choice) return std::nullopt;
  Job job{source_(), {}};
  job.plan = print::PlanPrint(*choice, job.data.channels);
  if (job.plan.totalPages == 0) {
    ShowMessage(parent_, App().Tr("Nothing to print", "没有可打印的内容"));
    return std::nullopt;
  }
  return job;
}

void PrintCommands::Print() {
  const auto job = Prepare();
  if (!job) return;
  QPrintDialog dialog(&printer_, parent_);
  dialog.setMinMax(1, job->plan.totalPages);
  if (dialog.exec() != QDialog::Accepted) return;
  const bool range = printer_.printRange() == QPrinter::PageRange;
  if (!print::RenderDocument(printer_, job->plan, job->Source(), range ? printer_.fromPage() : 1,
                             range ? printer_.toPage() : 0))
    ShowMessage(parent_, App().Tr("Printing failed", "打印失败"), QMessageBox::Warning);
}

void PrintCommands::PrintPreview() {
  const auto job = Prepare();
  if (!job) return;
  QPrintPreviewDialog preview(&printer_, parent_);
  connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&job](QPrinter* printer) {
    print::RenderDocument(*printer, job->plan, job->Source());
  });
  preview.exec();
}

void PrintCommands::PrintSetup() {
  // The printer selection for the next Print and Print Preview: which
  // printer, its paper and orientation. Pages are chosen when printing.
  QPrintDialog dialog(&printer_, parent_);
  dialog.setWindowTitle(App().Tr("Print Setup", "打印设置"));
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  dialog.exec();
}

void PrintCommands::ExportPdf() {
  const auto job = Prepare();
  if (!job) return;
  const QString folder = FileDialogFolder(FileKind::Pdf);
  QString path = prompt_ ? prompt_(folder)
                         : QFileDialog::getSaveFileName(parent_, tr("Export PDF"), folder,
                                                        tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
  RememberFileFolder(FileKind::Pdf, path);
  std::string error;
  if (!print::WritePdf(path, job->plan, job->Source(), error)) {
    ShowMessage(parent_, QString::fromStdString(error), QMessageBox::Warning);
    return;
  }
  if (auto* frame = qobject_cast<QMainWindow*>(parent_->window()))
    frame->statusBar()->showMessage(
        App().Tr("Saved \"%1\".", "已保存“%1”。").arg(QDir::toNativeSeparators(path)));
}

}  // namespace radio
