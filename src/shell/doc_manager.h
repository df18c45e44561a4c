// CMyDocManager: the rule for every file opened by name (File Open, the
// command line, files dropped on the main window). The name is cleaned of
// quotes, made a full path with symbolic links followed, and loaded into a
// new document window even when the same file is already open.
#pragma once

#include <QString>

namespace radio {

class CChildFrame;
class CMainFrame;

class CMyDocManager {
 public:
  static constexpr int kMaxPath = 260;

  explicit CMyDocManager(CMainFrame& frame) : frame_(frame) {}

  // At most 260 characters, one leading double quote dropped, cut at the
  // last double quote, then the absolute path with links resolved.
  static QString NormaliseFileName(const QString& name);

  // Loads the file into a new document window and hides the window that
  // was active before. A file that cannot be loaded is refused with a
  // message; then no window changes. Returns the new window or nullptr.
  CChildFrame* OpenDocumentFile(const QString& name);

 private:
  CMainFrame& frame_;
};

}  // namespace radio
