// Entry point of the widget tests: one QApplication on the offscreen
// platform for the whole run, then every GoogleTest case.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // Settings in INI files (each test points them at a folder of its own),
  // also on Windows, where the program's own choice is the registry.
  QSettings::setDefaultFormat(QSettings::IniFormat);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
