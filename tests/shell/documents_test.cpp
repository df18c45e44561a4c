// New, Open, Save and Close: which window is shown, hidden or replaced,
// what is asked, and that a file that cannot be loaded changes nothing.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "image/dat_file.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/doc_manager.h"
#include "shell/main_frame.h"
#include "shell/mdi_background.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class DocumentsTest : public StartedShellTest {
 protected:
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(frame_->DocumentFrames().size(), 1);
    first_ = frame_->DocumentFrames().front();
  }
  int VisibleFrames() const {
    int n = 0;
    for (CChildFrame* f : frame_->DocumentFrames()) n += f->isHidden() ? 0 : 1;
    return n;
  }
  CChildFrame* first_ = nullptr;
};

TEST_F(DocumentsTest, DocumentWindowOpensAtTheTopLeftWithItsOwnSize) {
  // Its own size, as far as the main window's client area lets it.
  EXPECT_EQ(first_->WantedSize(), QSize(1095, 650));
  EXPECT_TRUE(frame_->MdiArea()->viewport()->rect().contains(first_->geometry()));
  frame_->showNormal();
  frame_->resize(1600, 1000);
  QCoreApplication::processEvents();
  EXPECT_EQ(first_->geometry(), QRect(0, 0, 1095, 650));
  EXPECT_EQ(first_->Document().Title(), "Channel Information");
  EXPECT_EQ(first_->Document().PathName(), "radioprog-test");  // AppName: the first save's name
}

TEST_F(DocumentsTest, NewAsksAndCancelKeepsTheDocumentWithItsChanges) {
  first_->Document().Image()[0x100] = 0x42;
  first_->Document().ImageChanged(true);
  answers_ = {QMessageBox::Cancel};
  frame_->OnCommand(cmd::kFileNew);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "All data will be Cleared!");
  EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(messages_[0].caption, "Test Company");
  ASSERT_EQ(frame_->DocumentFrames(), QList<CChildFrame*>{first_});
  EXPECT_EQ(first_->Document().Image()[0x100], 0x42);
  EXPECT_TRUE(first_->Document().IsModified());
}

TEST_F(DocumentsTest, NewWithOkReplacesTheActiveWindowWithoutASaveQuestion) {
  first_->Document().ImageChanged(true);
  answers_ = {QMessageBox::Ok};
  frame_->OnCommand(cmd::kFileNew);
  EXPECT_EQ(messages_.size(), 1u) << "only the New question, no save prompt";
  ASSERT_EQ(frame_->DocumentFrames().size(), 1);
  EXPECT_NE(frame_->DocumentFrames().front(), first_);
  EXPECT_FALSE(frame_->ActiveDocument()->IsModified());
}

TEST_F(DocumentsTest, NewWithOnlyHiddenWindowsAsksNothingAndKeepsThem) {
  first_->Document().ImageChanged(true);
  frame_->OnCommand(cmd::kFileClose);
  frame_->OnCommand(cmd::kFileNew);
  EXPECT_TRUE(messages_.empty());
  ASSERT_EQ(frame_->DocumentFrames().size(), 2);
  EXPECT_EQ(frame_->DocumentFrames().front(), first_);
  EXPECT_TRUE(first_->Document().IsModified());
  EXPECT_EQ(VisibleFrames(), 1);
}

TEST_F(DocumentsTest, OpenHidesThePreviousWindowWhichStaysOpen) {
  const QString path = MakeFile("a.dat", 6144);
  CChildFrame* opened = frame_->OpenDocumentFile(path);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(frame_->DocumentFrames().size(), 2);
  EXPECT_TRUE(first_->isHidden());
  EXPECT_FALSE(opened->isHidden());
  EXPECT_EQ(frame_->ActiveFrame(), opened);
  EXPECT_EQ(opened->Document().Image()[1000], 1000 % 251);
  EXPECT_EQ(frame_->windowTitle(), "Test Title");
}

TEST_F(DocumentsTest, EveryNewDocumentWindowTakesTheStoredPortChoice) {
  EXPECT_EQ(App().currentPort, "COM1");  // nothing stored when the program started
  SettingsStore store(App().appName);
  store.WriteCom(3);
  ASSERT_TRUE(store.Sync());
  frame_->OnCommand(cmd::kFileNew);
  EXPECT_EQ(App().currentPort, "COM3");
  store.WriteCom(12);
  ASSERT_TRUE(store.Sync());
  ASSERT_NE(frame_->OpenDocumentFile(MakeFile("a.dat", 6144)), nullptr);
  EXPECT_EQ(App().currentPort, "\\\\.\\COM12");
}

TEST_F(DocumentsTest, AnAlreadyOpenFileIsLoadedAgainIntoANewWindow) {
  const QString path = MakeFile("a.dat", 6144);
  CChildFrame* once = frame_->OpenDocumentFile(path);
  ASSERT_NE(once, nullptr);
  once->Document().Image()[5] = 0xAB;  // an unsaved edit in the first copy
  CChildFrame* twice = frame_->OpenDocumentFile(path);
  ASSERT_NE(twice, nullptr);
  EXPECT_NE(twice, once);
  EXPECT_EQ(frame_->DocumentFrames().size(), 3);
  EXPECT_TRUE(once->isHidden());
  EXPECT_EQ(once->Document().Image()[5], 0xAB);
  EXPECT_EQ(twice->Document().Image()[5], 5);
  EXPECT_EQ(VisibleFrames(), 1);
}

TEST_F(DocumentsTest, AFileOneByteShortIsRefusedAndNoWindowChanges) {
  const QString path = MakeFile("short.dat", 6143);
  EXPECT_EQ(frame_->OpenDocumentFile(path), nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains("short.dat")) << messages_[0].text.toStdString();
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(frame_->DocumentFrames(), QList<CChildFrame*>{first_});
  EXPECT_FALSE(first_->isHidden());
  EXPECT_EQ(frame_->ActiveFrame(), first_);
}

TEST_F(DocumentsTest, AFileOneByteLongOpensAndItsLastByteIsIgnored) {
  CChildFrame* opened = frame_->OpenDocumentFile(MakeFile("long.dat", 6145));
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DocumentsTest, MissingOrEmptyFilesAreRefused) {
  EXPECT_EQ(frame_->OpenDocumentFile(TempPath("none.dat")), nullptr);
  EXPECT_EQ(frame_->OpenDocumentFile(MakeFile("empty.dat", 0)), nullptr);
  EXPECT_EQ(frame_->OpenDocumentFile(""), nullptr);
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("folder.dat"));
  EXPECT_EQ(frame_->OpenDocumentFile(TempPath("folder.dat")), nullptr);
  ASSERT_EQ(messages_.size(), 4u);
  EXPECT_TRUE(messages_[3].text.endsWith("folder.dat\" is a folder, not a radio file."))
      << messages_[3].text.toStdString();
  EXPECT_EQ(frame_->DocumentFrames().size(), 1);
}

TEST_F(DocumentsTest, OpenRuleStripsQuotesMakesFullPathsAndFollowsLinks) {
  const QString path = MakeFile("q.dat", 6144);
  EXPECT_EQ(DocManager::NormaliseFileName('"' + path + '"'), path);
  EXPECT_EQ(DocManager::NormaliseFileName('"' + path + "\" --x"), path);
  QDir::setCurrent(workDir_.path());
  EXPECT_EQ(DocManager::NormaliseFileName("q.dat"), path);
#ifndef _WIN32  // QFile::link makes a shell shortcut there, not a link
  const QString link = TempPath("link.dat");
  ASSERT_TRUE(QFile::link(path, link));
  EXPECT_EQ(DocManager::NormaliseFileName(link), QFileInfo(path).canonicalFilePath());
  CChildFrame* opened = frame_->OpenDocumentFile('"' + link + '"');
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->Document().PathName(), QFileInfo(path).canonicalFilePath());
#endif
}

TEST_F(DocumentsTest, FileCloseAndTheCloseBoxHideAndChannelInformationShowsAgain) {
  frame_->OnCommand(cmd::kFileClose);
  EXPECT_TRUE(first_->isHidden());
  EXPECT_EQ(frame_->DocumentFrames().size(), 1);  // the document stays open
  EXPECT_EQ(frame_->ActiveFrame(), nullptr);
  EXPECT_FALSE(frame_->IsCommandEnabled(cmd::kFileSave));
  frame_->OnCommand(cmd::kChannelInformation);
  EXPECT_FALSE(first_->isHidden());
  EXPECT_FALSE(first_->isMaximized() || first_->isMinimized());
  EXPECT_EQ(frame_->ActiveFrame(), first_);

  first_->showMinimized();
  EXPECT_FALSE(first_->close()) << "a close request only hides";
  EXPECT_TRUE(first_->isHidden());
  frame_->OnCommand(cmd::kChannelInformation);
  EXPECT_FALSE(first_->isHidden());
  EXPECT_FALSE(first_->isMinimized());
}

TEST_F(DocumentsTest, SaveWritesTheCommittedImageAndSaveAsAsksForAName) {
  QStringList asked;
  const QString target = TempPath("saved.dat");
  frame_->SetFileNamePrompt([&](bool save, const QString& suggested) {
    asked << QString("%1:%2").arg(save).arg(suggested);
    return target;
  });
  int commits = 0;
  first_->Document().SetCommitHook([&] {
    ++commits;
    first_->Document().Image()[0x10] = 0x77;  // what the grid holds
  });
  first_->Document().ImageChanged(true);
  frame_->OnCommand(cmd::kFileSave);  // a new document: asks for a name
  ASSERT_EQ(asked.size(), 1);
  EXPECT_TRUE(asked[0].startsWith("1:") && asked[0].endsWith("/radioprog-test.dat"))
      << asked[0].toStdString();
  EXPECT_EQ(commits, 1);
  EXPECT_FALSE(first_->Document().IsModified());
  RadioImage onDisk{};
  std::string error;
  ASSERT_TRUE(LoadDatFile(target.toStdString(), onDisk, error)) << error;
  EXPECT_EQ(onDisk, first_->Document().Image());
  EXPECT_EQ(QFileInfo(target).size(), 6144);

  frame_->OnCommand(cmd::kFileSave);  // now it has a file: no question
  EXPECT_EQ(asked.size(), 1);
  frame_->OnCommand(cmd::kFileSaveAs);
  EXPECT_EQ(asked.size(), 2);
  first_->Document().SetCommitHook({});
}

TEST_F(DocumentsTest, SaveThatFailsSaysSoAndKeepsTheDocumentModified) {
  frame_->SetFileNamePrompt([&](bool, const QString&) { return TempPath("no/such/dir/x.dat"); });
  first_->Document().ImageChanged(true);
  frame_->OnCommand(cmd::kFileSave);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(first_->Document().IsModified());
}

TEST_F(DocumentsTest, SaveOverAFileWhoseBakIsAFolderWarnsAndSaves) {
  const QString target = MakeFile("radio.dat", 6144);
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("radio.dat.bak"));
  frame_->SetFileNamePrompt([&](bool, const QString&) { return target; });
  first_->Document().ImageChanged(true);
  frame_->OnCommand(cmd::kFileSave);
  EXPECT_FALSE(first_->Document().IsModified()) << "the save itself worked";
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains("radio.dat.bak\" is a folder"))
      << messages_[0].text.toStdString();
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
}

TEST_F(DocumentsTest, DroppedFilesOpenByTheOpenRule) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(MakeFile("d1.dat", 6144)),
                QUrl::fromLocalFile(MakeFile("d2.dat", 6144))});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  // Straight to the window's event handler: outside a real drag the
  // application delivers drops only to the drag's current target.
  static_cast<QObject*>(frame_)->event(&drop);
  ASSERT_EQ(frame_->DocumentFrames().size(), 3);
  EXPECT_EQ(VisibleFrames(), 1);
  EXPECT_TRUE(frame_->ActiveDocument()->PathName().endsWith("d2.dat"));
}

TEST_F(DocumentsTest, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel) {
  const QString path = MakeFile("edit.dat", 6144);
  CChildFrame* opened = frame_->OpenDocumentFile(path);
  ASSERT_NE(opened, nullptr);
  opened->Document().Image()[0x1000] = 0x99;  // outside the channel table
  opened->Document().ImageChanged(true);

  // Only the changed document is asked about, not the unchanged start-up one.
  answers_ = {QMessageBox::Cancel};
  EXPECT_FALSE(frame_->close());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  EXPECT_TRUE(messages_[0].text.contains("edit.dat"));
  EXPECT_TRUE(frame_->isVisible());

  answers_ = {QMessageBox::Save};
  EXPECT_TRUE(frame_->close());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(static_cast<unsigned char>(file.readAll()[0x1000]), 0x99);
}

TEST_F(DocumentsTest, DiscardClosesWithoutWriting) {
  const QString path = MakeFile("keep.dat", 6144);
  CChildFrame* opened = frame_->OpenDocumentFile(path);
  ASSERT_NE(opened, nullptr);
  opened->Document().Image()[0x1000] = 0x99;  // outside the channel table
  opened->Document().ImageChanged(true);
  answers_ = {QMessageBox::Discard};
  EXPECT_TRUE(frame_->close());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(static_cast<unsigned char>(file.readAll()[0x1000]), 0x1000 % 251);
}

TEST_F(DocumentsTest, UnchangedDocumentsCloseWithoutAQuestion) {
  EXPECT_TRUE(frame_->close());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DocumentsTest, EveryWiredCommandIsEnabledWithADocument) {
  // Start-up wires every dialog, transfer and print command, Language and About.
  for (int id : {cmd::kProductInformation, cmd::kOptionalFeatures, cmd::kDtmf, cmd::kMsk,
                 cmd::kTwoTone, cmd::kKeyAssignment, cmd::kSquelchTuning, cmd::kRead, cmd::kWrite,
                 cmd::kComSetup, cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFilePrintSetup,
                 cmd::kLanguage, cmd::kAppAbout}) {
    EXPECT_TRUE(frame_->IsCommandEnabled(id)) << id;
    EXPECT_TRUE(frame_->Action(id)->isEnabled()) << id;
  }
  // File > "Export PDF…" stands after Print Preview in the document menu.
  const QList<QAction*> file = frame_->MenusDocument().value(0)->actions();
  const auto preview = std::find_if(file.begin(), file.end(), [](QAction* a) {
    return a->data().toInt() == cmd::kFilePrintPreview;
  });
  ASSERT_NE(preview, file.end());
  ASSERT_NE(preview + 1, file.end());
  EXPECT_EQ((*(preview + 1))->text(), QString::fromUtf8("Export PDF…"));
  // A transfer with the radio blocks what would change or replace a document.
  frame_->SetRadioBusy(true);
  for (int id : {cmd::kOptionalFeatures, cmd::kRead, cmd::kWrite, cmd::kFileOpen, cmd::kFileNew,
                 cmd::kFileSave, cmd::kComSetup})
    EXPECT_FALSE(frame_->Action(id)->isEnabled()) << id;
  EXPECT_TRUE(frame_->Action(cmd::kFilePrint)->isEnabled());
  frame_->OnCommand(cmd::kFileNew);
  EXPECT_EQ(frame_->DocumentFrames().size(), 1);
  frame_->SetRadioBusy(false);
  EXPECT_TRUE(frame_->Action(cmd::kOptionalFeatures)->isEnabled());

  int runs = 0;
  frame_->SetCommandHandler(cmd::kOptionalFeatures, [&] { ++runs; });
  frame_->SetCommandHandler(cmd::kAppAbout, [&] { runs += 10; });
  EXPECT_TRUE(frame_->Action(cmd::kOptionalFeatures)->isEnabled());
  frame_->OnCommand(cmd::kOptionalFeatures);
  frame_->Action(cmd::kAppAbout)->trigger();
  EXPECT_EQ(runs, 11);

  frame_->OnCommand(cmd::kFileClose);  // no shown document: document commands rest
  EXPECT_FALSE(frame_->Action(cmd::kOptionalFeatures)->isEnabled());
  frame_->OnCommand(cmd::kOptionalFeatures);
  frame_->OnCommand(cmd::kAppAbout);
  EXPECT_EQ(runs, 21);
}

}  // namespace
}  // namespace radio::test
