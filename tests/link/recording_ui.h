// A CloneUi that records what the clone run shows and answers questions
// from a script, for the engine tests.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/clone_engine.h"

namespace radio::test {

class RecordingUi : public CloneUi {
 public:
  bool Pump() override {
    ++pumps;
    return cancelWhen && cancelWhen(pumps);
  }
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void Step(int position) override { steps.push_back(position); }
  bool AskRetry() override {
    ++questions;
    if (onQuestion) onQuestion();
    if (retries.empty()) return false;
    const bool retry = retries.front();
    retries.pop_front();
    return retry;
  }
  void ShowMessage(MessageKind kind) override {
    messages.push_back(kind);
    if (onMessage) onMessage(kind);
  }

  // Cancels when this returns true for the pump count (1 for the first pump).
  std::function<bool(int)> cancelWhen;
  std::function<void()> onQuestion;
  std::function<void(MessageKind)> onMessage;
  std::deque<bool> retries;  // answers to the communication-error question; Cancel once empty

  int pumps = 0;
  int questions = 0;
  std::vector<std::string> statuses;
  std::vector<int> steps;
  std::vector<MessageKind> messages;
};

}  // namespace radio::test
