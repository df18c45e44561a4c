// File > Export / Import Channels (CSV) driven through the menu commands,
// with file names and the preview answered by the test.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <random>

#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/channel_codec.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_import_dlg.h"
#include "interchange/gbk_name_charset.h"
#include "shell/channel_csv_commands.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "support/run_program.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

constexpr BandLimitBytes kBands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};  // 134-176 / 400-480 MHz

class ChannelCsvGuiTest : public StartedShellTest {
 protected:
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    csv_ = frame_->findChild<ChannelCsvCommands*>();
    ASSERT_NE(csv_, nullptr);
    csv_->SetFileNamePrompt([this](bool save, const QString&) {
      prompts_.push_back(save);
      return nextFile_;
    });
    RadioImage& image = Doc().Image();
    WriteBandLimitBlock(image, kBands);
    Channel(1, {"146.52000", "146.52000", "None", "None", "CALL", "High", "Wide", "Yes", "Off"});
    Channel(3,
            {"145.50000", "145.00000", "D023N", "88.5", "RPT", "Low", "Narrow", "No", "Carrier"});
    view_->FillFromImage();
    Doc().CommitViews();
    Doc().UndoStack().clear();
    previous_ = CChannelImportDlg::SetRunHook([this](CChannelImportDlg& dialog) {
      ++previews_;
      if (inspect_) inspect_(dialog);
      return previewAnswer_;
    });
  }
  void TearDown() override {
    CChannelImportDlg::SetRunHook(previous_);
    StartedShellTest::TearDown();
  }

  CProgramDoc& Doc() { return view_->Document(); }
  void Channel(int channel, const ChannelRow& texts) {
    EncodeChannelRecord(texts, Doc().Image().data() + (channel - 1) * kChannelRecordSize);
  }
  BandLimits Limits() { return DecodeBandLimits(ReadBandLimitBlock(Doc().Image())); }
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = TempPath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  void Import(const QString& path) {
    nextFile_ = path;
    frame_->OnCommand(cmd::kFileImportCsv);
  }

  ChannelCsvCommands* csv_ = nullptr;
  QString nextFile_;
  std::vector<bool> prompts_;
  int previews_ = 0;
  int previewAnswer_ = QDialog::Accepted;
  std::function<void(CChannelImportDlg&)> inspect_;
  CChannelImportDlg::RunHook previous_;
};

TEST_F(ChannelCsvGuiTest, EntriesAreInTheDocumentFileMenuAndWaitForARadioTransfer) {
  QStringList entries;
  for (QAction* a : frame_->MenusDocument().value(0)->actions()) entries << a->text();
  EXPECT_TRUE(entries.contains("Export Channels (CSV)…")) << entries.join('|').toStdString();
  EXPECT_TRUE(entries.contains("Import Channels (CSV)…"));
  for (const int id : {cmd::kFileExportCsv, cmd::kFileImportCsv}) {
    EXPECT_TRUE(frame_->IsCommandEnabled(id));
    frame_->SetRadioBusy(true);
    EXPECT_FALSE(frame_->IsCommandEnabled(id));
    EXPECT_FALSE(frame_->Action(id)->isEnabled());
    frame_->SetRadioBusy(false);
  }
  frame_->SetRadioBusy(true);
  Import(WriteFile("busy.csv", "Location,Frequency\n1,147.000000\n"));
  EXPECT_TRUE(prompts_.empty()) << "a blocked command asks for no file";
  frame_->SetRadioBusy(false);
}

TEST_F(ChannelCsvGuiTest, ExportWritesWhatTheCoreWritesWithGbkNamesAsCharacters) {
  // An ASCII-only table: the file is the command-line program's, byte for byte.
  nextFile_ = TempPath("ascii.csv");
  frame_->OnCommand(cmd::kFileExportCsv);
  ASSERT_EQ(prompts_, std::vector<bool>{true});
  EXPECT_EQ(ReadAll(nextFile_.toStdString()), ExportChannelsCsv(Doc().Image(), Limits()));

  // GBK names become characters; a byte that is no whole character keeps
  // the escape form. A pending grid edit goes into the file.
  Channel(5, {"440.00000", "440.00000", "None", "None", "\xD6\xD0\xCE\xC4", "High", "Wide", "Yes",
              "Off"});
  Channel(6, {"440.10000", "440.10000", "None", "None", "A\xD6", "High", "Wide", "Yes", "Off"});
  view_->FillFromImage();
  ASSERT_TRUE(view_->SetCell(1, kChannelName + 1, "EDITED"));
  nextFile_ = TempPath("gbk.csv");
  frame_->OnCommand(cmd::kFileExportCsv);
  const std::string written = ReadAll(nextFile_.toStdString());
  EXPECT_EQ(written, ExportChannelsCsv(Doc().Image(), Limits(), &GbkNameCharset()));
  EXPECT_NE(written.find("\r\n1,EDITED,146.520000,"), std::string::npos) << written;
  EXPECT_NE(written.find("\r\n5,\xE4\xB8\xAD\xE6\x96\x87,440.000000,"), std::string::npos)
      << written;
  EXPECT_NE(written.find("\r\n6,A\\xD6,440.100000,"), std::string::npos) << written;
  EXPECT_TRUE(messages_.empty());

  // Read back by the import, the file changes nothing.
  Import(QString::fromStdString(nextFile_.toStdString()));
  EXPECT_EQ(previews_, 0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains("no row")) << messages_[0].text.toStdString();
}

TEST_F(ChannelCsvGuiTest, ExportThatCannotWriteSaysSo) {
  nextFile_ = TempPath("no-such-folder/list.csv");
  frame_->OnCommand(cmd::kFileExportCsv);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(messages_[0].text.contains(nextFile_)) << messages_[0].text.toStdString();
  EXPECT_FALSE(QFile::exists(nextFile_));
}

const char kMixedFile[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Power\n"
    "1,\xE4\xB8\xAD\xE6\x96\x87,147.000000,,0.000000,,88.5,FM,High\n"  // good, GBK name
    "2,TOOLONGNAME,146.540000,+,0.600000,Tone,100.0,NFM,Low\n"         // good, name cut
    "3,BAD,999.000000,,0.000000,,,FM,High\n"                           // outside the bands
    "1,DUP,146.600000,,0.000000,,,FM,High\n"                           // channel 1 again
    "5,\\xB0\\xA1,440.000000,,0.000000,,,FM,High\n";                   // escaped GBK name

TEST_F(ChannelCsvGuiTest, ImportPreviewShowsEachRowsDecision) {
  inspect_ = [](CChannelImportDlg& dialog) {
    const QTableWidget* t = dialog.Table();
    ASSERT_EQ(t->rowCount(), 5);
    auto cell = [t](int row, int col) { return t->item(row, col)->text(); };
    for (int r = 0; r < 5; ++r)
      EXPECT_EQ(cell(r, CChannelImportDlg::kLineColumn), QString::number(r + 2));
    EXPECT_EQ(cell(0, CChannelImportDlg::kChannelColumn), "1");
    EXPECT_EQ(cell(3, CChannelImportDlg::kChannelColumn), "1");
    EXPECT_TRUE(cell(0, CChannelImportDlg::kOldColumn).startsWith("146.52000 / 146.52000 MHz"));
    EXPECT_TRUE(cell(0, CChannelImportDlg::kNewColumn).startsWith("147.00000 / 147.00000 MHz"));
    // Names as the file writes them: GBK as characters.
    EXPECT_TRUE(cell(0, CChannelImportDlg::kNewColumn).contains("\"\u4E2D\u6587\""))
        << cell(0, CChannelImportDlg::kNewColumn).toStdString();
    EXPECT_TRUE(cell(4, CChannelImportDlg::kNewColumn).contains("\"\u554A\""));  // B0 A1
    EXPECT_TRUE(cell(0, CChannelImportDlg::kProblemsColumn).isEmpty());
    EXPECT_EQ(cell(1, CChannelImportDlg::kOldColumn), "(empty)");
    EXPECT_TRUE(cell(1, CChannelImportDlg::kProblemsColumn).startsWith("warning: Name:"));
    EXPECT_TRUE(cell(1, CChannelImportDlg::kNewColumn).contains("\"TOOLONGN\""));
    for (const int skipped : {2, 3}) {
      EXPECT_EQ(cell(skipped, CChannelImportDlg::kNewColumn), "skipped: stays as it is");
      EXPECT_FALSE(cell(skipped, CChannelImportDlg::kProblemsColumn).isEmpty());
      EXPECT_NE(t->item(skipped, 0)->background(), t->item(0, 0)->background());
    }
    EXPECT_TRUE(cell(2, CChannelImportDlg::kProblemsColumn).startsWith("Frequency:"));
    EXPECT_TRUE(cell(3, CChannelImportDlg::kProblemsColumn).startsWith("Location:"));
    EXPECT_EQ(dialog.Summary(), "3 channels will change, 2 rows skipped");
    EXPECT_TRUE(dialog.findChild<QPushButton*>()->isEnabled());
  };
  previewAnswer_ = QDialog::Rejected;
  Import(WriteFile("mixed.csv", kMixedFile));
  EXPECT_EQ(previews_, 1);
  EXPECT_EQ(prompts_, std::vector<bool>{false});
}

TEST_F(ChannelCsvGuiTest, AcceptedImportChangesThePlannedChannelsAsOneUndoStep) {
  const RadioImage before = Doc().Image();
  const ChannelImportPlan plan =
      PlanChannelImport(kMixedFile, before, Limits(), Language::English, &GbkNameCharset());
  RadioImage expected = before;
  ApplyChannelImport(plan, expected);
  ASSERT_EQ(plan.ChangedChannels(), 3);

  Import(WriteFile("mixed.csv", kMixedFile));
  ASSERT_EQ(previews_, 1);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(Doc().Image(), expected);
  for (int ch = 1; ch <= kFrRecord; ++ch) {
    const bool named = ch == 1 || ch == 2 || ch == 5;
    auto at = [ch](const RadioImage& i) { return i.data() + (ch - 1) * kChannelRecordSize; };
    EXPECT_EQ(std::equal(at(before), at(before) + kChannelRecordSize, at(Doc().Image())), !named)
        << ch;
  }
  EXPECT_TRUE(Doc().IsModified());
  // The grid shows the new channels.
  EXPECT_EQ(view_->Table()[0][kRxFrequency], "147.00000");
  EXPECT_EQ(view_->Table()[0][kChannelName], "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(view_->Table()[4][kChannelName], "\xB0\xA1");
  EXPECT_EQ(view_->Table()[2][kChannelName], "RPT");

  ASSERT_EQ(Doc().UndoStack().count(), 1);
  EXPECT_EQ(Doc().UndoStack().undoText(), "Import channels from CSV");
  Doc().UndoStack().undo();
  EXPECT_EQ(Doc().Image(), before);
  Doc().UndoStack().redo();
  EXPECT_EQ(Doc().Image(), expected);
}

TEST_F(ChannelCsvGuiTest, CancelledImportChangesNothing) {
  const RadioImage before = Doc().Image();
  previewAnswer_ = QDialog::Rejected;
  Import(WriteFile("mixed.csv", kMixedFile));
  ASSERT_EQ(previews_, 1);
  EXPECT_EQ(Doc().Image(), before);
  EXPECT_EQ(Doc().UndoStack().count(), 0);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(view_->Table()[0][kRxFrequency], "146.52000");
}

TEST_F(ChannelCsvGuiTest, FilesThatImportNothingGiveAMessageAndChangeNothing) {
  const RadioImage before = Doc().Image();
  std::mt19937 random(7);
  QByteArray binary(3000, '\0');
  for (char& b : binary) b = static_cast<char>(random());
  const struct {
    QString path;
    QString says;
  } cases[] = {
      {WriteFile("binary.csv", binary), "is not a channel list"},
      {WriteFile("empty.csv", ""), "is not a channel list"},
      {WriteFile("allbad.csv", "Location,Frequency\n0,146.5\n200,146.5\n3,999\n"),
       "3 rows skipped"},
      {WriteFile("same.csv", "Location,Frequency,Name\n1,146.520000,CALL\n"), "no row"},
      {TempPath("missing.csv"), "cannot be opened"},
      {TempPath(""), "cannot be"},  // a folder
  };
  for (const auto& c : cases) {
    messages_.clear();
    Import(c.path);
    ASSERT_EQ(messages_.size(), 1u) << c.path.toStdString();
    EXPECT_TRUE(messages_[0].text.contains(c.says)) << messages_[0].text.toStdString();
    EXPECT_EQ(Doc().Image(), before) << c.path.toStdString();
  }
  EXPECT_EQ(previews_, 0);
  EXPECT_EQ(Doc().UndoStack().count(), 0);
  EXPECT_FALSE(Doc().IsModified());
}

}  // namespace
}  // namespace radio::test
