#include "support/shell_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include "base/app_context.h"
#include "shell/main_frame.h"
#include "safety/user_data_folder.h"

namespace radio::test {

void ShellTest::SetUp() {
  ASSERT_TRUE(programDir_.isValid() && settingsDir_.isValid() && workDir_.isValid());
  for (const char* name : {"Program.ini", "English.qm", "Chinese.qm", "enHelp.html", "chHelp.html",
                           "background.bmp", "title.ico"}) {
    const QString from = QString(RADIOPROG_PROGRAM_DIR "/") + name;
    ASSERT_TRUE(QFile::copy(from, ProgramDir() + name)) << "missing " << from.toStdString();
  }
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
  SetUserDataFolder(settingsDir_.path() + "/data");  // backups and recovery files
  SetMessageHook([this](const MessageRequest& request) {
    messages_.push_back(request);
    if (answers_.empty()) return QMessageBox::Ok;
    const auto answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
  });
  app_ = std::make_unique<CProgramApp>(links_.Factory());
}

void ShellTest::TearDown() {
  app_.reset();
  SetUserDataFolder({});
  SetMessageHook({});
  QCoreApplication::processEvents();
}

void ShellTest::WriteProgramIni(const QString& language, const QString& showLang,
                                const QString& appName) {
  QFile file(ProgramDir() + "Program.ini");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  const QString text = "[Setup]\nLanguage=" + language + "\nAppName=" + appName +
                       "\nShowLang=" + showLang +
                       "\nType1=Model A\n[English]\nTitle=Test Title\nCompany=Test Company\n"
                       "[Chinese]\nTitle=测试标题\nCompany=测试公司\n";
  file.write(text.toUtf8());
}

CMainFrame* ShellTest::Start(const QStringList& args) {
  return app_->StartUp(QStringList{"radioprog"} + args, ProgramDir());
}

QString ShellTest::MakeFile(const QString& name, int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  QFile file(TempPath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return file.fileName();
}

void ShellTest::RemoveFromProgramDir(const QString& name) {
  ASSERT_TRUE(QFile::remove(ProgramDir() + name));
}

void StartedShellTest::SetUp() {
  ShellTest::SetUp();
  WriteProgramIni("English");
  frame_ = Start(arguments_);
  ASSERT_NE(frame_, nullptr);
  view_ = frame_->ActiveView();
  ASSERT_NE(view_, nullptr);
}

}  // namespace radio::test
