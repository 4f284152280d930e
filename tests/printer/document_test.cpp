// Documents and pages on a system printer, as the recording back end receives them.
#include "report/printer/printer_canvas.h"

#include "printer_fixture.h"

#include <QPainter>

namespace {

class PrinterDocument : public PrinterFixture {
 protected:
  TrpRecordingPrinter& Office = Backend->AddPrinter(QStringLiteral("Office"));
  std::unique_ptr<TrpPrinter> Printer = OpenPrinter(QStringLiteral("Office"));
};

TEST_F(PrinterDocument, RecordsADocumentWithItsPagesAndWhatWasDrawn) {
  Printer->SetTitle(QStringLiteral("Worksheet"));
  Printer->SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
  ASSERT_TRUE(Printer->BeginDoc());
  ASSERT_TRUE(Printer->BeginPage());
  QPainter* painter = Printer->Canvas()->Painter();
  ASSERT_NE(painter, nullptr);
  painter->drawRect(QRectF(10, 20, 100, 50));
  painter->drawText(QPointF(100, 300), QStringLiteral("Hello"));
  ASSERT_TRUE(Printer->EndPage());
  Printer->SetPrintParams(8, 0, 0, poLandscape, 7, 0, 1);
  ASSERT_TRUE(Printer->BeginPage());
  Printer->Canvas()->Painter()->drawLine(QPointF(0, 0), QPointF(30, 40));
  ASSERT_TRUE(Printer->EndPage());
  ASSERT_TRUE(Printer->EndDoc());

  ASSERT_EQ(Office.Documents.size(), 1);
  const TrpRecordedDocument& doc = Office.Documents[0];
  EXPECT_EQ(doc.Title, QStringLiteral("Worksheet"));
  EXPECT_EQ(doc.FileName, QString());
  EXPECT_EQ(doc.State, TrpRecordedDocument::dsEnded);
  ASSERT_EQ(doc.Pages.size(), 2);

  const TrpRecordedPage& first = doc.Pages[0];
  EXPECT_EQ(first.Settings.PaperSize, 9);
  ASSERT_EQ(first.Draws.size(), 2);
  EXPECT_EQ(first.Draws[0].Kind, drRect);
  EXPECT_EQ(first.Draws[0].Bounds, QRectF(10, 20, 100, 50));
  EXPECT_EQ(first.Draws[1].Kind, drText);
  EXPECT_EQ(first.Draws[1].Text, QStringLiteral("Hello"));

  const TrpRecordedPage& second = doc.Pages[1];
  EXPECT_EQ(second.Settings.PaperSize, 8);
  EXPECT_EQ(second.Settings.Orientation, rpOrientLandscape);
  EXPECT_GT(second.Caps.PhysicalWidth, second.Caps.PhysicalHeight);
  ASSERT_EQ(second.Draws.size(), 1);
  EXPECT_EQ(second.Draws[0].Kind, drLine);
  EXPECT_EQ(second.Draws[0].Bounds, QRectF(0, 0, 30, 40));
}

TEST_F(PrinterDocument, AnUntitledDocumentIsAReportDocument) {
  Printer->BeginDoc();
  Printer->EndDoc();
  ASSERT_EQ(Office.Documents.size(), 1);
  EXPECT_EQ(Office.Documents[0].Title, QStringLiteral("Report Document"));
  EXPECT_TRUE(Office.Documents[0].Pages.isEmpty());
}

TEST_F(PrinterDocument, GoesToTheOutputFileWhenOneIsSet) {
  Printer->SetFileName(QStringLiteral("/tmp/sheet.prn"));
  Printer->BeginDoc();
  Printer->EndDoc();
  EXPECT_EQ(Office.Documents[0].FileName, QStringLiteral("/tmp/sheet.prn"));
}

TEST_F(PrinterDocument, IsPrintingFromBeginDocToEndDoc) {
  EXPECT_FALSE(Printer->Printing());
  Printer->BeginDoc();
  EXPECT_TRUE(Printer->Printing());
  Printer->EndDoc();
  EXPECT_FALSE(Printer->Printing());
}

TEST_F(PrinterDocument, TheCanvasHasAPainterOnlyInsideAPage) {
  EXPECT_EQ(Printer->Canvas()->Painter(), nullptr);
  Printer->BeginDoc();
  EXPECT_EQ(Printer->Canvas()->Painter(), nullptr);
  Printer->BeginPage();
  QPainter* painter = Printer->Canvas()->Painter();
  EXPECT_NE(painter, nullptr);
  EXPECT_TRUE(Printer->Canvas()->Owns(painter));
  EXPECT_EQ(painter->device()->devType(), QInternal::Printer);
  Printer->EndPage();
  EXPECT_EQ(Printer->Canvas()->Painter(), nullptr);
  Printer->EndDoc();
}

// Fonts keep their point size on paper: the same text is twice as large in pixels at twice the
// resolution, and a 10-point line at 600 dpi is about 10/72 of an inch high.
TEST_F(PrinterDocument, TextComesOutAtItsPointSizeOnPaper) {
  auto textAt = [this](int dpi) {
    Office.DpiX = Office.DpiY = dpi;
    auto printer = OpenPrinter(QStringLiteral("Office"));
    printer->Canvas()->SetFont(QFont(QStringLiteral("Liberation Sans"), 10));
    printer->BeginDoc();
    printer->BeginPage();
    printer->Canvas()->Painter()->drawText(QPointF(0, 200), QStringLiteral("WWWW"));
    printer->EndPage();
    printer->EndDoc();
    return Office.Documents.last().Pages[0].Draws.at(0);
  };
  const TrpDrawRecord at600 = textAt(600);
  const TrpDrawRecord at300 = textAt(300);
  EXPECT_DOUBLE_EQ(at600.FontPointSize, 10);
  const double emPixels = 10.0 * 600 / 72;
  EXPECT_GT(at600.TextHeight, 0.9 * emPixels);
  EXPECT_LT(at600.TextHeight, 1.5 * emPixels);
  EXPECT_NEAR(at600.TextWidth / at300.TextWidth, 2.0, 0.05);
}

TEST_F(PrinterDocument, AFontSetOnThePainterIsResolvedForThePrinter) {
  Printer->BeginDoc();
  Printer->BeginPage();
  QPainter* painter = Printer->Canvas()->Painter();
  painter->setFont(QFont(QStringLiteral("Liberation Sans"), 20));
  Printer->Canvas()->Painter()->drawText(QPointF(0, 400), QStringLiteral("A"));
  Printer->EndPage();
  Printer->EndDoc();
  const TrpDrawRecord text = Office.Documents[0].Pages[0].Draws.at(0);
  EXPECT_DOUBLE_EQ(text.FontPointSize, 20);
  EXPECT_GT(text.TextHeight, 0.9 * 20 * 600 / 72);
}

// A document the spooler rejects is reported as failed, and the printer is idle again.
TEST_F(PrinterDocument, EndDocReportsAFailedDocument) {
  Office.FailEndDoc = true;
  Office.PropertiesDialog = [](TrpDeviceSettings& s) {
    s.DefaultSource = 4;
    return true;
  };
  Printer->PropertiesDlg();
  ASSERT_TRUE(Printer->BeginDoc());
  Printer->BeginPage();
  Printer->EndPage();
  EXPECT_FALSE(Printer->EndDoc());
  EXPECT_EQ(Printer->LastError(), QStringLiteral("The spooler rejected the document"));
  EXPECT_FALSE(Printer->Printing());
  EXPECT_EQ(Printer->Bin(), -1);
  EXPECT_EQ(Office.Documents[0].State, TrpRecordedDocument::dsAborted);
}

TEST_F(PrinterDocument, EndDocReportsADocumentThatCouldNotStart) {
  Office.FailBeginDoc = true;
  EXPECT_FALSE(Printer->BeginDoc());
  EXPECT_FALSE(Printer->BeginPage());
  EXPECT_FALSE(Printer->EndDoc());
  EXPECT_EQ(Printer->LastError(), QStringLiteral("The printer refused the document"));
  EXPECT_FALSE(Printer->Printing());
}

TEST_F(PrinterDocument, AFailedPageDiscardsTheDocumentAndIsReported) {
  Printer->BeginDoc();
  Printer->BeginPage();
  Printer->EndPage();
  Office.FailBeginPage = true;
  EXPECT_FALSE(Printer->BeginPage());
  EXPECT_FALSE(Printer->EndDoc());
  EXPECT_EQ(Printer->LastError(), QStringLiteral("The printer refused the page"));
  EXPECT_EQ(Office.Documents[0].State, TrpRecordedDocument::dsAborted);
}

TEST_F(PrinterDocument, ANextDocumentStartsWithoutTheLastFailure) {
  Office.FailEndDoc = true;
  Printer->BeginDoc();
  EXPECT_FALSE(Printer->EndDoc());
  Office.FailEndDoc = false;
  Printer->BeginDoc();
  EXPECT_TRUE(Printer->EndDoc());
  EXPECT_TRUE(Printer->LastError().isEmpty());
}

TEST_F(PrinterDocument, AbortDiscardsTheDocumentWithoutReportingAFailure) {
  Printer->BeginDoc();
  Printer->BeginPage();
  Printer->Abort();
  EXPECT_FALSE(Printer->Printing());
  EXPECT_EQ(Printer->Canvas()->Painter(), nullptr);
  EXPECT_EQ(Office.Documents[0].State, TrpRecordedDocument::dsAborted);
  EXPECT_TRUE(Printer->LastError().isEmpty());
  EXPECT_TRUE(Printer->EndDoc());
  EXPECT_EQ(Office.Documents.size(), 1);
}

TEST_F(PrinterDocument, EndDocClosesAnOpenPage) {
  Printer->BeginDoc();
  Printer->BeginPage();
  EXPECT_TRUE(Printer->EndDoc());
  EXPECT_EQ(Office.Documents[0].Pages.size(), 1);
}

TEST_F(PrinterDocument, ARawDocumentPassesItsBytesUnchanged) {
  Printer->SetTitle(QStringLiteral("Labels"));
  ASSERT_TRUE(Printer->BeginRAWDoc());
  const QByteArray escape("\x1b@\x00text\r\n", 9);
  EXPECT_TRUE(Printer->WriteRAWDoc(escape));
  EXPECT_TRUE(Printer->WriteRAWDoc("more"));
  EXPECT_TRUE(Printer->EndRAWDoc());
  ASSERT_EQ(Office.Documents.size(), 1);
  EXPECT_TRUE(Office.Documents[0].Raw);
  EXPECT_EQ(Office.Documents[0].Title, QStringLiteral("Labels"));
  EXPECT_EQ(Office.Documents[0].RawData, escape + "more");
}

TEST_F(PrinterDocument, RawWritesOutsideARawDocumentFail) {
  EXPECT_FALSE(Printer->WriteRAWDoc("x"));
  EXPECT_FALSE(Printer->EndRAWDoc());
  Office.FailBeginDoc = true;
  EXPECT_FALSE(Printer->BeginRAWDoc());
  EXPECT_FALSE(Printer->LastError().isEmpty());
}

}  // namespace
