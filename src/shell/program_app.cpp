#include "shell/program_app.h"

#include "shell/command_wiring.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "base/app_context.h"
#include "base/message_box.h"
#include "base/program_ini_check.h"
#include "base/program_ini_location.h"
#include "base/settings_store.h"
#include "safety/user_data_folder.h"
#include "shell/main_frame.h"
#include "shell/restart.h"
#include "shell/safety_commands.h"
#include "shell/splash_wnd.h"

namespace radio {
namespace {

constexpr int kSplashWaitMs = 1000;

// Waits with the event loop running, so that the splash paints and a key
// or mouse press can remove it early.
void WaitWithEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

CProgramApp::SplashWait& SplashWaitFn() {
  static CProgramApp::SplashWait wait;
  return wait;
}

}  // namespace

CProgramApp::CProgramApp(LinkFactory links) : links_(std::move(links)) {}

CProgramApp::SplashWait CProgramApp::SetSplashWait(SplashWait wait) {
  SplashWait before = std::move(SplashWaitFn());
  SplashWaitFn() = std::move(wait);
  return before;
}

CProgramApp::~CProgramApp() {
  recovery_.reset();
  frame_.reset();
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_.get());
}

int CProgramApp::ParseDecimal(const QString& text) {
  const QString t = text.trimmed();
  qsizetype end = 0;
  if (end < t.size() && (t[end] == '-' || t[end] == '+')) ++end;
  while (end < t.size() && t[end].isDigit()) ++end;
  bool ok = false;
  const int value = t.left(end).toInt(&ok);
  return ok ? value : 0;
}

QString CProgramApp::FindCatalog(const QString& programDir, const QString& languageName) {
  if (languageName.isEmpty()) return {};
  const QString wanted = languageName + ".qm";
  const QStringList files = QDir(programDir).entryList({"*.qm"}, QDir::Files);
  for (const QString& file : files)
    if (file == wanted) return programDir + file;
  for (const QString& file : files)
    if (file.compare(wanted, Qt::CaseInsensitive) == 0) return programDir + file;
  return {};
}

bool CProgramApp::LoadLanguageCatalog(const QString& programDir) {
  const QString path = FindCatalog(programDir, App().languageName);
  auto translator = std::make_unique<QTranslator>();
  if (path.isEmpty() || !translator->load(path)) return false;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  if (App().language == Language::Chinese) {
    // Qt's own texts (standard buttons, file dialogs), when installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      qtTranslator_ = std::move(qt);
    }
  }
  return true;
}

CMainFrame* CProgramApp::StartUp(const QStringList& arguments, const QString& programDir) {
  AppContext& app = App();
  app.appTitle.clear();  // until the Company text is read
  QString dir = programDir;
  if (!dir.isEmpty() && !dir.endsWith('/')) dir += '/';

  // Program.ini: saved on close, names without regard to case, no backups.
  // An installed, read-only program directory gives a per-user copy. A
  // file that is missing, a folder, unreadable or too large is not loaded
  // (loading would create a missing one empty): the defaults are used.
  const QString iniPath = ProgramIniPath(dir, UserProgramIniDir(), ProgramIniWritable(dir));
  const ProgramIniProblem iniProblem = CheckProgramIni(iniPath.toStdString());
  if (iniProblem != ProgramIniProblem::Missing && iniProblem != ProgramIniProblem::Folder &&
      iniProblem != ProgramIniProblem::Unreadable && iniProblem != ProgramIniProblem::TooLarge)
    app.ini.LoadPath(iniPath.toStdString(), true, true, false);

  // The language is fixed for the whole run; only exactly "Chinese" is.
  app.languageName = app.SetupText("Language");
  app.language = app.languageName == "Chinese" ? Language::Chinese : Language::English;
  app.helpFileName = app.language == Language::Chinese ? "chHelp.html" : "enHelp.html";

  // The band-limit bytes of the last run.
  app.appName = app.SetupText("AppName");
  app.band.bytes = {};
  if (auto field = SettingsStore(app.appName).ReadField()) {
    app.band.bytes = *field;
    NormaliseBandLimitBytes(app.band.bytes);
  }

  if (!LoadLanguageCatalog(dir)) {
    // Without a usable Program.ini there is no language: say what is wrong
    // with which file under the message.
    QString text = app.Tr("Load language DLL fail", "加载语言链接库失败");
    if (iniProblem != ProgramIniProblem::None)
      text +=
          '\n' + QString::fromStdString(ProgramIniProblemText(
                     iniProblem, QDir::toNativeSeparators(iniPath).toStdString(), app.language));
    ShowMessage(nullptr, text, QMessageBox::Critical);
    return nullptr;
  }

  // The splash is forbidden for embedded and automation starts and by
  // --no-splash (the benchmark's and tests' way to start quickly).
  QStringList files;
  splashAllowed_ = true;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    const QString lower = arg.toLower();
    if (lower == "--no-splash" || lower == "-embedding" || lower == "/embedding" ||
        lower == "-automation" || lower == "/automation") {
      splashAllowed_ = false;
    } else if (!arg.startsWith("--")) {
      files << arg;
    }
  }

  app.programDir = dir;

  // The splash and its one-second wait come before the main frame exists,
  // so the picture stands alone on the screen.
  if (CSplashWnd::ShowSplashScreen(dir, splashAllowed_)) {
    if (SplashWaitFn()) SplashWaitFn()(kSplashWaitMs);
    else WaitWithEvents(kSplashWaitMs);
  }

  frame_ = std::make_unique<CMainFrame>();
  WireCommands(*frame_, links_);
  recovery_ = std::make_unique<RecoveryKeeper>(RecoveryFolder(), RecoverySourceOf(*frame_));
  WireRecovery(*frame_, *recovery_);
  // The command line's command: the named file, or a new document.
  if (!files.isEmpty()) {
    if (!frame_->OpenDocumentFile(files.first())) {
      recovery_.reset();
      frame_.reset();
      return nullptr;
    }
  } else if (!frame_->NewDocument()) {
    recovery_.reset();
    frame_.reset();
    return nullptr;
  }
  frame_->showMaximized();

  const QIcon icon(dir + "title.ico");
  if (!icon.isNull() && !icon.availableSizes().isEmpty()) frame_->setWindowIcon(icon);

  app.appTitle = app.LanguageText("Company");

  frame_->ApplyStartupMenuRules(ParseDecimal(app.SetupText("ShowLang")) != 0);

  // What a run that did not end cleanly left unsaved, then this run's own
  // recovery files from now on.
  recovery_->Start();
  OfferRecovery(*frame_, *recovery_);
  return frame_.get();
}

void CProgramApp::ExitInstance() {
  // A clean exit: the unsaved changes were saved or discarded by the user.
  if (recovery_) recovery_->Finish();
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  if (qtTranslator_) {
    QCoreApplication::removeTranslator(qtTranslator_.get());
    qtTranslator_.reset();
  }
  SettingsStore store(App().appName);
  store.WriteField(App().band.bytes);
  store.Sync();
  App().ini.Save(false);
  // Last of all, when the Language dialog asked for it: the new instance
  // finds every file of this run written.
  RestartIfRequested();
}

}  // namespace radio
