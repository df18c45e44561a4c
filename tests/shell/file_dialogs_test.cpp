// Where file dialogs start and what Export PDF does with the name typed:
// each kind of file starts in the folder last used for it (kept for the
// next run), else the documents folder, never the program's folder.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "print/print_commands.h"
#include "shell/channel_csv_commands.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class FileDialogsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_NE(frame_ = StartIn("English"), nullptr);
    ASSERT_TRUE(QDir().mkpath(TempPath("radios")));
  }
  // Answers the radio-file dialogs with `answer`, recording where each began.
  void AnswerRadioFiles(const QString& answer) {
    frame_->SetFileNamePrompt([this, answer](bool, const QString& start) {
      starts_ << start;
      return answer;
    });
  }
  // Runs Export PDF from the File menu; the section choice is accepted.
  void ExportPdf() {
    QTimer::singleShot(0, [] {
      if (auto* choice = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        choice->accept();
    });
    for (QAction* action : frame_->MenusDocument().front()->actions())
      if (action->data().toInt() == cmd::kFileExportPdf) action->trigger();
  }

  CMainFrame* frame_ = nullptr;
  QStringList starts_;
};

TEST_F(FileDialogsTest, RadioFilesStartInTheFolderLastUsedForThem) {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  AnswerRadioFiles(TempPath("radios/first.dat"));
  frame_->ActiveDocument()->ImageChanged(true);
  frame_->OnCommand(cmd::kFileSave);  // a new document: its name in the documents folder
  ASSERT_EQ(starts_.size(), 1);
  EXPECT_EQ(starts_[0], QDir(documents).filePath("radioprog-test.dat"));
  EXPECT_FALSE(starts_[0].startsWith(ProgramDir()));

  AnswerRadioFiles(QString());  // cancelled
  frame_->OnCommand(cmd::kFileOpen);
  EXPECT_EQ(starts_.last(), TempPath("radios"));
  // The next run starts there too; a cancelled dialog changed nothing.
  app_.reset();
  app_ = std::make_unique<CProgramApp>();
  frame_ = Start();
  ASSERT_NE(frame_, nullptr);
  AnswerRadioFiles(QString());
  frame_->OnCommand(cmd::kFileOpen);
  EXPECT_EQ(starts_.last(), TempPath("radios"));
}

TEST_F(FileDialogsTest, ExportPdfAddsTheEndingConfirmsAndRemembersTheFolder) {
  auto* printing = frame_->findChild<PrintCommands*>();
  ASSERT_NE(printing, nullptr);
  QStringList folders;
  printing->SetFileNamePrompt([&](const QString& folder) {
    folders << folder;
    return TempPath("radios/settings");  // typed without ".pdf"
  });
  ExportPdf();
  ASSERT_EQ(folders.size(), 1);
  EXPECT_FALSE(folders[0].startsWith(ProgramDir()));
  EXPECT_TRUE(QFile::exists(TempPath("radios/settings.pdf")));
  EXPECT_FALSE(QFile::exists(TempPath("radios/settings")));
  EXPECT_TRUE(frame_->statusBar()->currentMessage().contains("settings.pdf"))
      << frame_->statusBar()->currentMessage().toStdString();
  ExportPdf();
  ASSERT_EQ(folders.size(), 2);
  EXPECT_EQ(folders[1], TempPath("radios"));
}

}  // namespace
}  // namespace radio::test
