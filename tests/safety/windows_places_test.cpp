// Where the programs keep the user's things on Windows: settings in the
// registry, backups and recovery files in the roaming application data,
// the user's Program.ini copy in the local application data.
#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include "base/program_ini_location.h"
#include "base/settings_store.h"
#include "safety/user_data_folder.h"

namespace radio {
namespace {

QString EnvFolder(const char* name) {
  return QDir::fromNativeSeparators(qEnvironmentVariable(name));
}

TEST(WindowsPlaces, SettingsAreRegistryValuesUnderSoftwareAppName) {
  ASSERT_EQ(QSettings::defaultFormat(), QSettings::NativeFormat);
  const QString app = QString("radioprog-places-%1").arg(GetCurrentProcessId());
  SettingsStore(app).WriteCom(12);
  const std::wstring key = (QStringLiteral("Software\\") + app).toStdWString();
  DWORD type = 0, value = 0, size = sizeof value;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"com", RRF_RT_ANY, &type, &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 12u);
  EXPECT_EQ(SettingsStore(app).ReadCom(), 12u) << "read back under any letter case";
  RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
}

TEST(WindowsPlaces, BackupsAndRecoveryAreInTheRoamingAppDataAndProgramIniInTheLocal) {
  QCoreApplication::setApplicationName(kUserDataAppName);
  const QString roaming = EnvFolder("APPDATA");
  ASSERT_FALSE(roaming.isEmpty());
  EXPECT_EQ(BackupFolder().compare(roaming + "/radioprog/backups", Qt::CaseInsensitive), 0)
      << BackupFolder().toStdString();
  EXPECT_EQ(RecoveryFolder().compare(roaming + "/radioprog/recovery", Qt::CaseInsensitive), 0);
  const QString local = EnvFolder("LOCALAPPDATA");
  ASSERT_FALSE(local.isEmpty());
  EXPECT_EQ(UserProgramIniDir().compare(local + "/radioprog", Qt::CaseInsensitive), 0)
      << UserProgramIniDir().toStdString();
}

}  // namespace
}  // namespace radio
