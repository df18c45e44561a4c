// A channel view over a fresh document with bands 134-176 / 400-480 MHz,
// shown on the offscreen platform, with every message box captured.
#pragma once

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "base/app_context.h"
#include "base/message_box.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/program_doc.h"

namespace radio {

constexpr BandLimitBytes kTestBands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};

class ChannelViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App().language = Language::English;
    App().band = BandState{};
    SetMessageHook([this](const MessageRequest& m) {
      messages.push_back(m);
      return QMessageBox::Ok;
    });
    BandLimitBytes bytes = kTestBands;
    doc.Image() = MakeNewImage(bytes);
  }
  void TearDown() override {
    view.reset();
    SetMessageHook({});
    App().language = Language::English;
  }

  void MakeView() {
    view = std::make_unique<CProgramView>(doc);
    view->resize(1000, 600);
    view->show();
    view->OnInitialUpdate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  CFlexGrid* Grid() const { return view->Grid(); }
  void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Grid()->viewport(), button, {}, Grid()->CellRect(row, col).center());
  }
  QLineEdit* FrequencyEdit() const { return qobject_cast<QLineEdit*>(view->Editor(1127)); }
  // Clicks the cell, types into its editor and clicks `leaveTo` to leave it.
  void TypeInto(int row, int col, const QString& text, int leaveRow, int leaveCol) {
    ClickCell(row, col);
    auto* line = qobject_cast<QLineEdit*>(view->OpenEditor());
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
    ClickCell(leaveRow, leaveCol);
  }
  QStringList Row(int row) const {
    QStringList texts;
    for (int c = 1; c <= 9; ++c) texts << view->CellText(row, c);
    return texts;
  }

  CProgramDoc doc;
  std::unique_ptr<CProgramView> view;
  std::vector<MessageRequest> messages;
};

}  // namespace radio
