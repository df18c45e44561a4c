// CProgramDoc: one open document. It owns its radio image for its whole
// life and the undo history of that image; editors read and write the image
// in place and say so through RecordChange (one undoable step) or
// ImageChanged / SetModifiedFlag.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "image/language.h"
#include "image/radio_image.h"

class QUndoStack;

namespace radio {

class CProgramDoc : public QObject {
  Q_OBJECT
 public:
  explicit CProgramDoc(QObject* parent = nullptr);
  ~CProgramDoc() override;

  // The defaults of a new image. The process-wide band-limit bytes are
  // normalised (the copy itself changes) and copied in. The title becomes
  // "Channel Information" / "信道信息", the default path name `appName`.
  bool OnNewDocument(BandLimitBytes& processBandBytes, Language lang, const QString& appName);

  // Loads a .dat file. On failure `error` says why (in `lang`) and the
  // image is unchanged.
  bool OnOpenDocument(const QString& path, QString& error, Language lang = Language::English);

  // Commits the views first (the whole channel table, as at every save;
  // a commit that changes bytes is recorded as the step "Save"), then
  // writes the image atomically. Clears the modified flag. A save that
  // worked but kept no .bak of the old file leaves a warning in
  // LastSaveWarning().
  bool OnSaveDocument(const QString& path, QString& error, Language lang = Language::English);
  const QString& LastSaveWarning() const { return lastSaveWarning_; }

  RadioImage& Image() { return image_; }
  const RadioImage& Image() const { return image_; }

  const QString& PathName() const { return pathName_; }
  void SetPathName(const QString& path) { pathName_ = path; }
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);

  // The channel view registers how it commits its grid into the image
  // (pending cell edit first, then the whole table).
  void SetCommitHook(std::function<void()> hook) { commitHook_ = std::move(hook); }
  void CommitViews();

  // Editors that changed the image directly call this so that views
  // refresh; `modified` says whether any byte changed.
  void ImageChanged(bool modified);

  // Records what changed in the image since `before` as one undoable step
  // named `text` ("Read from radio"): undo puts `before` back, redo the
  // image as it is now. Views refresh. No step, and false, when no byte
  // changed. Views must be committed before `before` is taken.
  bool RecordChange(const QString& text, const RadioImage& before);

  // The image's undo history. The modified flag follows its clean state:
  // undoing back to what was last saved or loaded is "not modified".
  QUndoStack& UndoStack() { return *undo_; }
  const QUndoStack& UndoStack() const { return *undo_; }

 signals:
  void modifiedChanged(bool modified);
  void imageChanged();

 private:
  RadioImage image_{};
  QString pathName_;
  QString title_;
  bool modified_ = false;
  QString lastSaveWarning_;
  std::function<void()> commitHook_;
  std::unique_ptr<QUndoStack> undo_;
};

}  // namespace radio
