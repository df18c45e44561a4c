#include "base/program_ini_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "base/ini_file.h"
#include "base/program_ini_check.h"
#include "image/atomic_file.h"

namespace radio {
namespace {

constexpr char kIniName[] = "Program.ini";

// Copies `from` over `to` through a temporary file, so that a failed copy
// leaves the user's old file whole.
bool CopyWhole(const QString& from, const QString& to) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = in.readAll();
  if (in.error() != QFileDevice::NoError) return false;
  std::string error;
  return WriteFileAtomically(QFile::encodeName(to).toStdString(), data.constData(),
                             static_cast<std::size_t>(data.size()), error);
}

// Renames `path` to "<path>.broken" (or "<path>.broken-2", …, whichever is
// free), keeping whatever it holds for the user to look at.
bool SetAside(const QString& path) {
  for (int n = 1; n < 100; ++n) {
    const QString aside = path + ".broken" + (n > 1 ? "-" + QString::number(n) : QString());
    if (!QFileInfo::exists(aside)) return QDir().rename(path, aside);
  }
  return false;
}

std::string LanguageIn(const QString& path) {
  CIniFile ini;
  if (!ini.LoadPath(path.toStdString(), false, true, false)) return {};
  return ini.Get("Setup", "Language", "");
}

}  // namespace

bool ProgramIniWritable(const QString& programDir) {
  const QFileInfo file(programDir + kIniName);
#ifdef _WIN32
  // Windows guards Program Files with access lists, which QFileInfo does not
  // read (it sees only the read-only flag): try the access itself. Opening
  // for writing without truncating changes nothing.
  if (file.exists()) return QFile(file.filePath()).open(QIODevice::ReadWrite);
  return QTemporaryFile(programDir + "radioprog-XXXXXX.tmp").open();
#else
  if (file.exists()) return file.isWritable();
  return QFileInfo(programDir).isWritable();
#endif
}

QString UserProgramIniDir() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/radioprog";
}

QString ProgramIniPath(const QString& programDir, const QString& userDir, bool programIniWritable) {
  const QString installed = programDir + kIniName;
  if (programIniWritable || userDir.isEmpty()) return installed;

  const QString copy = QDir(userDir).filePath(kIniName);
  const QFileInfo installedInfo(installed);
  QFileInfo copyInfo(copy);
  if (!installedInfo.exists()) return copy;  // nothing to copy: the user's file, or a new one
  // A copy the program cannot use (emptied, overwritten, made a folder) is
  // set aside, never deleted, and made again from a usable installed file.
  if (copyInfo.exists() && CheckProgramIni(copy.toStdString()) != ProgramIniProblem::None &&
      CheckProgramIni(installed.toStdString()) == ProgramIniProblem::None) {
    if (!SetAside(copy)) return installed;
    copyInfo.refresh();
  }
  if (copyInfo.exists() && copyInfo.lastModified() >= installedInfo.lastModified()) return copy;

  // First run, or the installed file was updated: take the new file and keep
  // only the user's own choice in it.
  const std::string language = copyInfo.exists() ? LanguageIn(copy) : std::string();
  if (!QDir().mkpath(userDir) || !CopyWhole(installed, copy)) return installed;
  if (!language.empty()) {
    CIniFile ini;
    if (ini.LoadPath(copy.toStdString(), false, true, false)) {
      ini.Set("Setup", "Language", language);
      ini.Save(false);
    }
  }
  return copy;
}

}  // namespace radio
