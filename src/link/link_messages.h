// The texts the radio link shows, shared by the Process dialog, the squelch
// dialog and the command line. The port, communication and interrupt
// messages read the same, in English, in both languages.
#pragma once

#include <string>

#include "image/language.h"

namespace radio {

enum class MessageKind {
  PortOpenFailed,
  CommunicationError,  // asked with Retry and Cancel
  ProgramInterrupt,
  BandTypeError,
  PasswordError,
  ReadSuccessfully,   // squelch read
  WriteSuccessfully,  // squelch write
};

inline const char* MessageText(MessageKind kind, Language lang) {
  switch (kind) {
    case MessageKind::PortOpenFailed:
      return "Could not Open the Port, Please check whether the Port are occupied or the device "
             "are ok";
    case MessageKind::CommunicationError:
      return "Communication Error, Please check all the connections and the radio power";
    case MessageKind::ProgramInterrupt:
      return "Program Interrupt, Please reset the radio and try again";
    case MessageKind::BandTypeError:
      return Tr(lang, "Band type error", "频宽类型错误");
    case MessageKind::PasswordError:
      return "Password Error!";
    case MessageKind::ReadSuccessfully:
      return Tr(lang, "Read Successfully", "读数据成功");
    case MessageKind::WriteSuccessfully:
      return Tr(lang, "Write Successfully", "写数据成功");
  }
  return "";
}

// The port-open failure message with the reason the port could not be opened (device,
// reason, what to do) on a second line, when there is one.
inline std::string PortOpenFailedText(const std::string& reason, Language lang) {
  std::string text = MessageText(MessageKind::PortOpenFailed, lang);
  return reason.empty() ? text : text + "\n" + reason;
}

// Status text of every connect attempt.
inline const char* WaitingForRadioText(Language lang) {
  return Tr(lang, "Waiting the response from radio....", "请等待对机讲响应....");
}

}  // namespace radio
