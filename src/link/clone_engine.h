// The clone run: reads the radio's whole memory into an image, or writes an
// image into the radio, over a SerialLink. It talks to the user only through
// CloneUi, so the desktop program can run it on a worker thread, the command
// line without a window, and tests in virtual time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/answer_delay.h"
#include "link/link_messages.h"
#include "link/serial_link.h"

namespace radio {

enum class CloneMode { Read, Write };

// Progress bar range of the Process dialog. A read takes every step, a
// write 189 of them.
constexpr int kProgressMax = 191;
constexpr int kReadProgressSteps = 191;
constexpr int kWriteProgressSteps = 189;
constexpr int kReadChunks = 512;
constexpr int kWriteChunks = 508;

class CloneUi {
 public:
  virtual ~CloneUi() = default;
  // One pump round: let the user interface handle pending input. Returns
  // true when the user has cancelled. The pauses between rounds are the
  // engine's.
  virtual bool Pump() = 0;
  virtual void SetStatus(const std::string& text) = 0;
  // The progress bar advanced by one step to `position` (1 … 191).
  virtual void Step(int position) = 0;
  // The communication-error question with Retry and Cancel; true for Retry.
  virtual bool AskRetry() = 0;
  // An OK message box (port open failed, program interrupt, band type,
  // password).
  virtual void ShowMessage(MessageKind kind) = 0;
  // The port-open failure message with why the port could not be opened
  // (see PortOpenFailedText); without a way to show the reason, the
  // message alone.
  virtual void ShowPortOpenFailure(const std::string& reason) {
    static_cast<void>(reason);
    ShowMessage(MessageKind::PortOpenFailed);
  }
};

// --- Connect and identify, shared by the clone run and the squelch tuning
// transaction. ---

struct ConnectOptions {
  // Six pump rounds with 1 ms pauses and cancel checks before each attempt.
  bool pumpBeforeAttempt = true;
  // "Waiting the response from radio...." at each attempt.
  bool showStatus = true;
  // A queue clear before each of the seven wake-up bytes.
  bool clearBeforeWakeUpByte = true;
  // A second queue clear after the identify acknowledge, before its pause.
  bool clearAfterIdentifyAck = true;
};

// The clone run's options; the squelch transaction's are the others.
constexpr ConnectOptions kCloneConnect{};
constexpr ConnectOptions kSquelchConnect{false, false, false, false};

enum class ConnectResult {
  Identified,
  CancelledByUser,         // cancel seen at a pump point
  CommunicationCancelled,  // Cancel in the communication-error question
  IdentifyFailed,          // acknowledge missing after more than 5 attempts; interrupt shown
};

// Wakes and identifies the radio on an opened, configured link. The
// attempt counter (1 at the start of a run) carries over between calls.
// Shows the communication-error question and the interrupt message itself;
// the caller closes the port.
ConnectResult ConnectAndIdentify(SerialLink& link, Clock& clock, CloneUi& ui,
                                 const ConnectOptions& options, int& attempt, Language lang);

// --- The whole clone run. ---

enum class CloneOutcome {
  Ok,
  PortError,               // port could not be opened
  CancelledByUser,         // Cancel at a pump point
  CommunicationCancelled,  // Cancel in the communication-error question
  Interrupted,             // program interrupt: short read, missing acknowledge, identify failure
  BandTypeError,
  PasswordError,
};

enum class CloneStage { Opening, Connecting, Info, Transfer, Finished };

struct CloneResult {
  CloneOutcome outcome = CloneOutcome::PortError;
  CloneStage stage = CloneStage::Opening;  // where the run ended
  CloneMode mode = CloneMode::Read;        // the direction taken at the transfer phase
  bool transferStarted = false;
  int chunks = 0;    // chunks moved (and acknowledged, for a write) in the transfer
  int progress = 0;  // progress bar position at the end
  // The info phase refreshed bit 3 of image 0x12AB from the radio.
  bool optionBitRefreshed = false;
  // How long the radio's answers in the transfer took beyond their wire
  // time, and the run's own length (see SlowCableHint).
  AnswerDelays delays{};
};

// Runs a clone run on `image`. `mode` is asked once, when the transfer phase
// starts. After a read the transferred bytes are in `image` (as far as the
// run got); after any ending the port is closed.
CloneResult RunClone(SerialLink& link, Clock& clock, CloneUi& ui,
                     const std::function<CloneMode()>& mode, RadioImage& image,
                     const std::string& portName, Language lang);

// The same with the direction fixed when the run starts.
CloneResult RunClone(SerialLink& link, Clock& clock, CloneUi& ui, CloneMode mode, RadioImage& image,
                     const std::string& portName, Language lang);

}  // namespace radio
