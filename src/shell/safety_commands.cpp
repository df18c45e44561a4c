#include "shell/safety_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/app_context.h"
#include "base/message_box.h"
#include "base/settings_store.h"
#include "channels/program_view.h"
#include "image/channel_codec.h"
#include "image/program_doc.h"
#include "safety/open_backup_dlg.h"
#include "safety/user_data_folder.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"

namespace radio {

void OnOpenBackup(CMainFrame& frame) {
  COpenBackupDlg dialog(&frame);
  const QString path =
      dialog.Run(BackupStore(BackupFolder(), BackupsKept(SettingsStore(App().appName))));
  if (!path.isEmpty()) OpenBackupAsNewDocument(frame, path);
}

CChildFrame* OpenBackupAsNewDocument(CMainFrame& frame, const QString& path) {
  auto doc = std::make_unique<CProgramDoc>();
  QString error;
  if (!doc->OnOpenDocument(path, error, App().language)) {
    ShowMessage(&frame,
                App().Tr("Cannot open the document \"%1\".", "无法打开文件“%1”。")
                        .arg(QDir::toNativeSeparators(path)) +
                    (error.isEmpty() ? QString() : "\n" + error),
                QMessageBox::Warning);
    return nullptr;
  }
  const QString name = QFileInfo(path).completeBaseName();
  doc->SetPathName(name);
  doc->SetTitle(name);
  CChildFrame* previous = frame.ActiveFrame();
  CChildFrame* added = frame.AddDocumentFrame(std::move(doc), /*hasFile=*/false);
  // As with File Open, the window that was active before is hidden.
  if (previous && previous != added) previous->close();
  return added;
}

RecoveryKeeper::Source RecoverySourceOf(CMainFrame& frame) {
  return [&frame] {
    QList<RecoverySnapshot> docs;
    for (CChildFrame* child : frame.DocumentFrames()) {
      CProgramDoc& doc = child->Document();
      CProgramView& view = child->View();
      docs.append({&doc, doc.IsModified(), doc.PathName(), doc.Title(), frame.HasFile(child),
                   [&doc, &view] {
                     // The grid is the working copy of the channel table; an
                     // open cell editor is left alone.
                     RadioImage copy = doc.Image();
                     EncodeChannelTable(view.Table(), App().band.limits, copy);
                     return copy;
                   }});
    }
    return docs;
  };
}

void WireRecovery(CMainFrame& frame, RecoveryKeeper& keeper) {
  auto watch = [&keeper](CChildFrame* child) {
    const void* key = &child->Document();
    QObject::connect(&child->Document(), &CProgramDoc::modifiedChanged, &keeper,
                     [&keeper, key](bool modified) {
                       if (!modified) keeper.Forget(key);
                     });
    QObject::connect(child, &QObject::destroyed, &keeper, [&keeper, key] { keeper.Forget(key); });
  };
  for (CChildFrame* child : frame.DocumentFrames()) watch(child);
  QObject::connect(&frame, &CMainFrame::documentAdded, &keeper, watch);
}

int OfferRecovery(CMainFrame& frame, RecoveryKeeper& keeper) {
  QStringList restored;
  for (const RecoveryLeftover& leftover : keeper.Store().Leftovers(keeper.Session())) {
    const QString shownPath = QDir::toNativeSeparators(leftover.path);
    if (!leftover.record) {
      const QString aside = RecoveryStore::SetAside(leftover.path);
      ShowMessage(&frame,
                  App().Tr("The recovery file \"%1\" is damaged and cannot be restored.\n%2",
                           "恢复文件“%1”已损坏，无法恢复。\n%2")
                      .arg(shownPath,
                           aside.isEmpty()
                               ? App().Tr("It was left where it is.", "该文件保持原样。")
                               : App().Tr("It was set aside as \"%1\".", "已将其另存为“%1”。")
                                     .arg(QDir::toNativeSeparators(aside))),
                  QMessageBox::Warning);
      continue;
    }
    const RecoveryRecord& r = *leftover.record;
    const QString name = r.hasFile ? QDir::toNativeSeparators(r.pathName) : r.title;
    const auto answer = ShowMessage(
        &frame,
        App().Tr("The program did not end normally. Unsaved changes to \"%1\" were kept at "
                 "%2.\nRestore them?",
                 "程序上次未正常退出。“%1”未保存的修改已于%2保留。\n是否恢复？")
            .arg(name, r.savedAt.toString("yyyy-MM-dd HH:mm:ss")),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
      auto doc = std::make_unique<CProgramDoc>();
      doc->Image() = r.image;
      doc->SetPathName(r.pathName);
      doc->SetTitle(r.title);
      CProgramDoc& added = frame.AddDocumentFrame(std::move(doc), r.hasFile)->Document();
      added.SetModifiedFlag(true);  // its changes are in no file yet
      restored << leftover.path;
    } else {
      QFile::remove(leftover.path);
    }
  }
  // The restored documents get this run's recovery files before the old
  // ones go, so a second crash right now still loses nothing.
  if (!restored.isEmpty()) keeper.Tick();
  for (const QString& path : restored) QFile::remove(path);
  return int(restored.size());
}

}  // namespace radio
