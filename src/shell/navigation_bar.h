// CNavigationBar: the bar at the left of the main window. Inside a painted
// inner frame it shows a caption (the Company text), a Close button and the
// tree of the radio's setting pages; the strip right of the inner frame is a
// splitter that sets the bar's width.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QRubberBand;
class QTreeWidget;
class QTreeWidgetItem;

namespace radio {

class CNavigationBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kTreeId = 1030;
  static constexpr int kMinWidth = 11;
  static constexpr int kSplitterWidth = 6;
  static constexpr int kInitialWidth = 200;

  // `caption`: the Company text; `chinese` picks the page names.
  CNavigationBar(const QString& caption, bool chinese, QWidget* parent = nullptr);

  QTreeWidget* Tree() const { return tree_; }
  QTreeWidgetItem* RootItem() const { return root_; }
  QString Caption() const { return caption_; }

  // The painted geometry (bar coordinates).
  QRect InnerFrame() const;
  QRect CloseButtonRect() const;
  QRect SplitterRect() const;
  bool CloseButtonHot() const { return hot_; }
  bool CloseButtonPressed() const { return pressed_; }

  // The width a splitter released at `x` gives: at least 11 pixels, at most
  // half the frame's client width.
  static int WidthForSplitterAt(int x, int frameClientWidth);

  // Where the mouse pointer is, in global coordinates (replaceable in tests).
  void SetCursorPositionSource(std::function<QPoint()> source) { cursorPos_ = std::move(source); }

  // The tree reported a new selection: acts on the item under the pointer.
  void OnTreeSelectionChanged();

 signals:
  // A page was chosen in the tree (32786, 32787 or 32788).
  void commandRequested(int id);
  // The Close button was clicked.
  void closeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int CaptionHeight() const;
  int FrameClientWidth() const;
  void SetWidth(int width);

  QString caption_;
  QFont font_;
  QTreeWidget* tree_ = nullptr;
  QTreeWidgetItem* root_ = nullptr;
  QRubberBand* dragLine_ = nullptr;
  std::function<QPoint()> cursorPos_;
  bool hot_ = false;
  bool pressed_ = false;
  bool dragging_ = false;
};

}  // namespace radio
