// File > "Export Channels (CSV)…" and "Import Channels (CSV)…" for the
// active channel view. The menu entries ask for a file name, then call
// ExportTo / ImportFrom, which tests call directly.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace radio {

class CProgramView;

class ChannelCsvCommands : public QObject {
  Q_OBJECT
 public:
  explicit ChannelCsvCommands(QWidget* parent);

  void Export(CProgramView& view);
  void Import(CProgramView& view);

  // Writes the view's channels (grid committed first) to `path`, replacing
  // it atomically. False, after a message, when it could not be written.
  bool ExportTo(CProgramView& view, const QString& path);
  // Reads `path`, shows the preview and, when the user accepts, imports the
  // good rows as one undoable step. True when channels changed.
  bool ImportFrom(CProgramView& view, const QString& path);

  // How the file name is asked for (tests replace it): `save` says which
  // dialog; an empty answer cancels.
  using FileNamePrompt = std::function<QString(bool save, const QString& suggested)>;
  void SetFileNamePrompt(FileNamePrompt prompt) { prompt_ = std::move(prompt); }

 private:
  QString AskFileName(bool save, const QString& suggested);

  QWidget* parent_;
  FileNamePrompt prompt_;
};

}  // namespace radio
