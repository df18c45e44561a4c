#include "shell/child_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "channels/program_view.h"
#include "image/program_doc.h"

namespace radio {

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), doc_(std::move(doc)) {
  view_ = new CProgramView(*doc_, this);
  setWidget(view_);
  setWindowTitle(doc_->Title());
  setGeometry(0, 0, kWidth, kHeight);
  // The window menu's own keys (Close on Ctrl+W or Ctrl+F4) would shadow
  // the program's accelerators, Write above all; the menu keeps its entries.
  if (QMenu* menu = systemMenu())
    for (QAction* entry : menu->actions()) entry->setShortcuts({});
}

// The view goes first: it unregisters its commit hook from the document.
CChildFrame::~CChildFrame() {
  delete view_;
  view_ = nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (closeGuard_ && !closeGuard_()) return;
  hide();
  emit hiddenByCloseRequest(this);
}

}  // namespace radio
