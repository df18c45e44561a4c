#include "link/qt_serial_link.h"

#include <QSerialPort>
#include <chrono>

#include "link/port_settings.h"
#include "link/serial_lock.h"

#ifndef _WIN32
#include <termios.h>
#endif

namespace radio {
namespace {

using Ms = std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

constexpr int kReadIntervalMs = 30;
constexpr int kReadTotalBaseMs = 90;
constexpr int kReadTotalPerByteMs = 100;
constexpr int kWriteTotalBaseMs = 50;
constexpr int kWriteTotalPerByteMs = 50;

int MsUntil(SteadyClock::time_point t) {
  return static_cast<int>(std::chrono::duration_cast<Ms>(t - SteadyClock::now()).count());
}

}  // namespace

QtSerialLink::QtSerialLink(std::shared_ptr<PortLatencyCalls> latency)
    : latency_(std::move(latency)) {}

QtSerialLink::~QtSerialLink() { Close(); }

bool QtSerialLink::Open(const std::string& portName) {
  Close();
  openFailure_.reset();
  const QString device = PortDeviceOf(QString::fromStdString(portName));
#ifndef _WIN32
  // The port layer's own lock check misreads some common lock forms: it
  // blocks for ever on a binary or "%10d name user" lock of an ended
  // process and overrides a text lock of a running one.
  const PortLock lock = CheckPortLock(device.toStdString());
  if (lock.state != PortLock::State::None) {
    openFailure_ = FailureOfLock(device.toStdString(), lock);
    return false;
  }
#endif
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(device);
  // QSerialPort opens the existing device only, exclusively (TIOCEXCL and a
  // lock file on POSIX, no sharing on Windows).
  if (!port->open(QIODevice::ReadWrite)) {
    const QSerialPort::SerialPortError error = port->error();
    openFailure_ =
        DiagnosePortOpenFailure(device.toStdString(), error == QSerialPort::PermissionError,
                                port->errorString().toStdString());
    if (error == QSerialPort::DeviceNotFoundError &&
        openFailure_->kind == PortOpenFailure::Kind::Other)
      openFailure_->kind = PortOpenFailure::Kind::NoSuchDevice;
    return false;
  }
  port_ = std::move(port);
  device_ = device.toStdString();
  return true;
}

std::string QtSerialLink::OpenFailureText(Language lang) const {
  return openFailure_ ? PortOpenFailureLine(*openFailure_, lang) : std::string();
}

void QtSerialLink::Configure() {
  if (!port_) return;
  // The driver queue sizes (1024 in, 512 out) are the driver's business here;
  // QSerialPort's own read buffer is unbounded, which only helps.
  port_->setBaudRate(QSerialPort::Baud9600);
  port_->setDataBits(QSerialPort::Data8);
  port_->setParity(QSerialPort::NoParity);
  port_->setStopBits(QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::NoFlowControl);
#ifndef _WIN32
  latency_.Lower(static_cast<int>(port_->handle()), device_);
#endif
}

void QtSerialLink::FullClear() {
  if (port_) port_->clear(QSerialPort::AllDirections);
}

void QtSerialLink::QueueClear() {
  if (port_) port_->clear(QSerialPort::Input);
}

bool QtSerialLink::Write(std::span<const std::uint8_t> bytes) {
  if (!port_) return false;
  const auto deadline =
      SteadyClock::now() + Ms(kWriteTotalBaseMs + kWriteTotalPerByteMs * bytes.size());
  const qint64 n = static_cast<qint64>(bytes.size());
  if (port_->write(reinterpret_cast<const char*>(bytes.data()), n) != n) return false;
  // QSerialPort keeps the bytes in its own buffer until it is flushed; hand
  // them all to the device before returning.
  while (port_->bytesToWrite() > 0) {
    const int left = MsUntil(deadline);
    if (left <= 0 || !port_->waitForBytesWritten(left)) return false;
  }
#ifndef _WIN32
  tcdrain(static_cast<int>(port_->handle()));
#endif
  return true;
}

bool QtSerialLink::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
  count = 0;
  if (!port_) return false;
  const std::size_t wanted = buffer.size();
  const auto deadline =
      SteadyClock::now() + Ms(kReadTotalBaseMs + kReadTotalPerByteMs * wanted);
  SteadyClock::time_point lastByte{};
  auto take = [&] {
    const qint64 got = port_->read(reinterpret_cast<char*>(buffer.data() + count),
                                   static_cast<qint64>(wanted - count));
    if (got > 0) {
      count += static_cast<std::size_t>(got);
      lastByte = SteadyClock::now();
    }
    return got >= 0;
  };
  if (!take()) return false;
  while (count < wanted) {
    int wait = MsUntil(deadline);
    if (count > 0) wait = std::min(wait, MsUntil(lastByte + Ms(kReadIntervalMs)));
    if (wait <= 0) break;
    if (!port_->waitForReadyRead(wait)) {
      // A timeout is a short read; a vanished device is a failure.
      if (port_->error() == QSerialPort::TimeoutError || port_->error() == QSerialPort::NoError) {
        port_->clearError();
        break;
      }
      return false;
    }
    if (!take()) return false;
  }
  return true;
}

void QtSerialLink::Close() {
  // QSerialPort::close releases exclusive mode (TIOCNXCL) and its lock file.
  if (port_) {
    latency_.Restore();
    port_->close();
  }
  port_.reset();
}

}  // namespace radio
