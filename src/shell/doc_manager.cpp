#include "shell/doc_manager.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "base/app_context.h"
#include "base/message_box.h"
#include "image/program_doc.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"

namespace radio {

QString CMyDocManager::NormaliseFileName(const QString& name) {
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

CChildFrame* CMyDocManager::OpenDocumentFile(const QString& name) {
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
  CChildFrame* previous = frame_.ActiveFrame();
  CChildFrame* frame = frame_.AddDocumentFrame(std::move(doc), /*hasFile=*/true);
  // The window that was active before gets a close request, which hides it.
  if (previous && previous != frame) previous->close();
  return frame;
}

}  // namespace radio
