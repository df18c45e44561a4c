#include "shell/navigation_bar.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>

#include "image/language.h"
#include "shell/command_ids.h"

namespace radio {

namespace {

struct Page {
  const char* english;
  const char* chinese;
  int command;
};
// The first three pages are the classic tree. The program's own menus carry
// no entry for the other setting dialogs (start-up even removes DTMF and Key
// Assignment from Edit), so the tree is where they are reached.
constexpr Page kPages[] = {
    {"Product Information", "机型设置", cmd::kProductInformation},
    {"Channel Information", "信道信息", cmd::kChannelInformation},
    {"Optional Features", "可选功能", cmd::kOptionalFeatures},
    {"DTMF", "DTMF", cmd::kDtmf},
    {"2-Tone", "两音", cmd::kTwoTone},
    {"MSK", "MSK", cmd::kMsk},
    {"Key Assignment", "按键定义", cmd::kKeyAssignment},
    {"Squelch Tuning", "静噪调整", cmd::kSquelchTuning},
};

}  // namespace

CNavigationBar::CNavigationBar(const QString& caption, bool chinese, QWidget* parent)
    : QWidget(parent), caption_(caption), cursorPos_([] { return QCursor::pos(); }) {
  setObjectName("IE Control Bar");
  setWindowTitle("IE Control Bar");
  setMouseTracking(true);
  font_.setFamily("Times New Roman");
  font_.setPixelSize(12);
  font_.setWeight(QFont::Normal);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QString::number(kTreeId));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);  // buttons and lines at the root
  tree_->setColumnCount(1);
  root_ = new QTreeWidgetItem(tree_, {caption_});
  const Language lang = chinese ? Language::Chinese : Language::English;
  for (const Page& page : kPages)
    new QTreeWidgetItem(root_, {QString::fromUtf8(Tr(lang, page.english, page.chinese))});
  tree_->expandItem(root_);
  connect(tree_, &QTreeWidget::itemSelectionChanged, this,
          &CNavigationBar::OnTreeSelectionChanged);

  dragLine_ = new QRubberBand(QRubberBand::Line, this);
  setMinimumHeight(120);
  setFixedWidth(kInitialWidth);
}

void CNavigationBar::OnTreeSelectionChanged() {
  // The item under the pointer decides, not the selection itself: a
  // keyboard move acts on whatever lies under the mouse, possibly nothing.
  const QPoint at = tree_->viewport()->mapFromGlobal(cursorPos_());
  const QTreeWidgetItem* item = tree_->itemAt(at);
  const QString text = item ? item->text(0) : QString();
  // Select the root again so that choosing the same page twice is a new
  // selection change. Signals stay quiet meanwhile: the re-selection must
  // not act a second time on the item under the pointer.
  {
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(root_);
  }
  if (text.isEmpty()) return;
  for (const Page& page : kPages) {
    const bool english = text == QString::fromUtf8(page.english);
    const bool chinese = text == QString::fromUtf8(page.chinese);
    if (english || chinese) {
      emit commandRequested(page.command);
      return;
    }
  }
}

int CNavigationBar::WidthForSplitterAt(int x, int frameClientWidth) {
  int width = x;
  if (width < kMinWidth) width = kMinWidth;
  if (width > frameClientWidth / 2) width = frameClientWidth / 2;
  return width;
}

QRect CNavigationBar::InnerFrame() const { return rect().adjusted(3, 6, -6, -49); }

int CNavigationBar::CaptionHeight() const { return QFontMetrics(font_).height() + 4; }

QRect CNavigationBar::CloseButtonRect() const {
  const QRect inner = InnerFrame();
  const int h = CaptionHeight();
  const int right = inner.right() - 5;
  QRect square(right - h + 1, inner.top(), h, h);
  return square.adjusted(7, 4, 1, -3);
}

QRect CNavigationBar::SplitterRect() const {
  const QRect inner = InnerFrame();
  return QRect(inner.right() + 1, 0, kSplitterWidth, height());
}

int CNavigationBar::FrameClientWidth() const {
  const QWidget* frame = window();
  return frame ? frame->width() : width() * 2;
}

void CNavigationBar::SetWidth(int width) {
  setFixedWidth(width);
  updateGeometry();
}

void CNavigationBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QRect inner = InnerFrame();
  const QRect area = inner.adjusted(2, CaptionHeight() + 2, -2, -2);
  tree_->setGeometry(area.isValid() ? area : QRect());
  tree_->setVisible(area.isValid());
}

void CNavigationBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect inner = InnerFrame();
  const QColor grayText = palette().color(QPalette::Disabled, QPalette::Text);
  // Inner frame: gray outline with a white line inside its top and left
  // edges and along its right and bottom edges.
  p.setPen(grayText);
  p.drawRect(inner.adjusted(0, 0, -1, -1));
  p.setPen(Qt::white);
  p.drawLine(inner.left() + 1, inner.top() + 1, inner.left() + 1, inner.bottom() - 1);
  p.drawLine(inner.left() + 1, inner.top() + 1, inner.right() - 1, inner.top() + 1);
  p.drawLine(inner.right() + 1, inner.top(), inner.right() + 1, inner.bottom() + 1);
  p.drawLine(inner.left(), inner.bottom() + 1, inner.right() + 1, inner.bottom() + 1);

  // Caption, then a gray line under it across the inner frame.
  const int h = CaptionHeight();
  p.setFont(font_);
  p.setPen(palette().color(QPalette::WindowText));
  const QRect captionRect(inner.left() + 5, inner.top(), QFontMetrics(font_).horizontalAdvance(caption_), h);
  p.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
  p.setPen(grayText);
  p.drawLine(inner.left() + 1, inner.top() + h, inner.right() - 1, inner.top() + h);

  // Close button: flat, raised while hot, sunken while pressed; a cross.
  const QRect button = CloseButtonRect();
  if (pressed_ || hot_) {
    const QColor light = pressed_ ? palette().color(QPalette::Dark) : Qt::white;
    const QColor dark = pressed_ ? Qt::white : palette().color(QPalette::Dark);
    p.setPen(light);
    p.drawLine(button.topLeft(), button.topRight());
    p.drawLine(button.topLeft(), button.bottomLeft());
    p.setPen(dark);
    p.drawLine(button.bottomLeft(), button.bottomRight());
    p.drawLine(button.topRight(), button.bottomRight());
  }
  p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
  const QRect cross = button.adjusted(3, 3, -3, -3).translated(pressed_ ? 1 : 0, pressed_ ? 1 : 0);
  p.drawLine(cross.topLeft(), cross.bottomRight());
  p.drawLine(cross.topRight(), cross.bottomLeft());
}

bool CNavigationBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (CloseButtonRect().contains(help->pos()))
      QToolTip::showText(help->globalPos(), tr("Close"), this, CloseButtonRect());
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void CNavigationBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  if (SplitterRect().contains(at)) {
    dragging_ = true;
    grabMouse();
    const QPoint top = mapTo(window(), QPoint(at.x(), 0));
    dragLine_->setParent(window());
    dragLine_->setGeometry(top.x(), top.y(), 2, height());
    dragLine_->show();
  } else if (CloseButtonRect().contains(at)) {
    pressed_ = true;
    update();
  }
}

void CNavigationBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    const QPoint top = mapTo(window(), QPoint(at.x(), 0));
    dragLine_->move(top.x(), top.y());
    return;
  }
  setCursor(SplitterRect().contains(at) ? Qt::SplitHCursor : Qt::ArrowCursor);
  const bool over = CloseButtonRect().contains(at);
  if (over != hot_ || (!over && pressed_)) {
    hot_ = over;
    if (!over) pressed_ = false;  // leaving the button clears both marks
    update();
  }
}

void CNavigationBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    dragging_ = false;
    releaseMouse();
    dragLine_->hide();
    SetWidth(WidthForSplitterAt(at.x(), FrameClientWidth()));
    return;
  }
  const bool click = pressed_ && CloseButtonRect().contains(at);
  pressed_ = false;
  update();
  if (click) emit closeRequested();
}

void CNavigationBar::leaveEvent(QEvent* event) {
  hot_ = false;
  pressed_ = false;
  update();
  QWidget::leaveEvent(event);
}

}  // namespace radio
