#include "shell/settings_store.h"

#include <QSettings>

namespace radio {

SettingsStore::SettingsStore(const QString& appName) {
#ifdef _WIN32
  settings_ = std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\" + appName,
                                          QSettings::NativeFormat);
#else
  // ~/.config/Software/<AppName>.ini; an empty AppName gives Software.ini.
  if (appName.isEmpty())
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Software");
  else
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Software",
                                            appName);
#endif
}

SettingsStore::~SettingsStore() = default;

std::optional<BandLimitBytes> SettingsStore::ReadField() const {
  const QVariant v = settings_->value("Field");
  if (!v.isValid()) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  if (bytes.size() != 6) return std::nullopt;
  BandLimitBytes out;
  for (int i = 0; i < 6; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
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

std::optional<std::uint32_t> SettingsStore::ReadCom() const { return ReadNumber("com"); }
void SettingsStore::WriteCom(std::uint32_t port) { settings_->setValue("com", port); }
std::optional<std::uint32_t> SettingsStore::ReadType() const { return ReadNumber("Type"); }
void SettingsStore::WriteType(std::uint32_t type) { settings_->setValue("Type", type); }

QVariant SettingsStore::Value(const QString& name) const { return settings_->value(name); }
void SettingsStore::SetValue(const QString& name, const QVariant& value) {
  settings_->setValue(name, value);
}

bool SettingsStore::Sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace radio
