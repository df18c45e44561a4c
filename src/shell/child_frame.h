// CChildFrame: the window of one document, holding its channel view. It
// opens at 0,0 sized 1095 x 650. A close request (close box, system menu,
// File Close, or the request sent when another file is opened) only hides
// it: the document and its view stay alive until New deletes the window or
// the program ends.
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

  // Asked before a close request hides the window; false keeps it shown
  // (a transfer with the radio on its document is running).
  void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

 signals:
  void hiddenByCloseRequest(CChildFrame* frame);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<CProgramDoc> doc_;
  CProgramView* view_ = nullptr;
  std::function<bool()> closeGuard_;
};

}  // namespace radio
