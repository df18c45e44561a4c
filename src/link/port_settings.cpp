#include "link/port_settings.h"

#include <QDir>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "link/port_names.h"

namespace radio {

QString PortDevice(int port) {
#ifdef _WIN32
  return QString::fromStdString(CurrentPortName(port));
#else
  const QString com = QString::fromStdString(PortDisplayName(port));
  // A device given for this run only (scripts/with_sim.sh puts the virtual
  // radio there) wins over the stored choice and leaves it as it is.
  const QString forRun = qEnvironmentVariable(qPrintable(QStringLiteral("RADIOPROG_PORT_") + com));
  if (!forRun.isEmpty()) return forRun;
  const QString chosen =
      SettingsStore(App().appName).Value(QStringLiteral("ports/") + com).toString();
  return chosen.isEmpty() ? QString::fromStdString(DefaultPortDevice(port)) : chosen;
#endif
}

bool SetPortDevice(int port, const QString& device) {
  SettingsStore store(App().appName);
  const QString key = QStringLiteral("ports/") + QString::fromStdString(PortDisplayName(port));
  store.SetValue(key, device);  // an empty value reads as "not chosen"
  return store.Sync();
}

QString PortDeviceOf(const QString& portName) {
#ifdef _WIN32
  return portName;
#else
  const std::string name = portName.toStdString();
  // A relative path is relative to the working directory, like any file
  // name on the command line (the port layer would look for it in /dev).
  if (IsDevicePath(name)) return QDir::cleanPath(QDir::current().absoluteFilePath(portName));
  const auto n = PortNumberOfName(name);
  const bool comName = portName.startsWith("COM") || portName.startsWith("\\\\.\\COM");
  if (comName && n && *n >= kFirstPort && *n <= kLastPort) return PortDevice(*n);
  return portName;
#endif
}

void LoadCurrentPortChoice() {
  const int n = PortNumberOfStoredChoice(SettingsStore(App().appName).ReadCom());
  App().currentPort = QString::fromStdString(CurrentPortName(n));
}

void StorePortChoice(int port) {
  App().currentPort = QString::fromStdString(CurrentPortName(port));
  SettingsStore store(App().appName);
  store.WriteCom(static_cast<std::uint32_t>(port));
  store.Sync();  // a failed write leaves the choice valid for this run only
}

}  // namespace radio
