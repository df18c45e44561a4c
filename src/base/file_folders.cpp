#include "base/file_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/app_context.h"
#include "base/settings_store.h"

namespace radio {
namespace {

QString ValueName(FileKind kind) {
  switch (kind) {
    case FileKind::RadioImage:
      return "folders/radio";
    case FileKind::ChannelList:
      return "folders/csv";
    case FileKind::Pdf:
      return "folders/pdf";
  }
  return "folders/other";
}

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

QString FileDialogFolder(FileKind kind, const QString& fallback) {
  const QString kept = SettingsStore(App().appName).Value(ValueName(kind)).toString();
  if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
  if (!fallback.isEmpty() && QFileInfo(fallback).isDir()) return fallback;
  return DocumentsFolder();
}

QString SuggestedFilePath(FileKind kind, const QString& name, const QString& fallback) {
  const QString folder = FileDialogFolder(kind, fallback);
  if (name.isEmpty()) return folder;
  return QDir(folder).filePath(QFileInfo(name).fileName());
}

void RememberFileFolder(FileKind kind, const QString& chosenPath) {
  if (chosenPath.isEmpty()) return;
  SettingsStore(App().appName).SetValue(ValueName(kind), QFileInfo(chosenPath).absolutePath());
}

}  // namespace radio
