#include "image/program_doc.h"

#include <string>

#include "image/dat_file.h"

namespace radio {

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) { image_.fill(0xFF); }

bool CProgramDoc::OnNewDocument(BandLimitBytes& processBandBytes, Language lang,
                                const QString& appName) {
  image_ = MakeNewImage(processBandBytes);
  title_ = QString::fromUtf8(Tr(lang, "Channel Information", "信道信息"));
  pathName_ = appName;
  SetModifiedFlag(false);
  return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path, QString& error) {
  std::string err;
  if (!LoadDatFile(path.toStdString(), image_, err)) {
    error = QString::fromStdString(err);
    return false;
  }
  pathName_ = path;
  SetModifiedFlag(false);
  return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path, QString& error) {
  CommitViews();
  std::string err;
  if (!SaveDatFile(path.toStdString(), image_, err)) {
    error = QString::fromStdString(err);
    return false;
  }
  pathName_ = path;
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

}  // namespace radio
