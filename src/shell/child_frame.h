// CChildFrame: the window of one document, holding its channel view. It
// opens at 0,0 sized 1095 x 650. A close request (close box, system menu,
// File Close, or the request sent when another file is opened) only hides
// it: the document and its view stay alive until New deletes the window or
// the program ends. The window never reaches beyond the main window's
// client area: what does not fit is reached through the grid's own scroll
// bars, and the size it was given comes back when the area grows again.
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

namespace radio {

class CProgramDoc;
class CProgramView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  static constexpr int kWidth = 1095;
  static constexpr int kHeight = 650;

  // Takes ownership of `doc`; builds the channel view on it.
  explicit CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CProgramDoc& Document() { return *doc_; }
  CProgramView& View() { return *view_; }

  // The size the window was given (opening size, screen scaling, the
  // user's own resizing); it shows smaller while the area is smaller.
  QSize WantedSize() const { return wanted_; }

  // Asked before a close request hides the window; false keeps it shown
  // (a transfer with the radio on its document is running).
  void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

 signals:
  void hiddenByCloseRequest(CChildFrame* frame);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Moves the window up and left, then shrinks it, until it lies within
  // the area; grows it back towards the wanted size when there is room.
  void FitToArea();

  std::unique_ptr<CProgramDoc> doc_;
  CProgramView* view_ = nullptr;
  QSize wanted_;
  QSize fitted_;             // the last size FitToArea gave the window
  QWidget* area_ = nullptr;  // the area watched for resizes
  bool fitting_ = false;
  std::function<bool()> closeGuard_;
};

}  // namespace radio
