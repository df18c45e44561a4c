// radioprog-cli read: reads a radio into a .dat file. Like the desktop
// program it keeps a copy of every complete read in the per-user backup
// folder, unless --no-backup is given.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <algorithm>
#include <cstdio>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "cli/args.h"
#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "features/optional_features_fields.h"
#include "image/dat_file.h"
#include "link/serial_port_link.h"
#include "link/system_clock.h"
#include "safety/backup_store.h"
#include "safety/user_data_folder.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] =
    "read --port PORT -o FILE.dat [--password DIGITS] [--retries N] [--in FILE.dat] "
    "[--no-backup]";

// Keeps the read in the backup folder. A folder that cannot be written
// costs only the copy: the read goes on to its output file.
void KeepBackup(const RadioImage& image) {
  BackupStore store(BackupFolder(), BackupsKept(SettingsStore(App().appName)));
  QString error;
  const QString model = QString::fromStdString(ModelNameOfImage(image, App().ini));
  const QString path = store.Save(image, QDateTime::currentDateTime(), model, error);
  if (path.isEmpty())
    std::fprintf(stderr, "radioprog-cli read: warning: no backup copy kept: %s\n",
                 error.toLocal8Bit().constData());
  else
    std::fprintf(stderr, "backup: %s\n", QDir::toNativeSeparators(path).toLocal8Bit().constData());
}

}  // namespace

static int RunRead(const Args& given) {
  Args args = given;
  const auto noBackup = std::find(args.begin(), args.end(), std::string("--no-backup"));
  const bool keepBackup = noBackup == args.end();
  if (!keepBackup) args.erase(noBackup);
  LinkOptions o;
  if (!ParseLinkOptions(args, "read", o)) return kExitUsage;
  if (o.ports.size() != 1) return UsageError(kUsage, "give one --port");
  if (o.output.empty()) return UsageError(kUsage, "give the output file with -o FILE.dat");
  if (!o.files.empty()) return UsageError(kUsage, "unexpected argument \"" + o.files[0] + "\"");
  const CliQtSession session;
  // The backup folder is the one the desktop program uses.
  QCoreApplication::setApplicationName(kUserDataAppName);

  // The read compares the radio's password with the document's, so it
  // starts from a document: the one given, or a new one.
  RadioImage image{};
  if (!LoadStartImage(o, "read", image)) return kExitFile;
  if (o.password) WritePowerOnPassword(image, *o.password);

  CancelOnInterrupt();
  const std::string& port = o.ports.front();
  CloneResult result;
  {
    ProgressBoard board({port}, kReadProgressSteps, StderrIsTerminal());
    CliCloneUi ui(board, 0, o.retries, App().language);
    SerialPortLink link;
    SystemClock clock;
    result = RunClone(link, clock, ui, CloneMode::Read, image, port, App().language);
  }
  PrintSlowCableHint(port, result, App().language);
  if (result.outcome != CloneOutcome::Ok) {
    std::fprintf(stderr, "%s: %s, nothing saved\n", port.c_str(), OutcomeText(result.outcome));
    return ExitStatusOf(result.outcome);
  }
  if (keepBackup) KeepBackup(image);
  if (!SaveImageFile(o.output, image, "read")) return kExitFile;
  std::fprintf(stderr, "%s: read into %s\n", port.c_str(), o.output.c_str());
  return kExitOk;
}

extern const CliCommand kReadCommand = {
    .name = "read",
    .usage = kUsage,
    .run = RunRead,
    .summary =
        "Reads a radio into a .dat file. A copy of every complete read is kept in the "
        "per-user backup folder; --no-backup skips it."};

}  // namespace radio::cli
