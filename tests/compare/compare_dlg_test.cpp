// The comparison window over a channel view: the grid is committed before
// comparing, the lines and the empty state, file trouble, the backup
// folder, a radio read that never touches the document, and a double-click
// on a channel line that selects its cell in the grid.
#include "compare/compare_dlg.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "channels/channel_view_fixture.h"
#include "compare/radio_image_reader.h"
#include "image/dat_file.h"
#include "interchange/channel_test_image.h"
#include "link/process_dlg.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"
#include "support/test_links.h"

namespace radio {
namespace {

class CompareDlgTest : public ChannelViewTest {
 protected:
  void SetUp() override {
    ChannelViewTest::SetUp();
    test::SetChannel(doc.Image(), 12, "145.5", "145.5");
    ASSERT_TRUE(dir.isValid());
    MakeView();
    dialog = std::make_unique<CCompareDlg>(doc, test::LinkTo(link), view.get());
    QObject::connect(dialog.get(), &CCompareDlg::channelActivated, view.get(),
                     [this](int row, int col) { view->SelectChannel(row, col); });
  }
  void TearDown() override {
    dialog.reset();
    ChannelViewTest::TearDown();
  }
  QString SaveImage(const QString& name, const RadioImage& image) {
    const QString path = dir.filePath(name);
    std::string error;
    EXPECT_TRUE(SaveDatFile(path.toStdString(), image, error)) << error;
    return path;
  }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < dialog->List()->count(); ++i) lines << dialog->List()->item(i)->text();
    return lines;
  }
  void DoubleClickLine(int i) {
    QListWidget* list = dialog->List();
    const QRect rect = list->visualItemRect(list->item(i));
    // A real double-click: a click, then the second press that doubles it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }

  QTemporaryDir dir;
  VirtualRadio radio;  // behind the radio read
  SimulatedLink link{radio};
  std::unique_ptr<CCompareDlg> dialog;
};

TEST_F(CompareDlgTest, ComparesTheCommittedGridWithAFileAndJumpsToAChannel) {
  const QString file = SaveImage("before.dat", doc.Image());
  // An edit that so far lives only in the grid.
  TypeInto(12, 1, "145.525", 3, 1);
  ASSERT_EQ(view->CellText(12, 1), "145.52500");
  dialog->SetFilePrompt([&](const QString&, const QString&) { return file; });
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  dialog->CompareWithFile();

  const QStringList lines = Lines();
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.front(), QString::fromUtf8("Channel 12 Rx Frequency: 145.50000 → 145.52500"));
  EXPECT_TRUE(dialog->Heading()->text().contains(QDir::toNativeSeparators(file)));
  // Committing set the grid-commit bit, which the file does not have.
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Byte 0x12AB: 0x01 → 0x09")))
      << lines.join("\n").toStdString();

  // Double-clicking the channel line makes its cell current, editor closed.
  Grid()->SetRowCol(3, 2);
  view->CommitCellEdit();
  QSignalSpy activated(dialog.get(), &CCompareDlg::channelActivated);
  DoubleClickLine(0);
  ASSERT_EQ(activated.count(), 1);
  EXPECT_EQ(activated[0][0].toInt(), 12);
  EXPECT_EQ(activated[0][1].toInt(), 1);
  EXPECT_EQ(Grid()->Row(), 12);
  EXPECT_EQ(Grid()->Col(), 1);
  EXPECT_EQ(view->OpenEditor(), nullptr);
  // A line of no channel leaves the grid where it is.
  DoubleClickLine(static_cast<int>(lines.indexOf(QString::fromUtf8("Byte 0x12AB: 0x01 → 0x09"))));
  EXPECT_EQ(Grid()->Row(), 12);
  EXPECT_TRUE(messages.empty());
}

TEST_F(CompareDlgTest, EqualImagesShowTheNoDifferencesState) {
  view->CommitToImage();
  dialog->CompareWith(doc.Image(), "copy.dat");
  EXPECT_EQ(dialog->List()->count(), 0);
  EXPECT_TRUE(dialog->Heading()->text().startsWith("No differences"))
      << dialog->Heading()->text().toStdString();
  // A later comparison replaces the list and the heading.
  RadioImage other = doc.Image();
  other[0x0C40] = 0x00;
  dialog->CompareWith(other, "other.dat");
  EXPECT_EQ(Lines(), QStringList{QString::fromUtf8("Byte 0x0C40: 0x00 → 0xFF")});
  EXPECT_EQ(dialog->Heading()->text(), "Differences from other.dat to this document: 1");
}

TEST_F(CompareDlgTest, AShortOrMissingFileIsReportedAndTheListKept) {
  dialog->CompareWith(doc.Image(), "same");
  QFile shortFile(dir.filePath("short.dat"));
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(QByteArray(10, '\xFF'));
  shortFile.close();
  const QString heading = dialog->Heading()->text();
  for (const QString& name : {dir.filePath("short.dat"), dir.filePath("gone.dat")}) {
    messages.clear();
    dialog->SetFilePrompt([&](const QString&, const QString&) { return name; });
    dialog->CompareWithFile();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QFileInfo(name).fileName()))
        << messages[0].text.toStdString();
    EXPECT_EQ(dialog->Heading()->text(), heading);
  }
  // Cancelling the file dialog does nothing at all.
  messages.clear();
  dialog->SetFilePrompt([](const QString&, const QString&) { return QString(); });
  dialog->CompareWithFile();
  EXPECT_TRUE(messages.empty());
}

TEST_F(CompareDlgTest, BackupStartsInTheBackupFolder) {
  QString folder;
  dialog->SetFilePrompt([&](const QString&, const QString& start) {
    folder = start;
    return QString();
  });
  dialog->CompareWithBackup();
  EXPECT_EQ(folder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups");
}

TEST_F(CompareDlgTest, RadioIsReadIntoAScratchImageOnly) {
  view->CommitToImage();
  const RadioImage before = doc.Image();
  const bool modifiedBefore = doc.IsModified();
  QSignalSpy running(dialog.get(), &CCompareDlg::radioRunningChanged);

  dialog->CompareWithRadio();
  CProcessDlg& process = dialog->Reader().ProcessDialog();
  ASSERT_TRUE(process.isVisible());
  QTest::mouseClick(process.StartButton(), Qt::LeftButton);
  ASSERT_TRUE(running.wait(10000));
  ASSERT_TRUE(running.count() >= 2 || running.wait(10000));
  EXPECT_EQ(running.first().first().toBool(), true);
  EXPECT_EQ(running.last().first().toBool(), false);

  EXPECT_EQ(doc.Image(), before);
  EXPECT_EQ(doc.IsModified(), modifiedBefore);
  EXPECT_EQ(view->CellText(1, 1), "");
  const QStringList lines = Lines();
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Channel 1 Rx Frequency: 350.00000 → (empty)")))
      << lines.join("\n").toStdString();
  EXPECT_TRUE(dialog->Heading()->text().contains("the radio"));
}

}  // namespace
}  // namespace radio
