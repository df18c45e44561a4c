#include "base/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <utility>

#include "base/app_context.h"

namespace radio {

namespace {
MessageHook& Hook() {
  static MessageHook hook;
  return hook;
}

// Room the title bar takes besides the caption: the icon and the window
// buttons, as window managers draw them.
constexpr int kTitleBarExtras = 160;

// Qt's own button texts are English unless its catalog is installed; these
// keep a Chinese run's boxes Chinese either way.
void NameButtonsInChinese(QMessageBox& box) {
  static const std::pair<QMessageBox::StandardButton, const char*> kNames[] = {
      {QMessageBox::Ok, "确定"},        {QMessageBox::Cancel, "取消"},
      {QMessageBox::Yes, "是(&Y)"},     {QMessageBox::No, "否(&N)"},
      {QMessageBox::Save, "保存(&S)"},  {QMessageBox::Discard, "不保存(&D)"},
      {QMessageBox::Retry, "重试(&R)"}, {QMessageBox::Close, "关闭"},
      {QMessageBox::Abort, "中止(&A)"}, {QMessageBox::Ignore, "忽略(&I)"},
  };
  for (const auto& [which, name] : kNames)
    if (QAbstractButton* button = box.button(which)) button->setText(QString::fromUtf8(name));
}

// A box sizes itself to its text; a short text under a long caption would
// cut the caption in the title bar.
void MakeRoomForCaption(QMessageBox& box) {
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  const int needed = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
}  // namespace

MessageHook SetMessageHook(MessageHook hook) { return std::exchange(Hook(), std::move(hook)); }

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request) {
  auto box = std::make_unique<QMessageBox>(request.icon, request.caption, request.text,
                                           request.buttons, parent);
  if (App().language == Language::Chinese) NameButtonsInChinese(*box);
  MakeRoomForCaption(*box);
  return box;
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QString& caption) {
  const MessageRequest request{text, caption.isNull() ? App().appTitle : caption, icon, buttons};
  if (Hook()) return Hook()(request);
  const auto box = MakeMessageBox(parent, request);
  return static_cast<QMessageBox::StandardButton>(box->exec());
}

}  // namespace radio
