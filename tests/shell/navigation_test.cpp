// The navigation bar (tree actions, splitter, Close button, Ctrl+B), the
// tiled background and the document window's place.
#include <QAction>
#include <QDockWidget>
#include <QTest>
#include <QTreeWidget>

#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/mdi_background.h"
#include "shell/navigation_bar.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class NavigationTest : public StartedShellTest {
 protected:
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    bar_ = frame_->NavigationBar();
    tree_ = bar_->Tree();
    bar_->SetCursorPositionSource([this] { return pointer_; });
    for (int id : {cmd::kProductInformation, cmd::kOptionalFeatures, cmd::kDtmf, cmd::kTwoTone,
                   cmd::kMsk, cmd::kKeyAssignment, cmd::kSquelchTuning})
      frame_->SetCommandHandler(id, [this, id] { opened_ << id; });
  }
  // Puts the pointer over `item` (nullptr: over no item) and selects `selected`.
  void Choose(QTreeWidgetItem* item, QTreeWidgetItem* selected) {
    const QRect r =
        item ? tree_->visualItemRect(item) : QRect(0, tree_->viewport()->height() - 2, 1, 1);
    pointer_ = tree_->viewport()->mapToGlobal(r.center());
    tree_->setCurrentItem(selected);
  }
  QTreeWidgetItem* Page(int i) const { return bar_->RootItem()->child(i); }

  CNavigationBar* bar_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QPoint pointer_;
  QList<int> opened_;
};

TEST_F(NavigationTest, ChoosingAPageTwiceOpensItTwiceAndReselectsTheRoot) {
  ASSERT_EQ(Page(2)->text(0), "Optional Features");
  Choose(Page(2), Page(2));
  EXPECT_EQ(tree_->currentItem(), bar_->RootItem());
  Choose(Page(2), Page(2));
  Choose(Page(0), Page(0));
  EXPECT_EQ(opened_,
            (QList<int>{cmd::kOptionalFeatures, cmd::kOptionalFeatures, cmd::kProductInformation}));
}

TEST_F(NavigationTest, EverySettingDialogHasATreePage) {
  const QStringList texts = {"DTMF", "2-Tone", "MSK", "Key Assignment", "Squelch Tuning"};
  for (int i = 0; i < texts.size(); ++i) {
    ASSERT_EQ(Page(3 + i)->text(0), texts[i]);
    Choose(Page(3 + i), Page(3 + i));
  }
  EXPECT_EQ(opened_, (QList<int>{cmd::kDtmf, cmd::kTwoTone, cmd::kMsk, cmd::kKeyAssignment,
                                 cmd::kSquelchTuning}));
}

TEST_F(NavigationTest, TheItemUnderThePointerDecidesNotTheSelection) {
  Choose(Page(0), Page(2));           // e.g. a keyboard move while the mouse rests elsewhere
  Choose(nullptr, Page(2));           // pointer over no item: nothing opens
  Choose(bar_->RootItem(), Page(1));  // the company caption opens nothing
  EXPECT_EQ(opened_, QList<int>{cmd::kProductInformation});
}

TEST_F(NavigationTest, ChannelInformationShowsTheHiddenDocumentWindowAgain) {
  CChildFrame* doc = frame_->DocumentFrames().front();
  doc->close();
  ASSERT_TRUE(doc->isHidden());
  Choose(Page(1), Page(1));
  EXPECT_FALSE(doc->isHidden());
  EXPECT_EQ(frame_->ActiveFrame(), doc);
}

TEST_F(NavigationTest, SplitterWidthIsAtLeastElevenAndAtMostHalfTheFrame) {
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(10, 1000), 11);
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(-40, 1000), 11);
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(11, 1000), 11);
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(300, 1000), 300);
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(501, 1000), 500);
  EXPECT_EQ(CNavigationBar::WidthForSplitterAt(900, 1001), 500);
}

TEST_F(NavigationTest, DraggingTheSplitterSetsTheBarWidth) {
  const QPoint grip = bar_->SplitterRect().center();
  QTest::mousePress(bar_, Qt::LeftButton, {}, grip);
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, QPoint(5, grip.y()));
  EXPECT_EQ(bar_->width(), 11);

  QTest::mousePress(bar_, Qt::LeftButton, {}, bar_->SplitterRect().center());
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, QPoint(frame_->width(), grip.y()));
  EXPECT_EQ(bar_->width(), frame_->width() / 2);

  QTest::mousePress(bar_, Qt::LeftButton, {}, bar_->SplitterRect().center());
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, QPoint(240, grip.y()));
  EXPECT_EQ(bar_->width(), 240);
}

TEST_F(NavigationTest, CloseButtonHidesTheBarAndControlBarBringsItBack) {
  QAction* controlBar = frame_->Action(cmd::kViewControlBar);
  EXPECT_TRUE(controlBar->isChecked());
  const QPoint button = bar_->CloseButtonRect().center();
  QTest::mouseMove(bar_, button);
  EXPECT_TRUE(bar_->CloseButtonHot());
  QTest::mousePress(bar_, Qt::LeftButton, {}, button);
  EXPECT_TRUE(bar_->CloseButtonPressed());
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, button);
  EXPECT_TRUE(frame_->NavigationDock()->isHidden());
  EXPECT_FALSE(controlBar->isChecked());

  frame_->OnCommand(cmd::kViewControlBar);
  EXPECT_FALSE(frame_->NavigationDock()->isHidden());
  EXPECT_TRUE(controlBar->isChecked());
  controlBar->trigger();  // Ctrl+B's action
  EXPECT_TRUE(frame_->NavigationDock()->isHidden());
  EXPECT_FALSE(controlBar->isChecked());
  EXPECT_EQ(controlBar->shortcut(), QKeySequence("Ctrl+B"));
}

TEST_F(NavigationTest, ReleasingAwayFromThePressedCloseButtonKeepsTheBar) {
  const QPoint button = bar_->CloseButtonRect().center();
  QTest::mouseMove(bar_, button);
  QTest::mousePress(bar_, Qt::LeftButton, {}, button);
  QTest::mouseMove(bar_, QPoint(button.x(), button.y() + 200));
  EXPECT_FALSE(bar_->CloseButtonHot());
  EXPECT_FALSE(bar_->CloseButtonPressed());
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, QPoint(button.x(), button.y() + 200));
  EXPECT_FALSE(frame_->NavigationDock()->isHidden());
}

TEST_F(NavigationTest, PaintedGeometryFollowsTheInnerFrame) {
  const QRect inner = bar_->InnerFrame();
  EXPECT_EQ(inner, bar_->rect().adjusted(3, 6, -6, -49));
  EXPECT_EQ(bar_->SplitterRect().left(), inner.right() + 1);
  EXPECT_EQ(bar_->SplitterRect().width(), 6);
  EXPECT_TRUE(inner.contains(bar_->CloseButtonRect()));
  EXPECT_TRUE(inner.contains(tree_->geometry()));
  EXPECT_EQ(tree_->objectName(), "1030");
}

TEST_F(NavigationTest, BackgroundTilesTheShippedPictureOrTheBuiltInOne) {
  EXPECT_EQ(CMdiBackground::LoadPicture(ProgramDir()).size(), QSize(64, 64));
  RemoveFromProgramDir("background.bmp");
  const QPixmap builtIn = CMdiBackground::LoadPicture(ProgramDir());
  ASSERT_FALSE(builtIn.isNull());
  EXPECT_EQ(builtIn.size(), QSize(32, 32));
  EXPECT_EQ(frame_->MdiArea()->background().style(), Qt::TexturePattern);
}

}  // namespace
}  // namespace radio::test
