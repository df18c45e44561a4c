// Keeps a test's changes to the run's process-wide state (App(): language,
// help file, program directory, application name and title, band state,
// current port) from reaching the next test: they are copied on
// construction and put back on destruction. The loaded Program.ini is not
// copied; a test that loads one sets up every value it reads.
#pragma once

#include "base/app_context.h"

namespace radio::test {

class AppContextScope {
 public:
  AppContextScope() {
    const AppContext& app = App();
    languageName_ = app.languageName;
    language_ = app.language;
    helpFileName_ = app.helpFileName;
    programDir_ = app.programDir;
    appName_ = app.appName;
    appTitle_ = app.appTitle;
    band_ = app.band;
    currentPort_ = app.currentPort;
  }
  ~AppContextScope() {
    AppContext& app = App();
    app.languageName = languageName_;
    app.language = language_;
    app.helpFileName = helpFileName_;
    app.programDir = programDir_;
    app.appName = appName_;
    app.appTitle = appTitle_;
    app.band = band_;
    app.currentPort = currentPort_;
  }
  AppContextScope(const AppContextScope&) = delete;
  AppContextScope& operator=(const AppContextScope&) = delete;

 private:
  QString languageName_;
  Language language_;
  QString helpFileName_;
  QString programDir_;
  QString appName_;
  QString appTitle_;
  BandState band_;
  QString currentPort_;
};

}  // namespace radio::test
