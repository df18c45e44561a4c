#include "shell/radio_transfers.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "base/app_context.h"
#include "base/message_box.h"

namespace radio {

void RadioTransfers::Started(const QObject* source, const CProgramDoc* doc, bool writesRadio,
                             std::function<void()> stop) {
  std::erase_if(runs_, [source](const Run& r) { return r.source == source; });  // one at a time
  runs_.push_back({source, doc, writesRadio, std::move(stop)});
  if (runs_.size() == 1) emit runningChanged(true);
}

void RadioTransfers::Ended(const QObject* source) {
  const auto gone = std::erase_if(runs_, [source](const Run& r) { return r.source == source; });
  if (gone == 0 || Running()) return;
  emit runningChanged(false);
  // The closes that waited for the end, once the run's own ending is done.
  for (auto& close : std::exchange(afterEnd_, {})) QTimer::singleShot(0, this, std::move(close));
}

bool RadioTransfers::Concerns(const Run& run, const CProgramDoc* doc) const {
  return doc == nullptr || run.doc == doc;
}

bool RadioTransfers::AskToStop(QWidget* parent, const CProgramDoc* doc) const {
  const bool writing = std::any_of(runs_.begin(), runs_.end(),
                                   [&](const Run& r) { return Concerns(r, doc) && r.writesRadio; });
  QString text = App().Tr("A transfer with the radio is running. Stop it and close?",
                          "正在与对讲机传输数据。要停止传输并关闭吗？");
  if (writing)
    text +=
        '\n' + App().Tr("The radio will hold part of the new data.", "对讲机中将只有部分新数据。");
  return ShowMessage(parent, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void RadioTransfers::Stop(const CProgramDoc* doc) {
  for (const Run& run : std::vector<Run>(runs_))
    if (Concerns(run, doc) && run.stop) run.stop();
}

bool RadioTransfers::MayClose(QWidget* parent, const CProgramDoc* doc,
                              std::function<void()> closeAgain) {
  const auto inTheWay = [&] {
    return std::any_of(runs_.begin(), runs_.end(), [&](const Run& r) { return Concerns(r, doc); });
  };
  if (!inTheWay()) return true;
  // Already stopping for an earlier Yes: this close waits with it.
  if (afterEnd_.empty() && !AskToStop(parent, doc)) return false;
  if (!inTheWay()) return true;  // the run ended while the question was open
  afterEnd_.push_back(std::move(closeAgain));
  Stop(doc);
  return false;
}

bool RadioTransfers::EndSession(QWidget* parent, const std::function<bool()>& mayAsk) {
  if (!Running()) return true;
  if (afterEnd_.empty() && mayAsk() && !AskToStop(parent, nullptr)) return false;
  Stop(nullptr);
  QEventLoop loop;
  connect(this, &RadioTransfers::runningChanged, &loop, [&loop](bool running) {
    if (!running) loop.quit();
  });
  if (Running()) loop.exec();
  return true;
}

}  // namespace radio
