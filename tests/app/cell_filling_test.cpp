// Dropping palette labels on grid cells.
#include <QDragEnterEvent>
#include <QDrag>
#include <QMimeData>
#include <QTest>

#include "app/drag_source_mime.h"
#include "window_fixture.h"

using stroval::TForm19;

namespace {

class CellFillingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Activate();
    Generate(QStringLiteral("春夏秋冬"));
  }
};

struct DropCase {
  int label;
  int column;
  int row;
  const char* expectedRow;
};

TEST_F(CellFillingTest, DropFillsTheTargetAndEveryCellToItsRight) {
  const DropCase cases[] = {
      {1, 1, 1, "春|春|春|春|春|春|春|春"},  // column 1: the whole row
      {2, 8, 2, "|||||||夏"},                // column 8: that cell only
      {3, 4, 3, "|||秋|秋|秋|秋|秋"},
      {4, 7, 4, "||||||冬|冬"},
  };
  for (const DropCase& c : cases) {
    Drop(c.label, c.column, c.row);
    EXPECT_EQ(Row(c.row), QString::fromUtf8(c.expectedRow)) << c.row;
  }
}

TEST_F(CellFillingTest, DropLeavesTheOtherRowsAlone) {
  Drop(1, 1, 2);
  EXPECT_EQ(Row(1), QStringLiteral("|||||||"));
  EXPECT_EQ(Row(3), QStringLiteral("|||||||"));
  EXPECT_EQ(Row(4), QStringLiteral("|||||||"));
}

TEST_F(CellFillingTest, DropReplacesCharactersInTheCellAndToItsRight) {
  Drop(1, 1, 1);
  Drop(2, 5, 1);
  EXPECT_EQ(Row(1), QStringLiteral("春|春|春|春|夏|夏|夏|夏"));
}

TEST_F(CellFillingTest, FillingFollowsPositionsOnScreenNotGridIndexes) {
  // Swap the places of cells [2,1] and [7,1]; a drop on column 5 then fills what lies right of it.
  stroval::Panel* second = Window().paneWord(2, 1);
  stroval::Panel* seventh = Window().paneWord(7, 1);
  const QPoint secondPos = second->pos();
  second->move(seventh->pos());
  seventh->move(secondPos);
  Drop(1, 5, 1);
  EXPECT_EQ(second->Caption(), QStringLiteral("春"));
  EXPECT_TRUE(seventh->Caption().isEmpty());
}

TEST_F(CellFillingTest, CharacterReachesTheCellsAsTyped) {
  // No 8-bit code page stands between the word box and the cells: nothing becomes "?".
  Generate(QStringLiteral("あ한"));
  Drop(1, 1, 1);
  Drop(2, 5, 1);
  EXPECT_EQ(Row(1), QStringLiteral("あ|あ|あ|あ|한|한|한|한"));
}

TEST_F(CellFillingTest, DragOverAcceptsOnlyPaletteLabels) {
  stroval::Panel* cell = Window().paneWord(3, 3);
  stroval::Panel otherPanel;
  stroval::SetTag(&otherPanel, TForm19::kPaletteLabelTag);  // right tag, wrong kind
  stroval::Label untagged;
  struct Case {
    const char* what;
    QObject* source;
    bool accepted;
  };
  const Case cases[] = {
      {"palette label", PaletteLabels().front(), true},
      {"sample-font box", Window().Cfont, false},
      {"label without the palette tag", &untagged, false},
      {"panel with the palette tag", &otherPanel, false},
      {"grid cell", Window().paneWord(1, 1), false},
      {"edit box", Window().edtInput, false},
      {"nothing", nullptr, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Window().paneWS_DragOver(cell, c.source), c.accepted) << c.what;
}

TEST_F(CellFillingTest, DropOfAnythingElseIsIgnored) {
  Window().paneWS_DragDrop(Window().paneWord(1, 1), Window().Cfont);
  Window().paneWS_DragDrop(Window().paneWord(1, 1), nullptr);
  Window().paneWS_DragDrop(Window().paneWord(1, 1), Window().paneWord(2, 1));
  EXPECT_EQ(Row(1), QStringLiteral("|||||||"));
}

// Sends a drag of `data` over `cell` and drops it there, as the window system does.
bool DragAndDrop(QWidget* cell, const QMimeData* data) {
  const QPointF centre = QRectF(cell->rect()).center();
  QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &enter);
  if (!enter.isAccepted()) return false;
  QDragMoveEvent move(centre.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &drop);
  return drop.isAccepted();
}

TEST_F(CellFillingTest, CellTakesADragOfAPaletteLabel) {
  stroval::DragSourceMime data(PaletteLabels().at(2));
  EXPECT_TRUE(DragAndDrop(Window().paneWord(6, 2), &data));
  EXPECT_EQ(Row(2), QStringLiteral("|||||秋|秋|秋"));
}

TEST_F(CellFillingTest, CellRefusesTextDraggedFromElsewhere) {
  QMimeData text;
  text.setText(QStringLiteral("春"));
  EXPECT_FALSE(DragAndDrop(Window().paneWord(1, 2), &text));
  EXPECT_EQ(Row(2), QStringLiteral("|||||||"));
}

TEST_F(CellFillingTest, DragOfAFreedLabelIsRefused) {
  stroval::DragSourceMime data(PaletteLabels().front());
  Generate(QStringLiteral("新"));  // frees the label the drag was carrying
  EXPECT_EQ(data.Source(), nullptr);
  EXPECT_FALSE(DragAndDrop(Window().paneWord(1, 1), &data));
}

TEST_F(CellFillingTest, PressingAndMovingOnALabelStartsADragOfIt) {
  stroval::Label* label = PaletteLabels().front();
  Window().show();
  QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseMove(label, QPoint(5 + QApplication::startDragDistance() + 5, 5));
  // The offscreen window system ends every drag at once; the drag object is left behind until
  // the event loop deletes it.
  const QDrag* drag = label->findChild<QDrag*>();
  ASSERT_NE(drag, nullptr);
  EXPECT_EQ(stroval::DragSourceMime::SourceOf(drag->mimeData()), label);
}

}  // namespace
