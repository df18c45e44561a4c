// CProgramApp: start-up and exit of the desktop program. Start-up reads
// Program.ini, fixes the language for the run, restores the band-limit
// bytes from the settings store, loads the language catalog, builds the main
// window with one document (or the file named on the command line) and
// adapts the menus. Exit writes the band-limit bytes and Program.ini back,
// then starts the program again when a language switch asked for it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "link/link_factory.h"

class QTranslator;

namespace radio {

class CMainFrame;
class RecoveryKeeper;

class CProgramApp {
 public:
  // Every exchange with the radio talks over a link from `links`: the real
  // serial port unless a test hands in another.
  explicit CProgramApp(LinkFactory links = SerialPortFactory());
  ~CProgramApp();
  CProgramApp(const CProgramApp&) = delete;
  CProgramApp& operator=(const CProgramApp&) = delete;

  // Runs start-up in order. `programDir` holds Program.ini, the catalogs,
  // help pages and pictures. Returns the shown main window, or nullptr when
  // the program must end (missing catalog, or a command-line file that
  // cannot be opened).
  CMainFrame* StartUp(const QStringList& arguments, const QString& programDir);

  // Exit in order: the catalog is released, then "Field" is written back.
  void ExitInstance();

  // How start-up waits after showing the splash (tests pass a quick one;
  // an empty function restores the real wait). Returns the one before.
  using SplashWait = std::function<void(int ms)>;
  static SplashWait SetSplashWait(SplashWait wait);

  CMainFrame* MainFrame() const { return frame_.get(); }
  // Writes the recovery files of modified documents while the program runs.
  RecoveryKeeper* Recovery() const { return recovery_.get(); }
  // False when the command line forbids the splash screen (--no-splash, or
  // an embedded / automation start).
  bool SplashAllowed() const { return splashAllowed_; }

  // ShowLang as a decimal integer: leading digits count, anything else is 0.
  static int ParseDecimal(const QString& text);
  // The catalog file for `languageName` in `programDir`, letter case ignored
  // as on the systems the program came from; empty when there is none.
  static QString FindCatalog(const QString& programDir, const QString& languageName);

 private:
  bool LoadLanguageCatalog(const QString& programDir);

  LinkFactory links_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<RecoveryKeeper> recovery_;  // reads the frame: goes first
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<QTranslator> qtTranslator_;
  bool splashAllowed_ = true;
};

}  // namespace radio
