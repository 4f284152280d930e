// A word laid out without the window: a character a row for up to four characters, two a row
// for five to eight, each dropped as the window drops it.
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "sheet_text.h"
#include "worksheet/word_layout.h"

namespace {

using stroval::WorksheetSheet;

// The rows joined with "/", each cell's character or "." ("~" before a traced one).
QString Layout(const WorksheetSheet& sheet) {
  QStringList rows;
  for (int row = 1; row <= WorksheetSheet::kRows; ++row) {
    QString text;
    for (int column = 1; column <= WorksheetSheet::kColumns; ++column) text += CellText(sheet.Cell(column, row));
    rows << text;
  }
  return rows.join(u'/');
}

struct LayoutCase {
  const char* word;
  int traceCount;
  const char* layout;
};

TEST(WordLayout, EachCharacterIsDroppedAtTheStartOfItsRowOrHalfRow) {
  const LayoutCase cases[] = {
      {"永", 0, "永永永永永永永永/......../......../........"},
      {"上學", 0, "上上上上上上上上/學學學學學學學學/......../........"},
      {"大小多少", 2, "大~大~大...../小~小~小...../多~多~多...../少~少~少....."},
      {"春夏秋冬東", 0, "春春春春夏夏夏夏/秋秋秋秋冬冬冬冬/東東東東東東東東/........"},
      {"一二三四五六七八", 1, "一~一..二~二../三~三..四~四../五~五..六~六../七~七..八~八.."},
  };
  for (const LayoutCase& c : cases) {
    WorksheetSheet settings;
    settings.traceCount = c.traceCount;
    const WorksheetSheet sheet = stroval::SheetForWord(settings, QString::fromUtf8(c.word));
    EXPECT_EQ(Layout(sheet), QString::fromUtf8(c.layout)) << c.word;
    EXPECT_EQ(sheet.word, QString::fromUtf8(c.word));
    EXPECT_EQ(sheet.palette, QString::fromUtf8(c.word));
  }
}

TEST(WordLayout, TheSheetKeepsItsSettingsAndLosesItsEarlierCells) {
  WorksheetSheet settings;
  settings.title = QStringLiteral("Week 3");
  settings.guides = stroval::GuideStyle::NineSquares;
  settings.Drop(1, 4, QStringLiteral("舊"));
  const WorksheetSheet sheet = stroval::SheetForWord(settings, QStringLiteral("新"));
  EXPECT_EQ(sheet.title, QStringLiteral("Week 3"));
  EXPECT_EQ(sheet.guides, stroval::GuideStyle::NineSquares);
  EXPECT_TRUE(sheet.Cell(1, 4).character.isEmpty());
}

}  // namespace
