#include "link/win32_serial_link.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <type_traits>

#include "image/win32_text.h"
#include "link/port_names.h"
#include "link/win32_serial_calls.h"

namespace radio {
namespace {

static_assert(std::is_same_v<HANDLE, void*>);

using Kind = PortOpenFailure::Kind;

constexpr DWORD kInQueueBytes = 1024;
constexpr DWORD kOutQueueBytes = 512;
constexpr COMMTIMEOUTS kTimeouts{
    .ReadIntervalTimeout = 30,
    .ReadTotalTimeoutMultiplier = 100,
    .ReadTotalTimeoutConstant = 90,
    .WriteTotalTimeoutMultiplier = 50,
    .WriteTotalTimeoutConstant = 50,
};
constexpr DWORD kFullClear = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
// Received bytes only: output that is still queued belongs to a write that
// has already returned, and a driver that hands bytes over before they are
// sent would lose them (the acknowledge 06 written just before a clear).
constexpr DWORD kQueueClear = PURGE_RXCLEAR;

// The port number's digits of a COM name in any case; nothing for a path.
std::optional<std::string> ComDigits(std::string_view name) {
  const std::string upper = UpperAscii(name);
  if (!IsComPortName(upper)) return std::nullopt;
  return upper.substr(upper.rfind('M') + 1);
}

// The system's message without its line break and full stop: the failure
// line adds its own.
std::string Trimmed(std::string text) {
  while (!text.empty() &&
         (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == '.'))
    text.pop_back();
  return text;
}

}  // namespace

Win32SerialLink::Win32SerialLink(std::shared_ptr<Win32SerialCalls> calls)
    : calls_(std::move(calls)) {}

Win32SerialLink::~Win32SerialLink() {
  Close();
}

bool Win32SerialLink::Open(const std::string& portName) {
  Close();
  openFailure_.reset();
  const std::optional<std::string> digits = ComDigits(portName);
  // "\\.\COMn" opens every port; the plain name only COM1 … COM9.
  const std::string path = digits ? "\\\\.\\COM" + *digits : portName;
  PortOpenFailure failure;
  failure.device = digits ? "COM" + *digits : portName;
  HANDLE handle = calls_->CreateFileW(WideOf(path), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = calls_->GetLastError();
    switch (error) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
        failure.kind = Kind::NoSuchDevice;
        break;
      // Another program holding the port answers "access denied".
      case ERROR_ACCESS_DENIED:
      case ERROR_SHARING_VIOLATION:
        failure.kind = Kind::Busy;
        break;
      default:
        failure.kind = Kind::Other;
        failure.detail = Trimmed(calls_->ErrorMessage(error));
    }
    openFailure_ = failure;
    return false;
  }
  // A plain file opens as well, and the transfer would write over it; only
  // a serial device has line settings to report.
  DCB dcb{};
  dcb.DCBlength = sizeof(dcb);
  if (!calls_->GetCommState(handle, dcb)) {
    calls_->CloseHandle(handle);
    failure.kind = Kind::NotADevice;
    openFailure_ = failure;
    return false;
  }
  handle_ = handle;
  return true;
}

std::string Win32SerialLink::OpenFailureText(Language lang) const {
  return openFailure_ ? PortOpenFailureLine(*openFailure_, lang) : std::string();
}

void Win32SerialLink::Configure() {
  if (!handle_) return;
  // The results are not checked: a port that rejects a setting still gets
  // the others, and the exchange shows whether the radio answers.
  calls_->SetupComm(handle_, kInQueueBytes, kOutQueueBytes);
  calls_->SetCommTimeouts(handle_, kTimeouts);
  DCB dcb{};
  dcb.DCBlength = sizeof(dcb);
  calls_->GetCommState(handle_, dcb);
  // Flow control and the XON, XOFF, error and event characters stay as
  // the driver has them.
  dcb.BaudRate = CBR_9600;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = 1;
  dcb.fParity = 0;
  calls_->SetCommState(handle_, dcb);
}

void Win32SerialLink::FullClear() {
  if (handle_) calls_->PurgeComm(handle_, kFullClear);
}

void Win32SerialLink::QueueClear() {
  if (handle_) calls_->PurgeComm(handle_, kQueueClear);
}

bool Win32SerialLink::Write(std::span<const std::uint8_t> bytes) {
  if (!handle_ || bytes.size() > MAXDWORD) return false;
  const DWORD size = static_cast<DWORD>(bytes.size());
  DWORD written = 0;
  // The write timeout ends a write the port cannot finish: fewer bytes.
  return calls_->WriteFile(handle_, bytes.data(), size, written) && written == size;
}

bool Win32SerialLink::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
  count = 0;
  if (!handle_ || buffer.size() > MAXDWORD) return false;
  const DWORD size = static_cast<DWORD>(buffer.size());
  DWORD read = 0;
  // The read timeouts make a late or missing answer a short read; a failed
  // read is a port that has gone (the cable pulled out).
  if (!calls_->ReadFile(handle_, buffer.data(), size, read)) return false;
  count = std::min<std::size_t>(read, buffer.size());
  return true;
}

void Win32SerialLink::Close() {
  if (handle_) calls_->CloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace radio
