#include "print/print_list_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

#include "print/print_commands.h"
#include "widgets/dialog_help.h"

namespace radio {
namespace {

using print::Section;

// Runs Choose() while `during` acts on the open dialog, then presses
// OK (id 1) or Cancel (id 2).
std::optional<print::SectionChoice> ChooseWith(CPrintListDlg& dlg,
                                               const std::function<void()>& during,
                                               int closeId) {
  QTimer::singleShot(0, &dlg, [&] {
    during();
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
      if (ControlId(b) == closeId) b->click();
  });
  return dlg.Choose();
}

TEST(PrintListDlgTest, OpensWithOptionalAndChannelInfoEveryTime) {
  CPrintListDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "PrintList");
  const int ids[] = {1045, 1246, 1247, 1248, 1249};
  const char* texts[] = {"DTMF", "MSK", "Optional", "2-Tone", "Channel Info"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ControlId(dlg.Box(static_cast<Section>(i))), ids[i]);
    EXPECT_EQ(dlg.Box(static_cast<Section>(i))->text(), texts[i]);
  }
  EXPECT_EQ(ControlId(dlg.SelectAllButton()), 1279);
  EXPECT_EQ(ControlId(dlg.ClearAllButton()), 1280);

  auto first = ChooseWith(dlg, [&] { dlg.SelectAllButton()->click(); }, 1);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, (print::SectionChoice{true, true, true, true, true}));
  // The previous choice is not kept.
  bool opening = false;
  auto second = ChooseWith(dlg, [&] {
    opening = dlg.Box(Section::Optional)->isChecked() && dlg.Box(Section::Channels)->isChecked() &&
              !dlg.Box(Section::Dtmf)->isChecked() && !dlg.Box(Section::TwoTone)->isChecked();
  }, 1);
  EXPECT_TRUE(opening);
  ASSERT_TRUE(second);
  EXPECT_EQ(*second, print::kDefaultSections);
}

TEST(PrintListDlgTest, ClicksAreStoredAtOnceAndCancelPrintsNothing) {
  CPrintListDlg dlg;
  print::SectionChoice during{};
  auto chosen = ChooseWith(dlg, [&] {
    dlg.ClearAllButton()->click();
    dlg.Box(Section::Msk)->click();
    during = dlg.Selected();
  }, 2);
  EXPECT_FALSE(chosen);
  EXPECT_EQ(during, (print::SectionChoice{false, true, false, false, false}));

  chosen = ChooseWith(dlg, [&] {
    dlg.Box(Section::Optional)->click();
    dlg.Box(Section::TwoTone)->click();
  }, 1);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, (print::SectionChoice{false, false, false, true, true}));
}

TEST(PrintSetupTest, OpensThePrinterSelectionWithoutAPageChoice) {
#ifdef _WIN32
  GTEST_SKIP() << "the Windows printer selection is the system's own dialog, out of a test's reach";
#endif
  QWidget parent;
  PrintCommands commands(&parent, [] { return PrintData{}; });
  bool seen = false;
  QTimer::singleShot(0, &parent, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    seen = dialog != nullptr;
    if (dialog) {
      EXPECT_EQ(dialog->windowTitle(), "Print Setup");
      EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
    }
    if (modal) modal->close();
  });
  commands.PrintSetup();
  EXPECT_TRUE(seen) << "Print Setup opens the printer selection";
}

}  // namespace
}  // namespace radio
