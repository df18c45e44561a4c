// The document's undo history: every recorded step puts the image back byte
// for byte, and "modified" follows the saved state.
#include "image/program_doc.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUndoStack>

namespace radio {
namespace {

class ProgramDocUndoTest : public testing::Test {
 protected:
  void SetUp() override {
    BandLimitBytes band{};
    band.fill(0xFF);
    doc_.OnNewDocument(band, Language::English, "radioprog");
  }

  // Changes one byte and records it as a step.
  void Edit(std::size_t offset, std::uint8_t value, const QString& text) {
    const RadioImage before = doc_.Image();
    doc_.Image()[offset] = value;
    ASSERT_TRUE(doc_.RecordChange(text, before));
  }

  CProgramDoc doc_;
};

TEST_F(ProgramDocUndoTest, UndoAndRedoReturnEveryEarlierImage) {
  const RadioImage fresh = doc_.Image();
  Edit(0x0100, 0x12, "Edit channel 1");
  const RadioImage first = doc_.Image();
  Edit(0x0100, 0x34, "Edit channel 1 again");
  Edit(0x1700, 0x01, "Optional Features");
  const RadioImage third = doc_.Image();

  doc_.UndoStack().undo();
  doc_.UndoStack().undo();
  EXPECT_EQ(doc_.Image(), first);
  doc_.UndoStack().undo();
  EXPECT_EQ(doc_.Image(), fresh);
  EXPECT_FALSE(doc_.UndoStack().canUndo());
  doc_.UndoStack().redo();
  doc_.UndoStack().redo();
  doc_.UndoStack().redo();
  EXPECT_EQ(doc_.Image(), third);
  EXPECT_EQ(doc_.UndoStack().undoText(), "Optional Features");
}

TEST_F(ProgramDocUndoTest, AnUnchangedImageMakesNoStep) {
  const RadioImage before = doc_.Image();
  EXPECT_FALSE(doc_.RecordChange("Nothing", before));
  EXPECT_EQ(doc_.UndoStack().count(), 0);
  EXPECT_FALSE(doc_.IsModified());
}

TEST_F(ProgramDocUndoTest, ModifiedFollowsTheSavedState) {
  QTemporaryDir dir;
  const QString path = dir.filePath("radio.dat");
  Edit(0x0100, 0x12, "one");
  EXPECT_TRUE(doc_.IsModified());
  QString error;
  ASSERT_TRUE(doc_.OnSaveDocument(path, error)) << error.toStdString();
  EXPECT_FALSE(doc_.IsModified());

  Edit(0x0101, 0x34, "two");
  EXPECT_TRUE(doc_.IsModified());
  doc_.UndoStack().undo();  // back to what is on disk
  EXPECT_FALSE(doc_.IsModified());
  doc_.UndoStack().undo();  // before the save: differs from the file again
  EXPECT_TRUE(doc_.IsModified());
  doc_.UndoStack().redo();
  EXPECT_FALSE(doc_.IsModified());
}

TEST_F(ProgramDocUndoTest, OpeningAFileStartsAFreshHistory) {
  QTemporaryDir dir;
  const QString path = dir.filePath("radio.dat");
  QString error;
  ASSERT_TRUE(doc_.OnSaveDocument(path, error));
  Edit(0x0100, 0x12, "one");
  ASSERT_TRUE(doc_.OnOpenDocument(path, error)) << error.toStdString();
  EXPECT_EQ(doc_.UndoStack().count(), 0);
  EXPECT_FALSE(doc_.IsModified());
  EXPECT_NE(doc_.Image()[0x0100], 0x12);
}

TEST_F(ProgramDocUndoTest, ViewsHearOfUndoneSteps) {
  int refreshes = 0;
  QObject::connect(&doc_, &CProgramDoc::imageChanged, [&] { ++refreshes; });
  Edit(0x0100, 0x12, "one");
  doc_.UndoStack().undo();
  doc_.UndoStack().redo();
  EXPECT_EQ(refreshes, 3);
}

}  // namespace
}  // namespace radio
