#include "shell/doc_manager.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QUndoStack>

#include "base/app_context.h"
#include "base/file_folders.h"
#include "base/message_box.h"
#include "channels/program_view.h"
#include "image/program_doc.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/mdi_background.h"
#include "shell/radio_transfers.h"

namespace radio {
namespace {

const char* const kDatFilter = "*.dat (*.dat);;All Files (*)";

}  // namespace

QString DocManager::NormaliseFileName(const QString& name) {
  QString path = name.left(kMaxPath);
  if (path.startsWith('"')) path.remove(0, 1);
  const qsizetype lastQuote = path.lastIndexOf('"');
  if (lastQuote >= 0) path.truncate(lastQuote);
  if (path.isEmpty()) return path;
  const QFileInfo info(path);
  // A link (the shortcut of other systems) stands for its target.
  const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
  return QDir::cleanPath(target.isEmpty() ? info.absoluteFilePath() : target);
}

// --- The documents ----------------------------------------------------------

CChildFrame* DocManager::ActiveFrame() const {
  const CMdiBackground* mdi = frame_.MdiArea();
  if (!mdi) return nullptr;
  auto* current = qobject_cast<CChildFrame*>(mdi->currentSubWindow());
  if (current && frames_.contains(current) && !current->isHidden()) return current;
  // The active window was hidden: the most recently active visible one
  // takes its place, as it does on screen.
  const QList<QMdiSubWindow*> history = mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto it = history.crbegin(); it != history.crend(); ++it) {
    auto* frame = qobject_cast<CChildFrame*>(*it);
    if (frame && frames_.contains(frame) && !frame->isHidden()) return frame;
  }
  return nullptr;
}

CProgramDoc* DocManager::ActiveDocument() const {
  CChildFrame* frame = ActiveFrame();
  return frame ? &frame->Document() : nullptr;
}

CProgramView* DocManager::ActiveView() const {
  CChildFrame* frame = ActiveFrame();
  return frame ? &frame->View() : nullptr;
}

CChildFrame* DocManager::AddDocumentFrame(std::unique_ptr<CProgramDoc> doc, bool hasFile) {
  auto* frame = new CChildFrame(std::move(doc));
  frames_.append(frame);
  hasFile_.insert(frame, hasFile);
  frame_.MdiArea()->addSubWindow(frame);
  frame->setGeometry(0, 0, CChildFrame::kWidth, CChildFrame::kHeight);
  frame->View().OnInitialUpdate();
  CMainFrame* main = &frame_;
  QObject::connect(frame, &CChildFrame::hiddenByCloseRequest, main,
                   [main](CChildFrame*) { main->UpdateUi(); });
  frame->SetCloseGuard([main, frame] {
    return main->Transfers().MayClose(main, &frame->Document(),
                                      [window = QPointer<CChildFrame>(frame)] {
                                        if (window) window->close();
                                      });
  });
  const auto update = [main] { main->UpdateUi(); };
  QObject::connect(&frame->Document(), &CProgramDoc::modifiedChanged, main, update);
  QObject::connect(&frame->Document().UndoStack(), &QUndoStack::indexChanged, main, update);
  QObject::connect(&frame->View(), &CProgramView::rowSelectionChanged, main, update);
  QObject::connect(
      &frame->View(), &CProgramView::rowMenuRequested, main,
      [main, view = &frame->View()](const QPoint& at) { main->ShowRowMenu(*view, at); });
  frame->show();
  frame_.MdiArea()->setActiveSubWindow(frame);
  lastFrame_ = frame;
  frame_.UpdateUi();
  emit frame_.documentAdded(frame);
  return frame;
}

// --- The file commands ------------------------------------------------------

CChildFrame* DocManager::NewDocument() {
  auto doc = std::make_unique<CProgramDoc>();
  if (!doc->OnNewDocument(App().band.bytes, App().language, App().appName)) return nullptr;
  return AddDocumentFrame(std::move(doc), /*hasFile=*/false);
}

void DocManager::OnFileNew() {
  // Only a shown document window is cleared (hidden ones stay as they are),
  // so only then is there something to warn about.
  if (CChildFrame* active = ActiveFrame()) {
    // The active window goes without the save question.
    const auto answer = ShowMessage(&frame_, CMainFrame::tr("All data will be Cleared!"),
                                    QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    frames_.removeAll(active);
    hasFile_.remove(active);
    if (lastFrame_ == active) lastFrame_ = nullptr;
    delete active;
  }
  NewDocument();
}

QString DocManager::AskFileName(bool save, const QString& suggested) {
  // A document's own file keeps its folder; Open and a new document's name
  // start in the folder last used for radio files.
  const QString start = QFileInfo(suggested).isAbsolute()
                            ? suggested
                            : SuggestedFilePath(FileKind::RadioImage, suggested);
  QString chosen;
  if (fileNamePrompt_) {
    chosen = fileNamePrompt_(save, start);
  } else {
    const QString filter = QString::fromLatin1(kDatFilter);
    chosen = save ? QFileDialog::getSaveFileName(&frame_, CMainFrame::tr("Save As"), start, filter)
                  : QFileDialog::getOpenFileName(&frame_, CMainFrame::tr("Open"), start, filter);
  }
  RememberFileFolder(FileKind::RadioImage, chosen);
  return chosen;
}

void DocManager::OnFileOpen() {
  const QString name = AskFileName(false, QString());
  if (!name.isEmpty()) OpenDocumentFile(name);
}

CChildFrame* DocManager::OpenDocumentFile(const QString& name) {
  const QString path = NormaliseFileName(name);
  auto doc = std::make_unique<CProgramDoc>();
  QString error;
  if (path.isEmpty() || !doc->OnOpenDocument(path, error, App().language)) {
    const QString shown = QDir::toNativeSeparators(path.isEmpty() ? name : path);
    ShowMessage(&frame_,
                App().Tr("Cannot open the document \"%1\".", "无法打开文件“%1”。").arg(shown) +
                    (error.isEmpty() ? QString() : "\n" + error),
                QMessageBox::Warning);
    return nullptr;
  }
  doc->SetTitle(QFileInfo(path).fileName());
  CChildFrame* previous = ActiveFrame();
  CChildFrame* frame = AddDocumentFrame(std::move(doc), /*hasFile=*/true);
  // The window that was active before gets a close request, which hides it.
  if (previous && previous != frame) previous->close();
  return frame;
}

bool DocManager::SaveDocument(CChildFrame* frame, bool saveAs) {
  if (!frame) return false;
  CProgramDoc& doc = frame->Document();
  QString path = doc.PathName();
  if (saveAs || !hasFile_.value(frame)) {
    // A new document offers its default name (the AppName) with ".dat".
    QString suggested = path;
    if (!hasFile_.value(frame) && !suggested.isEmpty() && !suggested.endsWith(".dat"))
      suggested += ".dat";
    path = AskFileName(true, suggested);
    if (path.isEmpty()) return false;
  }
  QString error;
  if (!doc.OnSaveDocument(path, error, App().language)) {
    ShowMessage(&frame_,
                App().Tr("Cannot save the document \"%1\".", "无法保存文件“%1”。")
                        .arg(QDir::toNativeSeparators(path)) +
                    "\n" + error,
                QMessageBox::Warning);
    return false;
  }
  if (!doc.LastSaveWarning().isEmpty())
    ShowMessage(&frame_, doc.LastSaveWarning(), QMessageBox::Warning);
  hasFile_.insert(frame, true);
  return true;
}

void DocManager::OnFileClose() {
  if (CChildFrame* frame = ActiveFrame()) frame->close();  // hides it
  frame_.UpdateUi();
}

bool DocManager::AskToSaveChanges() {
  for (CChildFrame* frame : frames_) {
    CProgramDoc& doc = frame->Document();
    if (!doc.IsModified()) continue;
    const QString name =
        hasFile_.value(frame) ? QDir::toNativeSeparators(doc.PathName()) : doc.Title();
    const auto answer = ShowMessage(
        &frame_, App().Tr("Save changes to \"%1\"?", "是否保存对“%1”的修改？").arg(name),
        QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Save && !SaveDocument(frame, false)) return false;
  }
  return true;
}

}  // namespace radio
