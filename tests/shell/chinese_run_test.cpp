// A Chinese run is Chinese wherever the program writes text: the main
// window, every dialog, the message boxes, and Qt's own buttons and file
// dialogs. Every text shown is checked, and every tr() the run asks of the
// catalogs must have found a Chinese translation.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>
#include <cstdlib>
#include <optional>
#include <set>

#include "base/app_context.h"
#include "base/message_box.h"
#include "channels/program_view.h"
#include "compare/compare_dlg.h"
#include "image/dat_file.h"
#include "link/process_dlg.h"
#include "print/print_commands.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/navigation_bar.h"
#include "shell/radio_commands.h"
#include "support/held_link.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

// Texts without Chinese that a Chinese run shows on purpose.
bool AllowedWithoutChinese(QString text) {
  // Names of the radio's signalling, tones and keys, units, and the
  // file and port names the user types or sees on the radio itself.
  static const std::set<QString> kNames = {
      "DTMF",    "MSK", "QT", "DQT", "PTT", "ID", "STR", "Hz", "MHz", "kHz", "CSV", "PDF", "COM",
      "Fr",       // the FR record's row label, the same in both languages
      "Tone",     // "2-Tone1" ... the decode pages, as the printed pages name them
      "English",  // the Language dialog names each language in its own script
  };
  // Tone codes of the tone list (D023N, D754I), the MSK types as the
  // printed page names them, the DTMF keys A-D, and the serial devices
  // shown beside the ports.
  text.remove(QRegularExpression("\\bD[0-7]{3}[NI]\\b|\\bMSK-II?\\b|^[A-D]$|/dev/\\S+"));
  const QRegularExpression word("[A-Za-z]+");
  for (auto it = word.globalMatch(text); it.hasNext();)
    if (!kNames.count(it.next().captured())) return false;
  return true;
}

bool HasChinese(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) {
    return (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) ||
           (c.unicode() >= 0x3000 && c.unicode() <= 0x303F) ||
           (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
  });
}

// Asked of the catalogs last: records every text of the program's own
// contexts that no catalog translated.
class MissedTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString where = QString::fromUtf8(context);
    if (where.startsWith("radio::") || where == "QObject")
      missed.insert(where + ": " + QString::fromUtf8(source));
    return {};
  }
  bool isEmpty() const override { return false; }
  mutable std::set<QString> missed;
};

class ChineseRunTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    QCoreApplication::installTranslator(&missed_);  // first in, asked last
    ASSERT_NE(frame_ = StartIn("Chinese"), nullptr);
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&missed_);
    ShellTest::TearDown();
  }

  void Check(const QString& where, QString text) {
    text.remove('&');
    // Model names and branding come from Program.ini, not from the program.
    for (int n = 1; n <= 19; ++n)
      if (text == App().SetupText(("Type" + std::to_string(n)).c_str())) return;
    if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    if (text.trimmed().isEmpty() || HasChinese(text) || AllowedWithoutChinese(text)) return;
    english_.insert(where + ": " + text);
  }
  // Every text a window shows: its title, labels, buttons, group titles,
  // tabs, list and table entries, headers and tooltips, on every tab page
  // and in every in-place editor, shown now or not.
  void CheckWindow(QWidget* window) {
    const QString where = window->metaObject()->className();
    Check(where, window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
      Check(where, w->toolTip());
      if (auto* label = qobject_cast<QLabel*>(w)) Check(where, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(w)) Check(where, button->text());
      if (auto* group = qobject_cast<QGroupBox*>(w)) Check(where, group->title());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) Check(where, edit->placeholderText());
      if (auto* tabs = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < tabs->count(); ++i) Check(where, tabs->tabText(i));
      if (auto* combo = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < combo->count(); ++i) Check(where, combo->itemText(i));
      if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
        for (int i = 0; i < header->count(); ++i)
          Check(where, header->model()->headerData(i, header->orientation()).toString());
      if (auto* tree = qobject_cast<QTreeWidget*>(w))
        for (QTreeWidgetItemIterator it(tree); *it; ++it) Check(where, (*it)->text(0));
      if (auto* list = qobject_cast<QListWidget*>(w))
        for (int i = 0; i < list->count(); ++i) Check(where, list->item(i)->text());
    }
  }
  void CheckMenus() {
    for (const QList<QMenu*>& menus : {frame_->MenusNoDocument(), frame_->MenusDocument()})
      for (QMenu* menu : menus) {
        Check("menu", menu->title());
        for (QAction* action : menu->actions()) {
          Check("menu", action->text());
          Check("menu", action->statusTip());
          Check("menu", action->toolTip());
        }
      }
  }
  // Runs command `id`; the modal dialog it opens is checked and closed.
  // Returns its title.
  QString CheckDialogOf(int id) {
    std::optional<QString> title;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        title = dialog->windowTitle();
        CheckWindow(dialog);
        dialog->reject();
      }
    });
    frame_->OnCommand(id);
    EXPECT_TRUE(title.has_value()) << "command " << id << " showed no dialog";
    return title.value_or(QString());
  }

  MissedTexts missed_;
  CMainFrame* frame_ = nullptr;
  std::set<QString> english_;
};

// The warnings and questions of files and transfers, each when it comes:
// a folder opened as a radio file, a save that could keep no .bak, and
// Exit during a write, answered Yes (the question, then the stopped write).
TEST_F(ChineseRunTest, FileAndTransferMessagesAreChinese) {
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("folder.dat"));
  EXPECT_EQ(frame_->OpenDocumentFile(TempPath("folder.dat")), nullptr);
  const QString target = MakeFile("radio.dat", 6144);
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("radio.dat.bak"));
  frame_->SetFileNamePrompt([&](bool, const QString&) { return target; });
  frame_->ActiveFrame()->Document().ImageChanged(true);
  frame_->OnCommand(cmd::kFileSave);
  ASSERT_EQ(messages_.size(), 2u);

  VirtualRadio radio;
  auto link = std::make_shared<HeldLink>(radio, kWritePreludeChunks + 30);
  links_.Use(link);
  frame_->OnCommand(cmd::kWrite);
  auto* commands = frame_->ActiveFrame()->View().findChild<RadioCommands*>();
  ASSERT_NE(commands, nullptr);
  QTest::mouseClick(commands->ProcessDialog().StartButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return link->Held(); }, 10000));
  answers_ = {QMessageBox::Yes};
  frame_->Action(cmd::kAppExit)->trigger();
  link->Release();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !frame_->RadioBusy(); }, 10000));
  ASSERT_GE(messages_.size(), 4u);
  EXPECT_TRUE(messages_[3].text.startsWith(QString::fromUtf8("写入在 5 % 处中断")))
      << messages_[3].text.toStdString();

  // Beyond the file names, not one English word.
  for (const MessageRequest& m : messages_) {
    QString text = m.text;
    text.remove(workDir_.path()).remove(QDir::toNativeSeparators(workDir_.path()));
    text.remove(QRegularExpression("[\\w.]+\\.(dat|bak)"));
    EXPECT_TRUE(HasChinese(text) && AllowedWithoutChinese(text)) << m.text.toStdString();
  }
  std::string report;
  for (const QString& text : missed_.missed) report += text.toStdString() + "\n";
  EXPECT_TRUE(missed_.missed.empty()) << "no Chinese translation:\n" << report;
}

TEST_F(ChineseRunTest, EveryWindowAndDialogShowsChinese) {
  CheckWindow(frame_);
  CheckMenus();
  for (int id :
       {cmd::kComSetup, cmd::kLanguage, cmd::kAppAbout, cmd::kFileOpenBackup, cmd::kFilePrint})
    CheckDialogOf(id);
  // The setting dialogs carry the titles of their navigation-tree entries.
  const QTreeWidgetItem* root = frame_->NavigationBar()->Tree()->topLevelItem(0);
  const std::pair<int, int> pages[] = {{0, cmd::kProductInformation},
                                       {2, cmd::kOptionalFeatures},
                                       {3, cmd::kDtmf},
                                       {4, cmd::kTwoTone},
                                       {5, cmd::kMsk},
                                       {6, cmd::kKeyAssignment},
                                       {7, cmd::kSquelchTuning}};
  for (const auto& [entry, id] : pages)
    EXPECT_EQ(CheckDialogOf(id), root->child(entry)->text(0)) << "command " << id;
  // The modeless windows: Compare With and the Process dialog of Read.
  for (int id : {cmd::kFileCompareWith, cmd::kRead}) {
    frame_->OnCommand(id);
    QDialog* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) shown = dialog;
    ASSERT_NE(shown, nullptr) << "command " << id;
    CheckWindow(shown);
    shown->close();
  }
  // The questions of New and of closing with unsaved changes.
  answers_ = {QMessageBox::Cancel, QMessageBox::Cancel};
  frame_->OnCommand(cmd::kFileNew);
  frame_->ActiveView()->SetCell(1, 1, "145.5");
  frame_->close();
  ASSERT_EQ(messages_.size(), 2u);
  for (const MessageRequest& m : messages_) Check("message", m.text);

  std::string report;
  for (const QString& text : english_) report += text.toStdString() + "\n";
  EXPECT_TRUE(english_.empty()) << "shown without Chinese:\n" << report;
  report.clear();
  for (const QString& text : missed_.missed) report += text.toStdString() + "\n";
  EXPECT_TRUE(missed_.missed.empty()) << "no Chinese translation:\n" << report;
}

// A GBK name reads as the grid shows it in the exported PDF and in the
// compare list.
TEST_F(ChineseRunTest, NamesPrintAndCompareAsTheGridShowsThem) {
  BandLimitBytes bands{};
  RadioImage image = MakeNewImage(bands);
  const auto store = [&](const char* name) {
    EncodeChannelRecord(
        {"350.50000", "350.50000", "None", "None", name, "High", "Wide", "Yes", "Off"},
        image.data());
  };
  std::string error;
  store("\xD6\xD0\xBC\xCC\xCC\xA8");  // 中继台
  ASSERT_TRUE(SaveDatFile(TempPath("gbk.dat").toStdString(), image, error)) << error;
  store("CALL");
  ASSERT_TRUE(SaveDatFile(TempPath("call.dat").toStdString(), image, error)) << error;
  ASSERT_NE(frame_->OpenDocumentFile(TempPath("gbk.dat")), nullptr);
  const QString shown = frame_->ActiveView()->CellText(1, 5);
  ASSERT_EQ(shown, QString::fromUtf8("中继台"));

  frame_->OnCommand(cmd::kFileCompareWith);
  auto* compare = frame_->ActiveView()->findChild<CCompareDlg*>();
  ASSERT_NE(compare, nullptr);
  compare->SetFilePrompt([this](const QString&, const QString&) { return TempPath("call.dat"); });
  compare->CompareWithFile();
  const auto* list = compare->findChild<QListWidget*>();
  ASSERT_TRUE(list && list->count() > 0);
  EXPECT_EQ(list->item(0)->text(), "信道 1 信道名字: CALL → " + shown);
  compare->close();

  if (std::system("command -v pdftotext >/dev/null") != 0)
    GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh)";
  auto* printing = frame_->findChild<PrintCommands*>();
  ASSERT_NE(printing, nullptr);
  printing->SetFileNamePrompt([this](const QString&) { return TempPath("zh.pdf"); });
  QTimer::singleShot(0, [] {
    if (auto* choice = qobject_cast<QDialog*>(QApplication::activeModalWidget())) choice->accept();
  });
  printing->ExportPdf();
  const QString text = TempPath("zh.txt");
  ASSERT_EQ(std::system(("pdftotext '" + TempPath("zh.pdf") + "' '" + text + "'").toUtf8()), 0);
  QFile read(text);
  ASSERT_TRUE(read.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(read.readAll()).contains(shown));
}

// The boxes themselves: Chinese buttons, and the whole caption in view.
TEST_F(ChineseRunTest, MessageBoxesHaveChineseButtonsAndRoomForTheirCaption) {
  const QString caption = QString::fromUtf8("对讲机写频软件 无线电编程器 经销商版本 2026");
  auto box =
      MakeMessageBox(frame_, {QString::fromUtf8("好"), caption, QMessageBox::Question,
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel});
  box->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(box->button(QMessageBox::Save)->text(), QString::fromUtf8("保存(&S)"));
  EXPECT_EQ(box->button(QMessageBox::Discard)->text(), QString::fromUtf8("不保存(&D)"));
  EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QString::fromUtf8("取消"));
  QFont title = QApplication::font("QMdiSubWindowTitleBar");
  title.setBold(true);
  EXPECT_GE(box->width(), QFontMetrics(title).horizontalAdvance(caption) + 100);
  box->close();
}

// Qt's own texts (file dialogs, standard buttons) come from Qt's Chinese
// catalog, which the set-up script installs.
TEST_F(ChineseRunTest, QtsOwnTextsAreChinese) {
  const QString catalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm";
  if (!QFile::exists(catalog))
    GTEST_SKIP() << "qt6-translations-l10n not installed (scripts/setup.sh)";
  EXPECT_TRUE(HasChinese(QCoreApplication::translate("QFileDialog", "File &name:")));
}

}  // namespace
}  // namespace radio::test
