// The desktop program's safety net: a backup of every complete read, File >
// Open Backup, and recovery files that outlive a crash but not a clean exit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "base/message_box.h"
#include "channels/program_view.h"
#include "image/dat_file.h"
#include "image/program_doc.h"
#include "link/process_dlg.h"
#include "safety/backup_store.h"
#include "safety/open_backup_dlg.h"
#include "safety/read_backup.h"
#include "safety/recovery_keeper.h"
#include "safety/user_data_folder.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/radio_commands.h"
#include "shell/safety_commands.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"
#include "support/run_program.h"
#include "support/shell_fixture.h"
#include "support/test_links.h"

namespace radio {
namespace {

std::string BytesOf(const RadioImage& image) {
  return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// ----------------------------------------------------- backups of reads

class ReadBackupTest : public testing::Test {
 protected:
  ReadBackupTest() : link_(radio_), view_(doc_), commands_(view_, test::LinkTo(link_)) {
    SetUserDataFolder(dataDir_.path());
    ResetReadBackupWarning();
    SetMessageHook([this](const MessageRequest& request) {
      messages_.push_back(request.text);
      return QMessageBox::Ok;
    });
    BandLimitBytes band = kDefaultBandLimitBytes;
    doc_.OnNewDocument(band, Language::English, "test");
    view_.OnInitialUpdate();
  }
  ~ReadBackupTest() override {
    SetMessageHook({});
    SetUserDataFolder({});
  }
  CloneOutcome Read() {
    commands_.OnRead();
    QTest::mouseClick(commands_.ProcessDialog().StartButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(&commands_.ProcessDialog());
    QSignalSpy spy(&commands_, &RadioCommands::runningChanged);
    if (commands_.IsRunning()) {
      EXPECT_TRUE(spy.wait(10000));
    }
    return commands_.LastResult().outcome;
  }
  QTemporaryDir dataDir_;
  std::vector<QString> messages_;
  VirtualRadio radio_;
  SimulatedLink link_;
  CProgramDoc doc_;
  CProgramView view_;
  RadioCommands commands_;
};

TEST_F(ReadBackupTest, ACompleteReadLeavesOneCopyOfExactlyWhatWasRead) {
  ASSERT_EQ(Read(), CloneOutcome::Ok);
  const QList<BackupEntry> list = BackupStore(BackupFolder(), 100).List();
  ASSERT_EQ(list.size(), 1);
  EXPECT_TRUE(test::ReadAll(list[0].path.toStdString()) == BytesOf(doc_.Image()));
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    ASSERT_EQ(doc_.Image()[*ImageOffsetOfRadioAddress(a)], radio_.Memory()[a]) << a;
  // The copy stays as read when the document is edited afterwards.
  view_.SetCell(1, 1, "440.00000");
  view_.CommitToImage();
  EXPECT_TRUE(test::ReadAll(list[0].path.toStdString()) != BytesOf(doc_.Image()));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(FilesIn(BackupFolder()).size(), 1);  // no temporary files
}

TEST_F(ReadBackupTest, AReadThatBrokeOffKeepsNoCopy) {
  radio_.Faults().silentAfterChunks = 10;
  EXPECT_EQ(Read(), CloneOutcome::Interrupted);
  EXPECT_TRUE(BackupStore(BackupFolder(), 100).List().isEmpty());
}

TEST_F(ReadBackupTest, AnUnwritableFolderCostsOnlyTheCopyAndWarnsOnce) {
  QFile blocker(BackupFolder());  // a file where the folder should be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  for (int i = 0; i < 2; ++i) {
    radio_.Memory()[0] = static_cast<std::uint8_t>(0x30 + i);
    ASSERT_EQ(Read(), CloneOutcome::Ok);
    EXPECT_EQ(doc_.Image()[0], 0x30 + i);  // the read delivered its image
    EXPECT_TRUE(view_.isEnabled());
  }
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].contains("no backup copy")) << messages_[0].toStdString();
  EXPECT_TRUE(QFileInfo(BackupFolder()).isFile());
}

// ------------------------------------------------------ recovery keeper

struct FakeDocument {
  bool modified = false;
  RadioImage image{};
};

class RecoveryKeeperTest : public testing::Test {
 protected:
  RecoveryKeeper::Source Source() {
    return [this] {
      QList<RecoverySnapshot> list;
      for (FakeDocument& d : docs_)
        list.append({&d, d.modified, "/p/" + QString::number(&d - docs_), "t", true,
                     [&d] { return d.image; }});
      return list;
    };
  }
  QTemporaryDir dir_;
  FakeDocument docs_[2];
};

TEST_F(RecoveryKeeperTest, WritesModifiedDocumentsAfterTheIntervalOnly) {
  RecoveryKeeper keeper(dir_.path(), Source(), std::chrono::milliseconds(30));
  keeper.Start();
  QTest::qWait(80);
  EXPECT_TRUE(keeper.FileOf(&docs_[0]).isEmpty());  // nothing modified yet
  docs_[1].modified = true;
  docs_[1].image.fill(0x77);
  EXPECT_TRUE(keeper.FileOf(&docs_[1]).isEmpty());  // not before the timer fires
  ASSERT_TRUE(QTest::qWaitFor([&] { return !keeper.FileOf(&docs_[1]).isEmpty(); }, 10000));
  const QString file = keeper.FileOf(&docs_[1]);
  {
    QFile in(file);  // closed again before the keeper removes it
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const auto record = ParseRecoveryRecord(in.readAll());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->image, docs_[1].image);
    EXPECT_EQ(record->pathName, "/p/1");
  }
  EXPECT_TRUE(keeper.FileOf(&docs_[0]).isEmpty());
  // Saved (no longer modified): the file goes.
  docs_[1].modified = false;
  keeper.Tick();
  EXPECT_FALSE(QFileInfo::exists(file));
  keeper.Finish();
}

TEST_F(RecoveryKeeperTest, OneFileEachRewrittenOnlyWhenChanged) {
  RecoveryKeeper keeper(dir_.path(), Source(), std::chrono::hours(1));
  keeper.Start();
  docs_[0].modified = docs_[1].modified = true;
  docs_[0].image.fill(1);
  docs_[1].image.fill(2);
  keeper.Tick();
  const QString a = keeper.FileOf(&docs_[0]), b = keeper.FileOf(&docs_[1]);
  ASSERT_FALSE(a.isEmpty());
  ASSERT_FALSE(b.isEmpty());
  EXPECT_NE(a, b);
  // An unchanged document is not written again.
  QFile::remove(a);
  keeper.Tick();
  EXPECT_FALSE(QFileInfo::exists(a));
  docs_[0].image[5] = 9;
  keeper.Tick();
  ASSERT_TRUE(QFileInfo::exists(a));
  // Forget (saved or closed) removes at once; a clean exit removes the rest
  // and the session lock.
  keeper.Forget(&docs_[0]);
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(b));
  EXPECT_TRUE(QFileInfo::exists(keeper.Store().LockPathOf(keeper.Session())));
  keeper.Finish();
  EXPECT_TRUE(FilesIn(dir_.path()).isEmpty()) << FilesIn(dir_.path()).join(' ').toStdString();
}

TEST_F(RecoveryKeeperTest, ARunThatEndsWithoutFinishLeavesItsFilesForTheNext) {
  QString session;
  {
    RecoveryKeeper crashed(dir_.path(), Source(), std::chrono::hours(1));
    crashed.Start();
    docs_[0].modified = true;
    docs_[0].image.fill(0x42);
    crashed.Tick();
    session = crashed.Session();
    // While that run goes on, another start leaves its files alone.
    RecoveryKeeper other(dir_.path(), Source(), std::chrono::hours(1));
    EXPECT_TRUE(other.Store().Leftovers(other.Session()).isEmpty());
  }
  RecoveryKeeper next(dir_.path(), Source(), std::chrono::hours(1));
  const QList<RecoveryLeftover> left = next.Store().Leftovers(next.Session());
  ASSERT_EQ(left.size(), 1);
  ASSERT_TRUE(left[0].record);
  EXPECT_EQ(left[0].record->image, docs_[0].image);
  EXPECT_TRUE(left[0].path.contains(session));
}

// ------------------------------------------------ the program's start-up

class SafetyShellTest : public test::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteProgramIni("English");
  }
  QString Recovery() const { return RecoveryFolder(); }
  // A file left by a run that died, holding `record`.
  void LeaveRecoveryFile(const RecoveryRecord& record, const QString& session = "999-dead") {
    QString error;
    ASSERT_TRUE(RecoveryStore(Recovery()).Write(session, 1, record, error));
  }
  QStringList RecoveryFiles() const {
    return QDir(Recovery()).entryList({"*.recovery"}, QDir::Files);
  }
};

RecoveryRecord SavedRecord(const QString& path) {
  RecoveryRecord r;
  r.pathName = path;
  r.title = QFileInfo(path).fileName();
  r.hasFile = true;
  r.savedAt = QDateTime::currentDateTime();
  BandLimitBytes band = kDefaultBandLimitBytes;
  r.image = MakeNewImage(band);
  r.image[0x1000] = 0xA5;  // a byte no grid rewrites
  return r;
}

TEST_F(SafetyShellTest, StartUpRestoresUnderTheOriginalNameAndSaveWritesThere) {
  const QString target = TempPath("mine.dat");
  LeaveRecoveryFile(SavedRecord(target));
  answers_ = {QMessageBox::Yes};
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains("did not end normally"));
  EXPECT_TRUE(messages_[0].text.contains(QDir::toNativeSeparators(target)));
  ASSERT_EQ(frame->DocumentFrames().size(), 2);
  CChildFrame* restored = frame->DocumentFrames().back();
  CProgramDoc& doc = restored->Document();
  EXPECT_EQ(doc.PathName(), target);
  EXPECT_EQ(doc.Image()[0x1000], 0xA5);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(frame->HasFile(restored));
  // The old run's file went; this run already keeps the restored document.
  ASSERT_EQ(RecoveryFiles().size(), 1);
  EXPECT_TRUE(RecoveryFiles()[0].startsWith(app_->Recovery()->Session()));

  // Save writes where the user meant, without asking, and the file goes.
  frame->SetFileNamePrompt([](bool, const QString&) -> QString {
    ADD_FAILURE() << "Save asked for a name";
    return {};
  });
  ASSERT_TRUE(frame->SaveDocument(restored, false));
  RadioImage saved{};
  std::string error;
  ASSERT_TRUE(LoadDatFile(target.toStdString(), saved, error));
  EXPECT_EQ(saved[0x1000], 0xA5);
  EXPECT_TRUE(RecoveryFiles().isEmpty());
  app_->ExitInstance();
  EXPECT_TRUE(QDir(Recovery()).entryList(QDir::Files).isEmpty());
}

TEST_F(SafetyShellTest, DiscardRemovesAndDamagedFilesAreSetAside) {
  LeaveRecoveryFile(SavedRecord(TempPath("a.dat")));
  QDir().mkpath(Recovery());
  QFile damaged(Recovery() + "/888-dead-1.recovery");
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(SerialiseRecoveryRecord(SavedRecord(TempPath("b.dat"))).left(200));
  damaged.close();
  answers_ = {QMessageBox::No, QMessageBox::No};
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->DocumentFrames().size(), 1);  // only the new document
  ASSERT_EQ(messages_.size(), 2u);
  int damagedMessages = 0;
  for (const MessageRequest& m : messages_) damagedMessages += m.text.contains("damaged");
  EXPECT_EQ(damagedMessages, 1);
  EXPECT_TRUE(RecoveryFiles().isEmpty());
  const QStringList aside = QDir(Recovery()).entryList({"*.damaged"}, QDir::Files);
  ASSERT_EQ(aside.size(), 1);
  QFile kept(Recovery() + '/' + aside[0]);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.size(), 200);
}

TEST_F(SafetyShellTest, CleanExitRemovesRecoveryFilesACrashKeepsThem) {
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  CProgramDoc& doc = frame->DocumentFrames().front()->Document();
  // A grid edit still in the grid reaches the recovery file.
  frame->DocumentFrames().front()->View().SetCell(1, 1, "351.25000");
  ASSERT_TRUE(doc.IsModified());
  app_->Recovery()->Tick();
  ASSERT_EQ(RecoveryFiles().size(), 1);
  app_->ExitInstance();
  EXPECT_TRUE(RecoveryFiles().isEmpty());

  // A run that ends without its exit (a crash) leaves its file, and the
  // next start offers it.
  app_ = std::make_unique<CProgramApp>();
  frame = Start();
  frame->DocumentFrames().front()->View().SetCell(1, 1, "351.25000");
  app_->Recovery()->Tick();
  app_.reset();
  ASSERT_EQ(RecoveryFiles().size(), 1);
  app_ = std::make_unique<CProgramApp>();
  messages_.clear();
  answers_ = {QMessageBox::Yes};
  frame = Start();
  ASSERT_EQ(messages_.size(), 1u);
  ASSERT_EQ(frame->DocumentFrames().size(), 2);
  CChildFrame* restored = frame->DocumentFrames().back();
  EXPECT_EQ(restored->View().CellText(1, 1), "351.25000");
  EXPECT_FALSE(frame->HasFile(restored));  // a new document: Save asks for a name
}

// --------------------------------------------------------- Open Backup

TEST_F(SafetyShellTest, OpenBackupListsNewestFirstAndOpensAnUntitledCopy) {
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  BackupStore store(BackupFolder(), 100);
  {
    COpenBackupDlg empty(frame);
    empty.Load(store);
    EXPECT_FALSE(empty.EmptyText()->isHidden());
    EXPECT_TRUE(empty.List()->isHidden());
    EXPECT_FALSE(empty.OpenButton()->isEnabled());
    EXPECT_TRUE(empty.ChosenPath().isEmpty());
  }
  BandLimitBytes band = kDefaultBandLimitBytes;
  RadioImage older = MakeNewImage(band), newer = older;
  older[0x1000] = 1;  // a byte no grid rewrites
  newer[0x1000] = 2;
  QString error;
  const QString olderPath =
      store.Save(older, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), "Model A", error);
  const QString newerPath =
      store.Save(newer, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 6)), "Model A", error);
  ASSERT_FALSE(newerPath.isEmpty());
  const QStringList before = FilesIn(BackupFolder());

  COpenBackupDlg dialog(frame);
  dialog.Load(store);
  EXPECT_TRUE(dialog.EmptyText()->isHidden());
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
  EXPECT_EQ(dialog.List()->topLevelItem(0)->text(0), "2026-01-02 03:04:06");
  EXPECT_EQ(dialog.List()->topLevelItem(0)->text(1), "Model-A");
  EXPECT_EQ(dialog.ChosenPath(), newerPath);
  dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
  EXPECT_EQ(dialog.ChosenPath(), olderPath);
  // A double-click opens.
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTreeWidget* list = dialog.List();
  const QRect rect = list->visualItemRect(list->topLevelItem(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // The menu command: Open picks the newest.
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<COpenBackupDlg*>(w); d && d->isVisible()) d->OpenButton()->click();
  });
  frame->OnCommand(cmd::kFileOpenBackup);
  ASSERT_EQ(frame->DocumentFrames().size(), 2);
  CChildFrame* opened = frame->DocumentFrames().back();
  EXPECT_EQ(opened->Document().Image(), newer);
  EXPECT_FALSE(opened->Document().IsModified());
  EXPECT_FALSE(frame->HasFile(opened));
  EXPECT_FALSE(opened->Document().PathName().contains(BackupFolder()));

  // Save asks for a name, never the backup's own path.
  QString suggested;
  const QString target = TempPath("copy.dat");
  frame->SetFileNamePrompt([&](bool save, const QString& s) {
    EXPECT_TRUE(save);
    suggested = s;
    return target;
  });
  ASSERT_TRUE(frame->SaveDocument(opened, false));
  EXPECT_EQ(QFileInfo(suggested).fileName(), QFileInfo(newerPath).fileName());
  EXPECT_FALSE(suggested.startsWith(BackupFolder()));
  EXPECT_EQ(FilesIn(BackupFolder()), before);
  EXPECT_TRUE(test::ReadAll(newerPath.toStdString()) == BytesOf(newer));
  RadioImage saved{};
  std::string loadError;
  ASSERT_TRUE(LoadDatFile(target.toStdString(), saved, loadError));
  EXPECT_EQ(saved[0x1000], 2);
}

}  // namespace
}  // namespace radio
