// The serial link on a real port on Windows: the Win32 communications
// calls, blocking, with the line's timeouts kept by the driver. Create, use
// and destroy it on one thread.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "link/port_open_failure.h"
#include "link/serial_link.h"

namespace radio {

// The calls behind the link (win32_serial_calls.h); kept out of this header
// so that including it does not bring in the Windows headers.
class Win32SerialCalls;
std::shared_ptr<Win32SerialCalls> SystemWin32SerialCalls();

class Win32SerialLink : public SerialLink {
 public:
  explicit Win32SerialLink(std::shared_ptr<Win32SerialCalls> calls = SystemWin32SerialCalls());
  ~Win32SerialLink() override;
  Win32SerialLink(const Win32SerialLink&) = delete;
  Win32SerialLink& operator=(const Win32SerialLink&) = delete;

  // `portName` is a COM name in any case ("COM3", "\\.\COM12"), opened as
  // its device "\\.\COMn", or any other device path, opened as given.
  bool Open(const std::string& portName) override;
  std::string OpenFailureText(Language lang) const override;
  // Why the last Open failed; nothing after a successful one.
  const std::optional<PortOpenFailure>& OpenFailure() const { return openFailure_; }
  void Configure() override;
  void FullClear() override;
  // Discards received bytes only: queued output belongs to writes that
  // have returned, and the radio must still get it.
  void QueueClear() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
  void Close() override;

 private:
  std::shared_ptr<Win32SerialCalls> calls_;
  void* handle_ = nullptr;  // the open port's HANDLE; null while closed
  std::optional<PortOpenFailure> openFailure_;
};

}  // namespace radio
