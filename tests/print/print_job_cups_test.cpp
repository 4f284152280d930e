// The print job through a real spooler: a private CUPS scheduler with a cups-pdf queue. The
// queue re-encodes fonts, so the PDF that arrives is checked as a picture (pdftoppm), not as
// text. Skipped where that scheduler cannot run (not root, cups or cups-pdf missing).
#include "cups_server_fixture.h"
#include "fake_preview_pages.h"
#include "worksheet_report.h"

#include "cli/report_tool.h"
#include "report/component/report_classes.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/services/install_report_services.h"

#include <QTextStream>

#include "report/component/report.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/print/print_dialog.h"
#include "report/print/print_job.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printers.h"
#include "report/printer/qt_printer_backend.h"

#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString RunTool(const char* tool, const QStringList& args) {
  const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
  if (program.isEmpty()) return {};
  QProcess process;
  process.start(program, args);
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A grey picture read from a binary PGM file.
struct GreyPicture {
  int Width = 0, Height = 0;
  QByteArray Pixels;
  bool Load(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    const QRegularExpression header(QStringLiteral("^P5\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)\\s"));
    const auto m = header.match(QString::fromLatin1(data.left(64)));
    if (!m.hasMatch()) return false;
    Width = m.captured(1).toInt();
    Height = m.captured(2).toInt();
    Pixels = data.mid(m.capturedLength());
    return Pixels.size() >= Width * Height;
  }
  // The darkest and the mean grey of the rectangle of millimetres at `dpi`.
  std::pair<int, double> Grey(QRectF mm, int dpi) const {
    const QRect r(static_cast<int>(mm.left() * dpi / 25.4), static_cast<int>(mm.top() * dpi / 25.4),
                  static_cast<int>(mm.width() * dpi / 25.4), static_cast<int>(mm.height() * dpi / 25.4));
    int darkest = 255;
    double sum = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom() && y < Height; ++y)
      for (int x = r.left(); x <= r.right() && x < Width; ++x) {
        const int g = static_cast<unsigned char>(Pixels[y * Width + x]);
        darkest = std::min(darkest, g);
        sum += g;
        ++n;
      }
    return {darkest, n ? sum / n : 255};
  }
};

// A sheet like the worksheet: a dark title block at the top, a row of eight cells of which the
// first four are filled, all else empty (millimetres on an A4 page).
const QRectF kTitle(30, 20, 150, 15);
QRectF Cell(int i) { return QRectF(15 + i * 22.5, 60, 20, 20); }

class SheetPages : public FakePreviewPages {
 public:
  using FakePreviewPages::FakePreviewPages;
  void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                Extended offsetY) override {
    Draws.append({index, CopyNo(), scaleX, scaleY, offsetX, offsetY, PrintScale()});
    auto device = [&](const QRectF& mm) {
      return QRectF(static_cast<double>(offsetX + mm.left() * rp01cm * scaleX),
                    static_cast<double>(offsetY + mm.top() * rp01cm * scaleY),
                    static_cast<double>(mm.width() * rp01cm * scaleX),
                    static_cast<double>(mm.height() * rp01cm * scaleY));
    };
    canvas.fillRect(device(kTitle), Qt::black);
    for (int i = 0; i < 8; ++i) {
      canvas.setPen(QPen(Qt::black, 0));
      canvas.setBrush(i < 4 ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
      canvas.drawRect(device(Cell(i)));
    }
  }
};

class CupsPrintJob : public CupsServerFixture {
 protected:
  void SetUp() override {
    CupsServerFixture::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    rpSetPrinterBackend(std::make_shared<TrpQtPrinterBackend>());
    FPrevious = rpSetPrintDialogRunner({});
  }
  void TearDown() override {
    rpSetPrintDialogRunner(std::move(FPrevious));
    rpSetPrinterBackend(nullptr);
  }

 private:
  TrpPrintDialogRunner FPrevious;
};

TEST_F(CupsPrintJob, ThePrinterListShowsTheQueueWithItsPapers) {
  TrpReport report;
  FakePreviewPages pages(report);
  TrpPrintDialog dialog(report, &pages, dmNone);
  const int item = dialog.PrintersCB->findText(Server()->Queue());
  ASSERT_GE(item, 0);
  dialog.PrintersCB->setCurrentIndex(item);
  dialog.PrintersCBClick();
  TrpCustomPrinter* printer = rpPrinters()->Printer();
  ASSERT_NE(printer, nullptr);
  ASSERT_TRUE(printer->Initialized());
  const int a4 = printer->PaperIndex(9);
  ASSERT_GT(a4, 0);
  EXPECT_GE(dialog.PagPageSizeCB->findText(printer->Papers().Name(a4)), 1);
  EXPECT_GT(dialog.PagPageSizeCB->count(), 2);
}

TEST_F(CupsPrintJob, ASheetPrintedToTheQueueArrivesWithInkWhereDrawnOnly) {
  TrpReport report;
  SheetPages pages(report);
  pages.AddTestPage(9);
  const QString title = Server()->NewTitle();
  report.ReportOptions().SetName(title);
  report.PrintOptions().SetShowDialog(false);
  report.PrintOptions().SetPrinter(Server()->Queue());
  TrpPrintJob job(pages);
  ASSERT_TRUE(job.Print()) << qPrintable(ErrorBoxes.join('\n'));
  ASSERT_TRUE(Server()->WaitUntilIdle(90));
  const QString output = Server()->OutputOf(title);
  ASSERT_FALSE(output.isEmpty()) << "cups-pdf wrote nothing for " << qPrintable(title);

  const QString info = RunTool("pdfinfo", {output});
  if (info.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")))) << qPrintable(info);
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("595(\\.\\d+)? x 84[12]"))))
      << qPrintable(info);

  QTemporaryDir dir;
  constexpr int kDpi = 50;
  RunTool("pdftoppm", {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(kDpi),
                       QStringLiteral("-singlefile"), output, dir.filePath(QStringLiteral("sheet"))});
  GreyPicture picture;
  ASSERT_TRUE(picture.Load(dir.filePath(QStringLiteral("sheet.pgm"))));
  EXPECT_NEAR(picture.Width, 210 * kDpi / 25.4, 2);
  const auto inside = [](QRectF r) { return r.adjusted(1.5, 1.5, -1.5, -1.5); };
  EXPECT_LT(picture.Grey(inside(kTitle), kDpi).second, 64) << "the title block is inked";
  for (int i = 0; i < 8; ++i) {
    const auto [darkest, mean] = picture.Grey(inside(Cell(i)), kDpi);
    if (i < 4)
      EXPECT_LT(mean, 64) << "filled cell " << i;
    else
      EXPECT_GT(darkest, 200) << "empty cell " << i;
  }
  // Below the drawing the page is blank.
  EXPECT_GT(picture.Grey(QRectF(20, 120, 170, 150), kDpi).first, 200);
}

// A rectangle of report units, relative to the worksheet's printable corner, in millimetres of
// the sheet.
QRectF SheetMm(double left, double top, double width, double height) {
  const double m = static_cast<double>(worksheet::kMargin), u = static_cast<double>(rp01cm);
  return QRectF(m + left / u, m + top / u, width / u, height / u);
}

TEST_F(CupsPrintJob, TheWorksheetReachesTheQueueWithInkOnTitleAndFilledCellsOnly) {
  rpInstallReportServices();
  auto report = std::make_unique<TrpReport>();
  report->EngineOptions().SetNewSilentMode(simSilent);
  worksheet::Build(*report);
  ASSERT_TRUE(report->PrepareReport()) << qPrintable(report->Errors().join('\n'));
  const QString title = Server()->NewTitle();
  report->ReportOptions().SetName(title);
  report->PrintOptions().SetShowDialog(false);
  report->PrintOptions().SetPrinter(Server()->Queue());
  const bool printed = report->Print();
  report.reset();
  rpReportServices() = TrpReportServices{};
  ASSERT_TRUE(printed) << qPrintable(ErrorBoxes.join('\n'));
  ASSERT_TRUE(Server()->WaitUntilIdle(90));
  const QString output = Server()->OutputOf(title);
  ASSERT_FALSE(output.isEmpty()) << "cups-pdf wrote nothing for " << qPrintable(title);

  const QString info = RunTool("pdfinfo", {output});
  if (info.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")))) << qPrintable(info);
  QTemporaryDir dir;
  constexpr int kDpi = 100;
  RunTool("pdftoppm", {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(kDpi),
                       QStringLiteral("-singlefile"), output, dir.filePath(QStringLiteral("sheet"))});
  GreyPicture picture;
  ASSERT_TRUE(picture.Load(dir.filePath(QStringLiteral("sheet.pgm"))));
  for (const double shift : {0.0, static_cast<double>(worksheet::kCopyShift)}) {
    SCOPED_TRACE(shift);
    EXPECT_LT(picture.Grey(SheetMm(5, 9 + shift, 120, 20), kDpi).first, 128) << "title";
    EXPECT_LT(picture.Grey(SheetMm(5, 49 + shift, 40, 20), kDpi).first, 128) << "caption";
    for (int column = 1; column <= 2; ++column)
      for (int row = 1; row <= 4; ++row)
        EXPECT_LT(picture.Grey(SheetMm(worksheet::CellLeft(column),
                                       worksheet::CellTop(row) + shift, 16, 18),
                               kDpi).first,
                  128)
            << "filled cell " << column << "," << row;
    // Columns 3 to 8 are empty.
    EXPECT_GT(picture.Grey(SheetMm(worksheet::CellLeft(3) - 2, 95 + shift, 560, 380), kDpi)
                  .first,
              200);
  }
}

TEST_F(CupsPrintJob, ThePrintCommandPreparesADefinitionAndPrintsItToTheQueue) {
  rpInstallReportServices();
  QTemporaryDir dir;
  const QString definition = dir.filePath(QStringLiteral("worksheet.xml"));
  const QString title = Server()->NewTitle();
  {
    TrpReport report;
    worksheet::Build(report);
    report.ReportOptions().SetName(title);
    report.SaveToFile(definition);
  }
  QString outText, errText;
  QTextStream out(&outText), err(&errText);
  const int code = rpRunReportTool({QStringLiteral("print"), definition, QStringLiteral("--printer"),
                                    Server()->Queue(), QStringLiteral("--copies"), QStringLiteral("2")},
                                   out, err);
  out.flush();
  err.flush();
  rpReportServices() = TrpReportServices{};
  ASSERT_EQ(code, rtOk) << qPrintable(errText);
  EXPECT_TRUE(outText.contains(QStringLiteral("2 page(s) printed to ") + Server()->Queue()))
      << qPrintable(outText);
  ASSERT_TRUE(Server()->WaitUntilIdle(90));
  const QString output = Server()->OutputOf(title);
  ASSERT_FALSE(output.isEmpty()) << "cups-pdf wrote nothing for " << qPrintable(title);
  const QString info = RunTool("pdfinfo", {output});
  if (info.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  // Collated copies are printed by the job: both arrive in the one document.
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b")))) << qPrintable(info);
}

}  // namespace
