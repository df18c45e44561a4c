#include "cli/clone_progress.h"

#include <csignal>
#include <cstdio>

#include "link/link_messages.h"
#include "link/serial_port_link.h"
#include "link/system_clock.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace radio::cli {
namespace {

constexpr int kBarWidth = 32;

void OnInterrupt(int) { CancelRequested().store(true); }

}  // namespace

bool StderrIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

ProgressBoard::ProgressBoard(std::vector<std::string> labels, int steps, bool terminal)
    : steps_(steps), terminal_(terminal) {
  for (auto& label : labels) rows_.push_back(Row{std::move(label), {}, 0});
}

ProgressBoard::~ProgressBoard() {
  std::lock_guard lock(mutex_);
  if (terminal_ && drawn_) std::fflush(stderr);
}

void ProgressBoard::Redraw() {
  if (drawn_) std::fprintf(stderr, "\x1b[%zuA", rows_.size());
  for (const Row& r : rows_) {
    const int filled = steps_ > 0 ? r.position * kBarWidth / steps_ : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    std::fprintf(stderr, "\r\x1b[K%-12s [%s] %3d/%d  %s\n", r.label.c_str(), bar.c_str(),
                 r.position, steps_, r.status.c_str());
  }
  drawn_ = true;
  std::fflush(stderr);
}

void ProgressBoard::SetStatus(std::size_t row, const std::string& text) {
  std::lock_guard lock(mutex_);
  Row& r = rows_.at(row);
  // The block number the run shows as its status is the bar's position.
  const bool number = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  if (number || r.status == text) return;
  r.status = text;
  if (terminal_)
    Redraw();
  else
    std::fprintf(stderr, "%s: %s\n", r.label.c_str(), text.c_str());
}

void ProgressBoard::SetPosition(std::size_t row, int position) {
  std::lock_guard lock(mutex_);
  Row& r = rows_.at(row);
  r.position = position;
  r.status.clear();
  if (terminal_) {
    Redraw();
  } else if (position % 20 == 0 || position >= steps_) {
    std::fprintf(stderr, "%s: %d/%d\n", r.label.c_str(), position, steps_);
  }
}

void ProgressBoard::Message(std::size_t row, const std::string& text) {
  std::lock_guard lock(mutex_);
  Row& r = rows_.at(row);
  if (terminal_) {
    r.status = text;
    Redraw();
  } else {
    std::fprintf(stderr, "%s: %s\n", r.label.c_str(), text.c_str());
  }
}

std::atomic<bool>& CancelRequested() {
  static std::atomic<bool> flag{false};
  return flag;
}

void CancelOnInterrupt() {
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
}

void CliCloneUi::SetStatus(const std::string& text) { board_.SetStatus(row_, text); }

bool CliCloneUi::AskRetry() {
  const bool retry = retriesLeft_ > 0 && !CancelRequested().load();
  board_.Message(row_, std::string(MessageText(MessageKind::CommunicationError, lang_)) +
                           (retry ? " -> Retry" : " -> Cancel"));
  if (retry) --retriesLeft_;
  return retry;
}

void CliCloneUi::ShowMessage(MessageKind kind) {
  board_.Message(row_, MessageText(kind, lang_));
}

void CliCloneUi::ShowPortOpenFailure(const std::string& reason) {
  board_.Message(row_, PortOpenFailedText(reason, lang_));
}

CloneOutcome RunOnePortTransaction(
    const std::string& port, int retries, Language lang,
    const std::function<CloneOutcome(SerialLink&, Clock&, CloneUi&)>& transaction) {
  ProgressBoard board({port}, 1, StderrIsTerminal());
  CliCloneUi ui(board, 0, retries, lang);
  ui.SetStatus(WaitingForRadioText(lang));
  SerialPortLink link;
  SystemClock clock;
  const CloneOutcome outcome = transaction(link, clock, ui);
  if (outcome == CloneOutcome::Ok) board.SetPosition(0, 1);
  return outcome;
}

}  // namespace radio::cli
