// First activation, the sample-font box, the title line and the print button.
#include <QSet>

#include "app/colors.h"
#include "app/text_font.h"
#include "window_fixture.h"

using stroval::TForm19;

namespace {

TEST_F(WindowTest, GridDoesNotExistBeforeFirstActivation) {
  EXPECT_EQ(stroval::Tag(&Window()), 0);
  EXPECT_FALSE(Window().paneWord.IsBuilt());
  EXPECT_EQ(CountTagged(TForm19::kCellTag), 0);
}

TEST_F(WindowTest, FirstActivationBuildsThirtyTwoCellsAtTheirPlaces) {
  Activate();
  const int lefts[] = {10, 130, 250, 370, 490, 610, 730, 850};
  const int tops[] = {120, 240, 360, 480};
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 4; ++r) {
      stroval::Panel* cell = Window().paneWord(c, r);
      ASSERT_NE(cell, nullptr) << c << "," << r;
      EXPECT_EQ(cell->geometry(), QRect(lefts[c - 1], tops[r - 1], 100, 100)) << c << "," << r;
      EXPECT_EQ(cell->parentWidget(), Window().paneWorksheet);
      EXPECT_EQ(stroval::Tag(cell), TForm19::kCellTag);
      EXPECT_TRUE(cell->Caption().isEmpty());
      EXPECT_TRUE(cell->acceptDrops());
    }
  EXPECT_EQ(CountTagged(TForm19::kCellTag), 32);
  EXPECT_EQ(stroval::Tag(&Window()), 1);
}

TEST_F(WindowTest, FirstActivationSetsTheSampleFont) {
  Activate();
  const stroval::TextFont sample = stroval::FontOf(Window().Cfont);
  EXPECT_EQ(sample.font.family(), QStringLiteral("華康標楷筆順體"));
  EXPECT_EQ(sample.font.pointSize(), 60);
  EXPECT_EQ(sample.color, stroval::ColorFromBgr(stroval::clGray));
  EXPECT_EQ(Window().Cfont->Caption(), QStringLiteral("字"));
}

TEST_F(WindowTest, CellsTakeACopyOfTheSampleFont) {
  Activate();
  const stroval::TextFont sample = stroval::FontOf(Window().Cfont);
  const stroval::TextFont cell = stroval::FontOf(Window().paneWord(5, 3));
  EXPECT_EQ(cell.font, sample.font);
  EXPECT_EQ(cell.color, sample.color);
}

TEST_F(WindowTest, SecondActivationCreatesNoSecondGrid) {
  Activate();
  stroval::Panel* first = Window().paneWord(1, 1);
  const int components = Window().ComponentCount();
  Activate();
  EXPECT_EQ(Window().ComponentCount(), components);
  EXPECT_EQ(CountTagged(TForm19::kCellTag), 32);
  EXPECT_EQ(Window().paneWord(1, 1), first);
}

TEST_F(WindowTest, CellsAreOwnedByTheWindowAndShownInTheWorksheet) {
  Activate();
  QSet<QObject*> owned;
  for (int i = 0; i < Window().ComponentCount(); ++i) owned.insert(Window().Components(i));
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(owned.contains(Window().paneWord(c, r)));
}

TEST_F(WindowTest, FontDialogIsSeededWithTheSampleFont) {
  Activate();
  Window().CfontClick(Window().Cfont);
  EXPECT_EQ(dialogs_.fontDialogCalls, 1);
  EXPECT_EQ(dialogs_.lastSeed.font, Window().Cfont->font());
}

TEST_F(WindowTest, CancellingTheFontDialogChangesNothing) {
  Activate();
  const stroval::TextFont before = stroval::FontOf(Window().Cfont);
  dialogs_.confirmFont = false;
  dialogs_.answer = {QFont(QStringLiteral("Liberation Serif"), 20), Qt::red};
  Window().CfontClick(Window().Cfont);
  EXPECT_EQ(Window().Cfont->font(), before.font);
  EXPECT_EQ(stroval::FontOf(Window().Cfont).color, before.color);
}

TEST_F(WindowTest, ConfirmedFontBecomesTheSampleFont) {
  Activate();
  QFont chosen(QStringLiteral("Liberation Serif"), 20);
  chosen.setItalic(true);
  dialogs_.confirmFont = true;
  dialogs_.answer = {chosen, Qt::darkGreen};
  Window().CfontClick(Window().Cfont);
  EXPECT_EQ(Window().Cfont->font(), chosen);
  EXPECT_EQ(stroval::FontOf(Window().Cfont).color, QColor(Qt::darkGreen));
}

TEST_F(WindowTest, NewSampleFontDoesNotChangeExistingCells) {
  Activate();
  const QFont cellFont = Window().paneWord(2, 2)->font();
  dialogs_.confirmFont = true;
  dialogs_.answer = {QFont(QStringLiteral("Liberation Serif"), 20), Qt::red};
  Window().CfontClick(Window().Cfont);
  EXPECT_EQ(Window().paneWord(2, 2)->font(), cellFont);
  EXPECT_EQ(stroval::FontOf(Window().paneWord(2, 2)).color,
            stroval::ColorFromBgr(stroval::clGray));
}

TEST_F(WindowTest, EditingTheTitleUpdatesTheTitleLine) {
  Window().SchTitle->setText(QStringLiteral("培正小學 二年級"));
  EXPECT_EQ(Window().txtSchTitle->Caption(), QStringLiteral("培正小學 二年級"));
}

TEST_F(WindowTest, ClearingTheTitleLeavesTheTitleLineEmpty) {
  Window().SchTitle->clear();
  EXPECT_TRUE(Window().txtSchTitle->Caption().isEmpty());
}

TEST_F(WindowTest, TitleKeepsEveryTypedCharacter) {
  // Characters outside any 8-bit code page, including one outside the BMP, are kept as typed.
  const QString title = QStringLiteral("ひらがな 𠀋 Ελληνικά");
  Window().SchTitle->setText(title);
  EXPECT_EQ(Window().txtSchTitle->Caption(), title);
  EXPECT_FALSE(Window().txtSchTitle->Caption().contains('?'));
}

TEST_F(WindowTest, TitleLineShowsMarkupAsTyped) {
  Window().SchTitle->setText(QStringLiteral("<b>bold</b>"));
  EXPECT_EQ(Window().txtSchTitle->textFormat(), Qt::PlainText);
  EXPECT_EQ(Window().txtSchTitle->text(), QStringLiteral("<b>bold</b>"));
}

}  // namespace
