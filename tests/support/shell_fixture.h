// A temporary program directory (Program.ini, catalogs, help pages and
// pictures copied from the build's program directory), a temporary per-user
// settings store, and message boxes answered by the test instead of a person.
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "base/message_box.h"
#include "shell/program_app.h"
#include "support/test_links.h"

namespace radio {
class CProgramView;
}  // namespace radio

namespace radio::test {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes [Setup] and the language sections; `setupExtra` adds lines.
  void WriteProgramIni(const QString& language, const QString& showLang = "1",
                       const QString& appName = "radioprog-test");
  // Starts the program with `args` (after the program name).
  CMainFrame* Start(const QStringList& args = {});
  // Writes Program.ini for `language` ("English", "Chinese") and starts.
  CMainFrame* StartIn(const QString& language) {
    WriteProgramIni(language);
    return Start();
  }
  // A file of `size` bytes in the temp dir, each byte = its offset mod 251.
  QString MakeFile(const QString& name, int size);
  void RemoveFromProgramDir(const QString& name);

  QString ProgramDir() const { return programDir_.path() + '/'; }
  QString TempPath(const QString& name) const { return workDir_.path() + '/' + name; }

  QTemporaryDir programDir_;
  QTemporaryDir settingsDir_;
  QTemporaryDir workDir_;
  // What the program's exchanges with the radio talk to.
  LinkSwitch links_;
  std::unique_ptr<CProgramApp> app_;
  std::vector<MessageRequest> messages_;
  // Answers for the next message boxes, in order; OK when none is left.
  std::vector<QMessageBox::StandardButton> answers_;
};

// The program started in English with its first document window, as most
// shell tests begin: the main window and the active channel view.
class StartedShellTest : public ShellTest {
 protected:
  explicit StartedShellTest(QStringList arguments = {}) : arguments_(std::move(arguments)) {}
  void SetUp() override;

  CMainFrame* frame_ = nullptr;
  CProgramView* view_ = nullptr;

 private:
  QStringList arguments_;
};

}  // namespace radio::test
