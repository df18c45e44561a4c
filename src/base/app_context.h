// The process-wide state of one run of the program, fixed at start-up and
// read everywhere: configuration, language, program directory, application
// title, band state and the current serial port name.
#pragma once

#include <QString>

#include "base/ini_file.h"
#include "image/band_limits.h"
#include "image/language.h"

namespace radio {

struct AppContext {
  CIniFile ini;                             // Program.ini
  QString languageName;                     // value of Language in [Setup]
  Language language = Language::English;    // Chinese only for exactly "Chinese"
  QString helpFileName = "enHelp.html";     // chHelp.html for Chinese
  QString programDir;                       // directory of the program, ending in '/'
  QString appName;                          // AppName in [Setup]: the settings key
  QString appTitle;                         // Company text: every message box caption
  BandState band;                           // band-limit bytes and BandLimits
  QString currentPort = "COM1";             // port every exchange opens

  // Texts of the language section of Program.ini.
  QString LanguageText(const char* key) const {
    return QString::fromStdString(ini.Get(languageName.toStdString(), key, ""));
  }
  QString SetupText(const char* key) const {
    return QString::fromStdString(ini.Get("Setup", key, ""));
  }
  // The literal text pair of the running language.
  QString Tr(const char* english, const char* chinese) const {
    return QString::fromUtf8(radio::Tr(language, english, chinese));
  }
};

// The one instance of the run.
AppContext& App();

}  // namespace radio
