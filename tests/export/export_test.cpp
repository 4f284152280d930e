// The exports read back by independent tools: the PDF through poppler's pdftotext, pdffonts,
// pdfinfo, pdftohtml and pdftoppm; the pictures through Qt's image reader; the text as text.
#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>

#include "export_fixture.h"
#include "report/export/image_export.h"

namespace {

const QRegularExpression& spaces() {
  static const QRegularExpression pattern(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
  return pattern;
}
QString removeSpaces(QString text) { return text.remove(spaces()); }
QStringList words(const QString& text) { return text.split(spaces(), Qt::SkipEmptyParts); }

// The outline of a PDF as pdftohtml reads it, as indented lines like ExportTest::OutlineLines.
QStringList pdfOutline(const QString& xml) {
  QStringList lines;
  int level = -1;
  static const QRegularExpression item(QStringLiteral("<item[^>]*>(.*)</item>"));
  for (const QString& line : xml.split(u'\n')) {
    if (line.startsWith(QLatin1String("<outline>"))) ++level;
    if (line.startsWith(QLatin1String("</outline>"))) --level;
    if (const QRegularExpressionMatch m = item.match(line); m.hasMatch())
      lines.append(QString(2 * level, u' ') + m.captured(1));
  }
  return lines;
}

// The share of pixels of `a` that no pixel of `b` within one pixel matches to a quarter of the
// grey scale: text placed half a pixel apart by two renderers does not count, a missing or
// different glyph does.
double differingShare(const QImage& a, const QImage& b) {
  const int width = std::min(a.width(), b.width()), height = std::min(a.height(), b.height());
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool matched = false;
      for (int dy = -1; dy <= 1 && !matched; ++dy)
        for (int dx = -1; dx <= 1 && !matched; ++dx) {
          const int bx = std::clamp(x + dx, 0, width - 1), by = std::clamp(y + dy, 0, height - 1);
          matched = std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(bx, by))) <= 64;
        }
      differing += !matched;
    }
  return double(differing) / (double(width) * height);
}

class PdfExport : public ExportTest {
 protected:
  struct Source {
    const char* Name;
    bool Sheet;  // the worksheet, else the four-page listing
    int Pages;
    QString PageSize;  // as pdfinfo prints it, a pattern
  };
  TrpReport& Prepared(const Source& source) { return source.Sheet ? Worksheet() : Listing(); }
  const std::vector<Source> Sources{
      {"worksheet", true, 1, QStringLiteral("size:\\s+595 x 827 pts\n")},
      {"listing", false, 4, QStringLiteral("size:\\s+595 x 842 pts \\(A4\\)\n")},
  };
};

TEST_F(PdfExport, HoldsEveryTextInEmbeddedSubsetFontsOnPagesOfThePaperSize) {
  for (const Source& source : Sources) {
    SCOPED_TRACE(source.Name);
    Prepared(source);
    const QString pdf = Export(QStringLiteral("TrpPDFExport"), QStringLiteral("out.pdf"));
    ASSERT_FALSE(pdf.isEmpty());
    const QString text = removeSpaces(Tool("pdftotext", {pdf, QStringLiteral("-")}));
    // Word by word: pdftotext may order the words of a wide title among the captions below it.
    for (const QString& expected : PreparedTexts())
      for (const QString& word : words(expected)) EXPECT_TRUE(text.contains(word)) << expected;
    const QStringList fonts = Tool("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)  // embedded, subset, with a map back to Unicode
      EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("\\byes\\s+yes\\s+yes\\b")))) << font;
    const QString info = Tool("pdfinfo", {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                          QString::number(source.Pages), pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(source.Pages)))) << info;
    EXPECT_EQ(info.count(QRegularExpression(source.PageSize)), source.Pages) << info;
  }
  EXPECT_TRUE(Tool("pdftotext", {Path(QStringLiteral("out.pdf")), QStringLiteral("-")}).contains(QStringLiteral("Item 200")));
}

TEST_F(PdfExport, TakesTitleAndAuthorFromTheReportAndShowsChineseAsChinese) {
  Worksheet();
  const QString pdf = Export(QStringLiteral("TrpPDFExport"), QStringLiteral("sheet.pdf"));
  const QString info = Tool("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Quilltrace sheet")))) << info;
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Author:\\s+王老師")))) << info;
  EXPECT_EQ(Tool("pdftotext", {pdf, QStringLiteral("-")}).count(QStringLiteral("永")), 2 * 8);
}

TEST_F(PdfExport, BookmarksNestAsTheOutlineAndLinksAreAnnotations) {
  Listing();
  const QString pdf = Export(QStringLiteral("TrpPDFExport"), QStringLiteral("listing.pdf"));
  const QStringList outline = OutlineLines();
  ASSERT_EQ(outline.size(), 5 + 220);  // groups 0 to 4, and every row below its group
  const QString xml = Tool("pdftohtml", {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"), pdf});
  EXPECT_EQ(pdfOutline(xml), outline);
  // A web link in each page header, and each page footer jumping to the first page.
  EXPECT_EQ(Tool("pdfinfo", {QStringLiteral("-url"), pdf}).count(QLatin1String(kListingLink)), 4);
  EXPECT_EQ(xml.count(QRegularExpression(QStringLiteral("<a href=\"[^\"]*#1\">Page \\d</a>"))), 4) << xml;
}

// The store's anchors reach the PDF filter through the pages it is handed: a link to an anchor
// jumps to the anchor's page.
TEST_F(PdfExport, AnAnchorLinkJumpsToTheAnchorsPage) {
  Rows = std::make_unique<ListingRows>(220);
  Report = std::make_unique<TrpReport>();
  Report->EngineOptions().SetNewSilentMode(simSilent);
  rpBuildListing(*Report);
  for (TrpComponent* object : Report->AllObjects())
    if (auto* memo = dynamic_cast<TrpMemoView*>(object);
        memo && memo->Memo().join(QString()).startsWith(QLatin1String("Page "))) {
      memo->Hyperlink()->SetKind(hkAnchor);
      memo->Hyperlink()->SetValue(QStringLiteral("third"));
    }
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join('\n');
  TrpCustomPreviewPages& pages = *Report->PreviewPages();
  ASSERT_EQ(pages.GetCount(), 4);
  pages.SetCurPage(2);
  pages.AddAnchor(QStringLiteral("Third"));
  const QString pdf = Export(QStringLiteral("TrpPDFExport"), QStringLiteral("anchor.pdf"));
  const QString xml = Tool("pdftohtml", {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"), pdf});
  EXPECT_EQ(xml.count(QRegularExpression(QStringLiteral("<a href=\"[^\"]*#3\">Page \\d</a>"))), 4) << xml;
}

// pdftoppm's picture of a page at 96 pixels per inch against the page drawn as the preview draws
// it at 100 %.
TEST_F(PdfExport, PagesRenderAsThePreviewDrawsThem) {
  for (const Source& source : Sources) {
    SCOPED_TRACE(source.Name);
    TrpReport& report = Prepared(source);
    const QString pdf = Export(QStringLiteral("TrpPDFExport"), QStringLiteral("page.pdf"));
    const QString page = QString::number(source.Pages);  // the last page
    Tool("pdftoppm", {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), page, QStringLiteral("-l"),
                      page, QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, Path(QStringLiteral("poppler"))});
    const QImage rendered(Path(QStringLiteral("poppler.png")));
    ASSERT_FALSE(rendered.isNull());
    const QSizeF size = report.PreviewPages()->GetPageSize(source.Pages - 1);
    QImage preview(QSize(int(std::ceil(size.width())), int(std::ceil(size.height()))), QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    report.PreviewPages()->DrawPage(source.Pages - 1, painter, 1, 1, 0, 0);
    painter.end();
    EXPECT_LE(std::abs(rendered.width() - preview.width()), 1);
    EXPECT_LE(std::abs(rendered.height() - preview.height()), 1);
    EXPECT_LT(differingShare(rendered, preview), 0.001);
    EXPECT_LT(differingShare(preview, rendered), 0.001);
  }
}

TEST_F(PdfExport, TheOptionsDialogChoosesThePagesAndTheFiltersOwnOptions) {
  Listing();
  struct Case {
    const char* Name;
    std::function<TModalResult(TrpExportOptionsDialog&)> Answer;
    int Pages;  // 0: nothing exported
    bool Outline;
  };
  const std::vector<Case> cases{
      {"all pages as set", [](TrpExportOptionsDialog&) { return mrOk; }, 4, true},
      {"a range, no outline",
       [](TrpExportOptionsDialog& d) {
         d.PagesE->setText(QStringLiteral("2-3"));
         d.PagesRB->setChecked(true);
         d.Check(QStringLiteral("Outline"))->setChecked(false);
         return mrOk;
       },
       2, false},
      {"the current page",
       [](TrpExportOptionsDialog& d) {
         d.CurrentRB->setChecked(true);
         return mrOk;
       },
       1, true},
      {"cancelled", [](TrpExportOptionsDialog&) { return mrCancel; }, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    rpSetExportDialogRunner(c.Answer);
    const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(QStringLiteral("TrpPDFExport"));
    const QString pdf = Path(QStringLiteral("%1.pdf").arg(QLatin1String(c.Name)));
    filter->SetFileName(pdf);
    filter->SetCurPage(2);
    if (filter->ShowModal() != mrOk) {
      EXPECT_EQ(c.Pages, 0);
      continue;
    }
    ASSERT_TRUE(Report->Export(*filter)) << filter->Error();
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(c.Pages))));
    const QString xml = Tool("pdftohtml", {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"), pdf});
    EXPECT_EQ(!pdfOutline(xml).isEmpty(), c.Outline);
  }
}

TEST_F(ExportTest, PicturesAreNumberedByPageAtTheChosenResolution) {
  Listing();
  struct Case {
    QString ClassName, Name, Pages;
    int Resolution;
    QStringList Files;
  };
  const std::vector<Case> cases{
      {"TrpPNGExport", "sheet.png", "", 96, {"sheet-001.png", "sheet-002.png", "sheet-003.png", "sheet-004.png"}},
      {"TrpPNGExport", "big.png", "2", 192, {"big-002.png"}},
      {"TrpJPEGExport", "small.jpg", "3-4", 48, {"small-003.jpg", "small-004.jpg"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name.toStdString());
    Export(c.ClassName, c.Name, [&c](TrpCustomExportFilter& filter) {
      filter.SetPageNumbers(c.Pages);
      dynamic_cast<TrpImageExport&>(filter).SetResolution(c.Resolution);
    });
    for (const QString& file : c.Files) {
      QImageReader reader(Path(file));
      EXPECT_EQ(reader.format(), QByteArray(c.ClassName == QLatin1String("TrpPNGExport") ? "png" : "jpeg"));
      const QImage image = reader.read();
      ASSERT_FALSE(image.isNull()) << file;
      // A4 is 793.7 units wide, one unit a pixel at 96 per inch.
      EXPECT_EQ(image.width(), int(std::ceil(793.7 * c.Resolution / 96 - 0.01)));
      EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, c.Resolution, 0.5);
    }
    EXPECT_EQ(QDir(Dir.path()).entryList({QFileInfo(c.Name).completeBaseName() + "-*"}).size(), c.Files.size());
  }
}

TEST_F(ExportTest, TextLaysEveryPageOutInCharacterCells) {
  Listing();
  QFile file(Export(QStringLiteral("TrpTextExport"), QStringLiteral("listing.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  const QStringList pages = text.split(u'\f');
  EXPECT_EQ(pages.size(), 4);
  for (const QString& expected : PreparedTexts()) EXPECT_TRUE(text.contains(expected)) << expected;
  // A row: id at the left margin (10 mm, 4 cells), the name 90 units (9 cells) further, the
  // amount right-aligned in its 12.5 cells at 400 units.
  const QStringList lines = pages[0].split(u'\n');
  static const QRegularExpression item7(QStringLiteral("Item 7\\b"));
  const auto row = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains(item7); });
  ASSERT_NE(row, lines.end()) << pages[0];
  EXPECT_EQ(row->indexOf(QLatin1String("7")), 4) << *row;
  EXPECT_EQ(row->indexOf(QLatin1String("Item 7")), 4 + 9) << *row;

  Worksheet();
  QFile sheet(Export(QStringLiteral("TrpTextExport"), QStringLiteral("sheet.txt")));
  ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
  const QString cells = QString::fromUtf8(sheet.readAll());
  EXPECT_EQ(cells.count(QStringLiteral("永")), 2 * 8);
  EXPECT_TRUE(cells.contains(QStringLiteral("Quilltrace"))) << cells;
}

}  // namespace
