// DocManager: the main window's list of documents and the file commands on
// it (New, Open, Save, Save As, Close, the question at exit). Every file
// opened by name (File Open, the command line, files dropped on the main
// window, a backup) follows one rule: the name is cleaned of quotes, made a
// full path with symbolic links followed, and loaded into a new document
// window even when the same file is already open.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace radio {

class CChildFrame;
class CMainFrame;
class CProgramDoc;
class CProgramView;

class DocManager {
 public:
  static constexpr int kMaxPath = 260;

  explicit DocManager(CMainFrame& frame) : frame_(frame) {}

  // At most 260 characters, one leading double quote dropped, cut at the
  // last double quote, then the absolute path with links resolved.
  static QString NormaliseFileName(const QString& name);

  // --- The documents ---
  // The document window shown as active (hidden windows never are).
  CChildFrame* ActiveFrame() const;
  CProgramDoc* ActiveDocument() const;
  CProgramView* ActiveView() const;
  // Every document window, hidden ones included, oldest first.
  QList<CChildFrame*> DocumentFrames() const { return frames_; }
  // The window last made active, while it still exists: what Channel
  // Information shows again after it was closed (hidden).
  CChildFrame* LastFrame() const { return frames_.contains(lastFrame_) ? lastFrame_ : nullptr; }
  void SetLastFrame(CChildFrame* frame) { lastFrame_ = frame; }
  bool HasFile(CChildFrame* frame) const { return hasFile_.value(frame); }

  // --- The file commands ---
  // New: asks "All data will be Cleared!" when a document window is shown;
  // on OK that one goes without a save prompt and a new one comes.
  void OnFileNew();
  // A new document with the defaults, in a new window, without a question.
  CChildFrame* NewDocument();
  // File Open: the file dialog, then the open rule.
  void OnFileOpen();
  // Loads the file into a new document window and hides the window that
  // was active before. A file that cannot be loaded is refused with a
  // message; then no window changes. Returns the new window or nullptr.
  CChildFrame* OpenDocumentFile(const QString& name);
  // Adds a document window for `doc` and shows it at 0,0, 1095 x 650.
  CChildFrame* AddDocumentFrame(std::unique_ptr<CProgramDoc> doc, bool hasFile);
  // Saves the document of `frame` (Save As asks for a name). False when not
  // saved (failed or cancelled).
  bool SaveDocument(CChildFrame* frame, bool saveAs);
  void SaveActive(bool saveAs) { SaveDocument(ActiveFrame(), saveAs); }
  // Close hides the active document window.
  void OnFileClose();
  // Closing the program with unsaved changes asks, document by document:
  // Save, Discard or Cancel. False on Cancel (or a save that fails).
  bool AskToSaveChanges();

  // How a file name is asked for (tests replace it): `save` says which
  // dialog; an empty answer cancels.
  using FileNamePrompt = std::function<QString(bool save, const QString& suggested)>;
  void SetFileNamePrompt(FileNamePrompt prompt) { fileNamePrompt_ = std::move(prompt); }

 private:
  QString AskFileName(bool save, const QString& suggested);

  CMainFrame& frame_;
  QList<CChildFrame*> frames_;
  QHash<CChildFrame*, bool> hasFile_;
  CChildFrame* lastFrame_ = nullptr;
  FileNamePrompt fileNamePrompt_;
};

}  // namespace radio
