// The per-user settings store: the key "Software\" + AppName with the values
// "com" (serial port number), "Field" (band-limit bytes) and "Type" (model).
// On Windows it is the registry key under HKEY_CURRENT_USER; elsewhere a
// per-user INI file with the same key path and value names.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>

#include "image/radio_image.h"

class QSettings;

namespace radio {

class SettingsStore {
 public:
  // `appName` is used without path separators and "..".
  explicit SettingsStore(const QString& appName);
  // Where the values are kept (the file, or the registry key on Windows).
  QString Location() const;
  ~SettingsStore();

  // The six band-limit bytes, when a value of exactly six bytes is stored.
  std::optional<BandLimitBytes> ReadField() const;
  void WriteField(const BandLimitBytes& bytes);

  // The stored serial port number, when present.
  std::optional<std::uint32_t> ReadCom() const;
  void WriteCom(std::uint32_t port);

  // The model to preselect in Product Information, when present.
  std::optional<std::uint32_t> ReadType() const;
  void WriteType(std::uint32_t type);

  // Any other value of the key (for example "ports/COM3" on Linux).
  QVariant Value(const QString& name) const;
  void SetValue(const QString& name, const QVariant& value);

  // Forces pending writes to disk and reports whether that worked.
  bool Sync();

 private:
  std::optional<std::uint32_t> ReadNumber(const QString& name) const;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace radio
