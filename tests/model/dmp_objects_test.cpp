// The text-mode (dot-matrix) page and objects: the character grid their geometry snaps to, the
// cells a text takes, splitting in whole rows, printer command bytes, and their drawing as
// characters in cells.
#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>

#include "pages_fixture.h"
#include "qstring_printer.h"
#include "report/objects/class_info.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_line_view.h"
#include "report/textmode/dmp_memo_view.h"
#include "report/textmode/dmp_page.h"
#include "text_capture_device.h"

namespace {

class DMPObjects : public ::testing::Test {
 protected:
  TrpCustomReport Report;
  TrpDMPPage* Page = new TrpDMPPage(&Report);
  TrpMasterData* Band = new TrpMasterData(Page);
};

// Left and width go to whole columns of 9.6 units, top and height to whole rows of 17 (halves
// to even); bands do so on a text-mode page, the text-mode objects wherever they are.
TEST_F(DMPObjects, PositionsAndSizesSnapToTheCharacterGrid) {
  auto* memo = new TrpDMPMemoView(Band);
  auto* line = new TrpDMPLineView(Band);
  auto* command = new TrpDMPCommand(Band);
  auto* loose = new TrpDMPMemoView(new TrpReportPage(&Report));
  const struct {
    const char* what;
    TrpComponent* object;
    Extended left, top, width, height;      // given
    Extended gotLeft, gotTop, gotWidth, gotHeight;  // kept
  } cases[] = {
      {"band", Band, 15, 20, 500, 30, 19.2L, 17, Band->Width(), 34},
      {"band at a half row", Band, 4.7L, 8.5L, 0, 25.5L, 0, 0, Band->Width(), 34},
      {"memo", memo, 15, 20, 100, 30, 19.2L, 17, 96, 34},
      {"memo at a half row", memo, 14.5L, 25.5L, 4.7L, 8.5L, 19.2L, 34, 0, 0},
      {"memo beyond one column", memo, 9.7L, 17.1L, 200, 17, 9.6L, 17, 201.6L, 17},
      {"horizontal line", line, 3, 40, 190, 0, 0, 34, 192, 0},
      {"vertical line", line, 100, 0, 0, 60, 96, 0, 0, 68},
      {"command", command, 50, 50, 1, 1, 48, 51, 0, 0},
      {"memo on an ordinary page", loose, 15, 20, 100, 30, 19.2L, 17, 96, 34},
  };
  for (const auto& c : cases) {
    c.object->SetBounds(c.left, c.top, c.width, c.height);
    if (c.object == Band) {
      // A band's width follows its page (AlignChildren); only its position and height snap.
      EXPECT_MM(c.object->Left(), c.gotLeft) << c.what;
      EXPECT_MM(c.object->Top(), c.gotTop) << c.what;
      EXPECT_MM(c.object->Height(), c.gotHeight) << c.what;
      continue;
    }
    EXPECT_MM(c.object->Left(), c.gotLeft) << c.what;
    EXPECT_MM(c.object->Top(), c.gotTop) << c.what;
    EXPECT_MM(c.object->Width(), c.gotWidth) << c.what;
    EXPECT_MM(c.object->Height(), c.gotHeight) << c.what;
  }
}

QString cells(const std::vector<TrpCellLine>& lines) {
  QStringList out;
  for (const TrpCellLine& line : lines) out << QStringLiteral("%1,%2:%3").arg(line.Row).arg(line.Column).arg(line.Text);
  return out.join(u'|');
}

// A text in cells: wrapped at the width in columns, aligned in the spare cells and rows; wide
// characters take two cells; the height it needs is its lines in rows.
TEST_F(DMPObjects, TextsAreLaidOutInCells) {
  auto* memo = new TrpDMPMemoView(Band);
  const struct {
    const char* what;
    QString text;
    Extended width, height;  // units
    TrpHAlign halign;
    TrpVAlign valign;
    bool wrap;
    const char* laidOut;
    Extended needed;  // CalcHeight
  } cases[] = {
      {"left", "abc", 96, 17, haLeft, vaTop, true, "0,0:abc", 17},
      {"right", "abc", 96, 17, haRight, vaTop, true, "0,7:abc", 17},
      {"centre", "abc", 96, 17, haCenter, vaTop, true, "0,3:abc", 17},
      {"wrapped at a space", "one two three", 76.8L, 51, haLeft, vaTop, true, "0,0:one two|1,0:three", 34},
      {"not wrapped", "one two three", 76.8L, 17, haLeft, vaTop, false, "0,0:one two three", 17},
      {"more lines than rows", "one two three", 76.8L, 17, haLeft, vaTop, true, "0,0:one two", 34},
      {"bottom", "a\r\nb", 96, 68, haLeft, vaBottom, true, "2,0:a|3,0:b", 34},
      {"middle", "a", 96, 51, haLeft, vaCenter, true, "1,0:a", 17},
      {"wide characters", "練習字", 48, 34, haLeft, vaTop, true, "0,0:練習|1,0:字", 34},
      {"wide characters right", "練習", 96, 17, haRight, vaTop, true, "0,6:練習", 17},
      {"trailing empty lines", "x\r\n\r\n", 96, 17, haLeft, vaTop, true, "0,0:x", 17},
  };
  for (const auto& c : cases) {
    memo->SetBounds(0, 0, c.width, c.height);
    memo->SetText(c.text);
    memo->SetHAlign(c.halign);
    memo->SetVAlign(c.valign);
    memo->SetWordWrap(c.wrap);
    EXPECT_EQ(cells(memo->CellLines()), QString::fromUtf8(c.laidOut)) << c.what;
    EXPECT_MM(memo->CalcHeight(), c.needed) << c.what;
  }
  memo->SetText(QStringLiteral("ab\r\n練習字"));
  EXPECT_MM(memo->CalcWidth(), 6 * rp1CharX);
  // Wide characters at double pitch: 20 columns of the grid are 10 cells of the text.
  memo->SetFontStyle({fsxWide});
  memo->SetBounds(0, 0, 192, 17);
  memo->SetText(QStringLiteral("ABCD"));
  memo->SetHAlign(haCenter);
  EXPECT_EQ(cells(memo->CellLines()), QStringLiteral("0,3:ABCD"));
  EXPECT_MM(memo->CalcWidth(), 4 * 2 * rp1CharX);
}

// A text split over pages gives each part the whole rows that fit into its height.
TEST_F(DMPObjects, APartHoldsTheRowsThatFit) {
  auto* memo = new TrpDMPMemoView(Band);
  memo->SetBounds(0, 0, 96, 85);
  memo->SetText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5"));
  memo->InitPart();
  memo->SetHeight(40);  // two rows and a bit: two rows
  EXPECT_MM(memo->DrawPart(), 0);
  EXPECT_EQ(memo->Memo(), (QStringList{"1", "2"}));
  memo->SetHeight(68);
  EXPECT_MM(memo->DrawPart(), 17);  // three lines left in four rows: one unused
  EXPECT_EQ(memo->Memo(), (QStringList{"3", "4", "5"}));
  EXPECT_TRUE(memo->PartText().isEmpty());
  memo->InitPart();
  memo->SetHeight(5);  // not one whole row: nothing placed
  EXPECT_MM(memo->DrawPart(), 0);
  EXPECT_TRUE(memo->Memo().isEmpty());
}

TEST_F(DMPObjects, CommandsStandForTheirBytes) {
  auto* command = new TrpDMPCommand(Band);
  const struct {
    const char* text;
    QByteArray bytes;
  } cases[] = {
      {"#27#64", "\x1b\x40"}, {"#27E", "\x1b" "E"}, {"#12", "\x0c"}, {"a#b", "a#b"}, {"#", "#"}, {"#2712", "\x0f" "2"},
      {"", ""},
  };
  for (const auto& c : cases) {
    command->SetCommand(QString::fromLatin1(c.text));
    EXPECT_EQ(command->CommandBytes(), c.bytes) << c.text;
  }
}

// Texts and lines are drawn one character per cell, in the cells of their position at the
// drawing's scale; a command draws nothing.
TEST_F(DMPObjects, DrawsCharactersInTheirCells) {
  auto* memo = new TrpDMPMemoView(Band);
  memo->SetBounds(19.2L, 17, 96, 17);
  memo->SetText(QStringLiteral("AB"));
  auto* line = new TrpDMPLineView(Band);
  line->SetBounds(0, 51, 28.8L, 0);
  auto* command = new TrpDMPCommand(Band);
  command->SetCommand(QStringLiteral("#27@"));
  TextCaptureDevice device;
  {
    QPainter painter(&device);
    memo->Draw(painter, 2, 2, 0, 0);
    line->Draw(painter, 2, 2, 0, 0);
    command->Draw(painter, 2, 2, 0, 0);
  }
  QStringList drawn;
  for (const CapturedGlyph& glyph : device.Glyphs())
    drawn << QStringLiteral("%1@%2").arg(glyph.Text).arg(std::lround(glyph.Position.x() / (2 * 9.6)));
  EXPECT_EQ(drawn, (QStringList{"A@2", "B@3", "-@0", "-@1", "-@2"}));

  // On a picture, ink falls into the text's cells and nowhere else.
  QImage image(300, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    memo->Draw(painter, 2, 2, 0, 0);
  }
  const auto inked = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  EXPECT_TRUE(inked(38, 34, 58, 68));   // A, in column 2 of row 1
  EXPECT_TRUE(inked(58, 34, 77, 68));   // B, in column 3
  EXPECT_FALSE(inked(0, 0, 300, 34));   // nothing in row 0
  EXPECT_FALSE(inked(77, 0, 300, 120)); // nothing right of B
}

}  // namespace
