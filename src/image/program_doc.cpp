#include "image/program_doc.h"

#include <QDir>
#include <QUndoStack>
#include <string>

#include "image/dat_file.h"

namespace radio {
namespace {

// The file name as the system writes it ("C:\radios\a.dat" on Windows),
// for the messages that name it.
std::string NativePath(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

// One change of the image, kept as the whole image before and after: 6 KB
// each, and no editor has to know how to reverse what it did.
class ImageStep : public QUndoCommand {
 public:
  ImageStep(CProgramDoc& doc, const QString& text, const RadioImage& before)
      : QUndoCommand(text), doc_(doc), before_(before), after_(doc.Image()) {}

  void undo() override { Apply(before_); }
  void redo() override {
    if (pushed_) Apply(after_);
    pushed_ = true;  // the first redo is the push: the image already holds it
  }

 private:
  void Apply(const RadioImage& image) {
    doc_.Image() = image;
    doc_.ImageChanged(false);
  }

  CProgramDoc& doc_;
  RadioImage before_;
  RadioImage after_;
  bool pushed_ = false;
};

}  // namespace

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent), undo_(std::make_unique<QUndoStack>()) {
  image_.fill(0xFF);
  connect(undo_.get(), &QUndoStack::cleanChanged, this,
          [this](bool clean) { SetModifiedFlag(!clean); });
}

// Clearing the history on the way out must not reach anyone: the
// document and its listeners are going away.
CProgramDoc::~CProgramDoc() {
  undo_->blockSignals(true);
}

bool CProgramDoc::OnNewDocument(BandLimitBytes& processBandBytes, Language lang,
                                const QString& appName) {
  image_ = MakeNewImage(processBandBytes);
  title_ = QString::fromUtf8(Tr(lang, "Channel Information", "信道信息"));
  pathName_ = appName;
  undo_->clear();
  SetModifiedFlag(false);
  return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path, QString& error, Language lang) {
  std::string err;
  if (!LoadDatFile(NativePath(path), image_, err, lang)) {
    error = QString::fromStdString(err);
    return false;
  }
  pathName_ = path;
  undo_->clear();
  SetModifiedFlag(false);
  return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path, QString& error, Language lang) {
  // The commit may still change bytes (the table's commit bit, texts
  // rewritten in their stored form): that is a step of its own, so that
  // undoing back to this save gives exactly what the file holds.
  const RadioImage beforeCommit = image_;
  CommitViews();
  RecordChange(tr("Save"), beforeCommit);
  std::string err, warning;
  const bool saved = SaveDatFile(NativePath(path), image_, err, lang, &warning);
  lastSaveWarning_ = QString::fromStdString(warning);
  if (!saved) {
    error = QString::fromStdString(err);
    return false;
  }
  pathName_ = path;
  undo_->setClean();
  SetModifiedFlag(false);
  return true;
}

void CProgramDoc::SetModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

void CProgramDoc::CommitViews() {
  if (commitHook_) commitHook_();
}

void CProgramDoc::ImageChanged(bool modified) {
  if (modified) SetModifiedFlag(true);
  emit imageChanged();
}

bool CProgramDoc::RecordChange(const QString& text, const RadioImage& before) {
  if (before == image_) return false;
  undo_->push(new ImageStep(*this, text, before));
  SetModifiedFlag(true);
  emit imageChanged();
  return true;
}

}  // namespace radio
