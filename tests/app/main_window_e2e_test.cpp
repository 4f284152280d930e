// Drives the real window as a user would: shown and activated by the window system, a word typed
// and generated, a label dropped on a cell, and the result checked on the grabbed picture.
#include <QDropEvent>
#include <QImage>
#include <QTest>

#include "app/drag_source_mime.h"
#include "window_fixture.h"

using stroval::TForm19;

namespace {

bool IsInk(QColor pixel, QColor background) {
  const auto distance = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
  };
  return distance(pixel, background) > 120;
}

// Pixels of `area` (in window coordinates) that differ clearly from `background`.
int InkPixels(const QImage& image, const QRect& area, QColor background) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      count += IsInk(image.pixelColor(x, y), background);
  return count;
}

class MainWindowEndToEnd : public WindowTest {
 protected:
  void ShowAndActivate() {
    Window().show();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  }

  // The inside of a cell, without its bevel, in window coordinates.
  QRect CellInside(int column, int row) {
    stroval::Panel* cell = Window().paneWord(column, row);
    return QRect(cell->mapTo(&Window(), QPoint(0, 0)), cell->size()).adjusted(3, 3, -3, -3);
  }

  void Drop(stroval::Label* label, stroval::Panel* cell) {
    stroval::DragSourceMime data(label);
    const QPoint at(50, 50);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &move);
    ASSERT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &drop);
    ASSERT_TRUE(drop.isAccepted());
  }
};

TEST_F(MainWindowEndToEnd, ComposingASheetShowsTheWordInTheGrid) {
  ShowAndActivate();
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Orlavo\u3000Quilltrace"));
  EXPECT_EQ(Window().size(), QSize(TForm19::kClientWidth, TForm19::kClientHeight));
  EXPECT_EQ(stroval::Tag(&Window()), 1);
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 4; ++r) {
      stroval::Panel* cell = Window().paneWord(c, r);
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(cell->mapTo(Window().paneWorksheet, QPoint(0, 0)),
                QPoint((c - 1) * 120 + 10, r * 120));
      EXPECT_TRUE(cell->isVisible());
    }

  // Type a word over the hint and generate its palette.
  QTest::mouseClick(Window().edtInput, Qt::LeftButton);
  Window().edtInput->selectAll();
  // Key clicks that carry the characters, as an input method delivers them one by one.
  for (QChar character : QStringLiteral("永字八法"))
    QTest::sendKeyEvent(QTest::Click, Window().edtInput, Qt::Key_unknown, QString(character),
                        Qt::NoModifier);
  ASSERT_EQ(Window().edtInput->text(), QStringLiteral("永字八法"));
  QTest::mouseClick(Window().Button1, Qt::LeftButton);
  const std::vector<stroval::Label*> labels = PaletteLabels();
  ASSERT_EQ(labels.size(), 4u);
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->pos(), QPoint(int(i) * 120 + 10, 5));
    EXPECT_EQ(labels[i]->Caption(), QString(QStringLiteral("永字八法").at(int(i))));
    EXPECT_TRUE(labels[i]->isVisible());
  }

  // Drop the first label on column 3 of row 2: columns 3..8 of that row take it.
  Drop(labels[0], Window().paneWord(3, 2));
  EXPECT_EQ(Row(2), QStringLiteral("||永|永|永|永|永|永"));
  EXPECT_EQ(Row(1), QStringLiteral("|||||||"));

  QApplication::processEvents();
  const QImage image = Window().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString keep = qEnvironmentVariable("STROVAL_E2E_SCREENSHOT");
  if (!keep.isEmpty()) image.save(keep);
  ASSERT_EQ(image.size(), QSize(1109, 762));

  const QColor face(0xF0, 0xF0, 0xF0);
  for (int c = 1; c <= 8; ++c)
    for (int r : {1, 3, 4})
      EXPECT_EQ(image.pixelColor(CellInside(c, r).center()), face) << "empty cell " << c << r;
  EXPECT_EQ(image.pixelColor(QPoint(115, 165 + 170)), QColor(Qt::white)) << "between cells";
  EXPECT_EQ(image.pixelColor(QPoint(1000, 124)), QColor(0x00, 0xFF, 0xFF)) << "palette strip";
  EXPECT_EQ(image.pixelColor(QPoint(1000, 40)), QColor(0x80, 0xFF, 0x80)) << "input bar";
  EXPECT_GT(InkPixels(image, CellInside(3, 2), face), 200) << "glyph in a filled cell";
  EXPECT_GT(InkPixels(image, CellInside(8, 2), face), 200) << "glyph at the end of the row";
  EXPECT_EQ(InkPixels(image, CellInside(2, 2), face), 0) << "cell left of the drop";
  EXPECT_EQ(InkPixels(image, CellInside(3, 1), face), 0) << "cell of another row";
  const QRect firstLabel(labels[0]->mapTo(&Window(), QPoint(0, 0)), labels[0]->size());
  EXPECT_GT(InkPixels(image, firstLabel, Qt::white), 200) << "palette character";
}

TEST_F(MainWindowEndToEnd, ReturningToTheWindowBuildsNoSecondGrid) {
  ShowAndActivate();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ShowAndActivate();
  EXPECT_EQ(CountTagged(TForm19::kCellTag), 32);
  EXPECT_EQ(Window().paneWorksheet->findChildren<stroval::Panel*>().size(), 32);
}

}  // namespace
