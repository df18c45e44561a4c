#include "base/settings_store.h"

#include <QSettings>

namespace radio {

namespace {

// AppName comes from Program.ini, which anybody may have edited: as part of
// a file or registry path it must stay one name, so path separators and
// ".." are dropped ("../../x" gives "x").
QString SettingsName(QString appName) {
  appName.remove('/').remove('\\');
  while (appName.contains(QLatin1String(".."))) appName.remove(QLatin1String(".."));
  return appName;
}

}  // namespace

SettingsStore::SettingsStore(const QString& givenAppName) {
  const QString appName = SettingsName(givenAppName);
#ifdef _WIN32
  // The registry, unless the program chose INI files for its settings
  // (the tests do, so that runs side by side keep their own).
  if (QSettings::defaultFormat() == QSettings::NativeFormat) {
    settings_ = std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\" + appName,
                                            QSettings::NativeFormat);
    return;
  }
#endif
  // ~/.config/Software/<AppName>.ini; an empty AppName gives Software.ini.
  if (appName.isEmpty())
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Software");
  else
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Software",
                                            appName);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Location() const {
  return settings_->fileName();
}

std::optional<BandLimitBytes> SettingsStore::ReadField() const {
  const QVariant v = settings_->value("Field");
  if (!v.isValid()) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  if (bytes.size() != 6) return std::nullopt;
  BandLimitBytes out;
  for (int i = 0; i < 6; ++i)
    out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
  return out;
}

void SettingsStore::WriteField(const BandLimitBytes& bytes) {
  settings_->setValue("Field", QByteArray(reinterpret_cast<const char*>(bytes.data()), 6));
}

std::optional<std::uint32_t> SettingsStore::ReadNumber(const QString& name) const {
  const QVariant v = settings_->value(name);
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const uint n = v.toUInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

std::optional<std::uint32_t> SettingsStore::ReadCom() const {
  return ReadNumber("com");
}
void SettingsStore::WriteCom(std::uint32_t port) {
  settings_->setValue("com", port);
}
std::optional<std::uint32_t> SettingsStore::ReadType() const {
  return ReadNumber("Type");
}
void SettingsStore::WriteType(std::uint32_t type) {
  settings_->setValue("Type", type);
}

QVariant SettingsStore::Value(const QString& name) const {
  return settings_->value(name);
}
void SettingsStore::SetValue(const QString& name, const QVariant& value) {
  settings_->setValue(name, value);
}

bool SettingsStore::Sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace radio
