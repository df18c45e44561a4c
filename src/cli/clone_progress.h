// Progress of clone runs on stderr for radioprog-cli: a bar per radio when
// stderr is a terminal, plain lines otherwise. Also the CloneUi that stands
// in for the user: it answers the Retry/Cancel question by itself.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "image/language.h"
#include "link/clone_engine.h"

namespace radio::cli {

// Whether standard error is a terminal, where the progress rows redraw in place.
bool StderrIsTerminal();

class ProgressBoard {
 public:
  // One row per radio, labelled with its port; `steps` is the full count.
  ProgressBoard(std::vector<std::string> labels, int steps, bool terminal);
  ~ProgressBoard();

  void SetStatus(std::size_t row, const std::string& text);
  void SetPosition(std::size_t row, int position);
  // A message box of the program, as a line of its own.
  void Message(std::size_t row, const std::string& text);

 private:
  struct Row {
    std::string label;
    std::string status;
    int position = 0;
  };
  void Redraw();  // terminal only; the mutex is held

  std::mutex mutex_;
  std::vector<Row> rows_;
  int steps_;
  bool terminal_;
  bool drawn_ = false;
};

// Set by Ctrl+C: every run stops at its next pump point.
std::atomic<bool>& CancelRequested();
void CancelOnInterrupt();

class CliCloneUi : public CloneUi {
 public:
  CliCloneUi(ProgressBoard& board, std::size_t row, int retries, Language lang)
      : board_(board), row_(row), retriesLeft_(retries), lang_(lang) {}

  bool Pump() override { return CancelRequested().load(); }
  void SetStatus(const std::string& text) override;
  void Step(int position) override { board_.SetPosition(row_, position); }
  bool AskRetry() override;
  void ShowMessage(MessageKind kind) override;
  void ShowPortOpenFailure(const std::string& reason) override;

 private:
  ProgressBoard& board_;
  std::size_t row_;
  int retriesLeft_;
  Language lang_;
};

// Runs one short exchange with the radio on `port` (a squelch read or write)
// over the serial port, under a one-step progress row that waits for the
// radio first.
CloneOutcome RunOnePortTransaction(
    const std::string& port, int retries, Language lang,
    const std::function<CloneOutcome(SerialLink&, Clock&, CloneUi&)>& transaction);

}  // namespace radio::cli
