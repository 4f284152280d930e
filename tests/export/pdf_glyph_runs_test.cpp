// A PDF device gets each line's characters as glyph runs; the reference is a drawText call per
// character, as every other device gets them. Both PDFs read back alike through poppler: the same
// words in the same boxes, the same fonts, the same pixels.
#include <QImage>
#include <QRegularExpression>

#include "export_fixture.h"
#include "report/text/draw_text.h"

namespace {

class PdfGlyphRuns : public ExportTest {
 protected:
  void TearDown() override {
    TrpDrawText::CharacterCalls = false;
    ExportTest::TearDown();
  }

  // What poppler reads from the PDF exported as `name`, drawn by characters or by glyph runs.
  struct Reading {
    QString Words;   // every word of the pages with its box
    QString Fonts;   // the fonts, without the subsets' random tags
    QImage Page;     // the last page at 96 pixels per inch
  };
  Reading Read(const QString& name, bool characterCalls, int pages) {
    TrpDrawText::CharacterCalls = characterCalls;
    const QString pdf = Export(QStringLiteral("TrpPDFExport"), name);
    TrpDrawText::CharacterCalls = false;
    Reading reading;
    // From the pages on: the head holds the creation time.
    const QString words = Tool("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    reading.Words = words.mid(words.indexOf(QLatin1String("<doc>")));
    static const QRegularExpression tag(QStringLiteral("\\b[A-Z]{6}\\+"));
    reading.Fonts = Tool("pdffonts", {pdf}).remove(tag);
    const QString last = QString::number(pages);
    Tool("pdftoppm", {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), last, QStringLiteral("-l"), last,
                      QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, Path(name)});
    reading.Page = QImage(Path(name) + QStringLiteral(".png"));
    return reading;
  }

  void ExpectAlike(int pages) {
    const Reading characters = Read(QStringLiteral("characters.pdf"), true, pages);
    const Reading runs = Read(QStringLiteral("runs.pdf"), false, pages);
    EXPECT_TRUE(characters.Words.contains(QLatin1String("<word"))) << characters.Words;
    EXPECT_EQ(runs.Words, characters.Words);
    EXPECT_TRUE(characters.Fonts.contains(QLatin1String("yes"))) << characters.Fonts;
    EXPECT_EQ(runs.Fonts, characters.Fonts);
    ASSERT_FALSE(characters.Page.isNull());
    EXPECT_EQ(runs.Page, characters.Page);
  }
};

TEST_F(PdfGlyphRuns, ReadBackAsCharactersDrawnOneByOneOnTheListing) {
  Listing();
  ExpectAlike(4);
}

TEST_F(PdfGlyphRuns, ReadBackAsCharactersDrawnOneByOneOnTheChineseWorksheet) {
  Worksheet();
  ExpectAlike(1);
}

}  // namespace
