// The system back end against a real spooler: a private CUPS scheduler with a cups-pdf queue.
// Skipped where that scheduler cannot run (not root, cups or cups-pdf missing).
#include "report/printer/printer_canvas.h"
#include "report/printer/printers.h"
#include "report/printer/qt_printer_backend.h"

#include "cups_server_fixture.h"

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
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

class CupsPrinting : public CupsServerFixture {
 protected:
  std::unique_ptr<TrpPrinter> OpenQueue() {
    auto printer = std::make_unique<TrpPrinter>(Server()->Queue(), QString(), QtBackend);
    printer->Init();
    return printer;
  }

  // Two pages: A4 portrait, then A3 landscape, each with one line of text.
  static void PrintTwoPages(TrpPrinter& printer) {
    printer.Canvas()->SetFont(QFont(QStringLiteral("Liberation Sans"), 20));
    printer.SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
    ASSERT_TRUE(printer.BeginDoc()) << qPrintable(printer.LastError());
    ASSERT_TRUE(printer.BeginPage()) << qPrintable(printer.LastError());
    printer.Canvas()->Painter()->drawText(QPointF(200, 400), QStringLiteral("First sheet"));
    printer.EndPage();
    printer.SetPrintParams(8, 0, 0, poLandscape, 7, 0, 1);
    ASSERT_TRUE(printer.BeginPage()) << qPrintable(printer.LastError());
    printer.Canvas()->Painter()->drawText(QPointF(200, 400), QStringLiteral("Second sheet"));
    printer.EndPage();
  }

  std::shared_ptr<TrpQtPrinterBackend> QtBackend = std::make_shared<TrpQtPrinterBackend>();
};

TEST_F(CupsPrinting, TheQueueIsListedAndSelectedAsTheDefault) {
  EXPECT_TRUE(QtBackend->EnumPrinters().contains(TrpPrinterEntry{Server()->Queue(), QString()}));
  EXPECT_EQ(QtBackend->DefaultPrinter(), Server()->Queue());
  TrpPrinters printers(QtBackend);
  EXPECT_TRUE(printers.HasPhysicalPrinters());
  ASSERT_NE(printers.Printer(), nullptr);
  EXPECT_EQ(printers.Printer()->Name(), Server()->Queue());
  EXPECT_TRUE(printers.Printer()->Initialized());
}

TEST_F(CupsPrinting, TheQueueHasAResolutionPapersAndSources) {
  auto printer = OpenQueue();
  ASSERT_TRUE(printer->Initialized());
  EXPECT_GT(printer->DPI().x(), 0);
  EXPECT_GT(printer->DPI().y(), 0);
  const TrpTaggedStrings& papers = printer->Papers();
  EXPECT_EQ(papers.Tag(0), 256);
  EXPECT_GT(printer->PaperIndex(9), 0);
  QList<int> numbers;
  for (int i = 1; i < papers.Count(); ++i) {
    EXPECT_NE(papers.Tag(i), 256) << i;
    EXPECT_FALSE(numbers.contains(papers.Tag(i))) << "paper number listed twice: " << papers.Tag(i);
    numbers.append(papers.Tag(i));
  }
  if (printer->PaperIndex(1) > 0) {
    EXPECT_TRUE(printer->Papers().Name(printer->PaperIndex(1)).contains(QStringLiteral("Letter")))
        << qPrintable(printer->Papers().Name(printer->PaperIndex(1)));
  }
  EXPECT_EQ(printer->Bins().Tag(0), 7);
  printer->SetViewParams(9, 0, 0, poPortrait);
  EXPECT_EQ(printer->PaperWidth(), 210);
  EXPECT_EQ(printer->PaperHeight(), 297);
  printer->SetViewParams(8, 0, 0, poLandscape);
  EXPECT_EQ(printer->PaperWidth(), 420);
  EXPECT_EQ(printer->PaperHeight(), 297);
}

TEST_F(CupsPrinting, ADocumentReachesTheQueue) {
  auto printer = OpenQueue();
  const QString title = Server()->NewTitle();
  printer->SetTitle(title);
  PrintTwoPages(*printer);
  ASSERT_TRUE(printer->EndDoc()) << qPrintable(printer->LastError());
  ASSERT_TRUE(Server()->WaitUntilIdle(90));
  const QString output = Server()->OutputOf(title);
  ASSERT_FALSE(output.isEmpty()) << "cups-pdf wrote nothing for " << qPrintable(title);
  QFile pdf(output);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
  const QString info = RunTool("pdfinfo", {output});
  if (!info.isEmpty()) {
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))))
        << qPrintable(info);
  }
}

TEST_F(CupsPrinting, PrintingToAFileKeepsEachPagesPaperAndText) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
  auto printer = OpenQueue();
  printer->SetFileName(file);
  PrintTwoPages(*printer);
  ASSERT_TRUE(printer->EndDoc()) << qPrintable(printer->LastError());
  ASSERT_TRUE(QFile::exists(file));
  const QString info = RunTool("pdfinfo", {QStringLiteral("-f"), QStringLiteral("1"),
                                           QStringLiteral("-l"), QStringLiteral("2"), file});
  if (info.isEmpty()) GTEST_SKIP() << "pdfinfo is not installed";
  // A4 is 595 x 842 points, A3 landscape 1191 x 842 (pdfinfo may show fractions).
  const QRegularExpression a4(QStringLiteral("Page +1 size: +595(\\.\\d+)? x 84[12]"));
  const QRegularExpression a3Landscape(QStringLiteral("Page +2 size: +119[01](\\.\\d+)? x 84[12]"));
  EXPECT_TRUE(info.contains(a4)) << qPrintable(info);
  EXPECT_TRUE(info.contains(a3Landscape)) << qPrintable(info);
  const QString text = RunTool("pdftotext", {file, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("First sheet")));
  EXPECT_TRUE(text.contains(QStringLiteral("Second sheet")));
}

TEST_F(CupsPrinting, AFileThatCannotBeWrittenFailsTheDocument) {
  auto printer = OpenQueue();
  printer->SetFileName(QStringLiteral("/nonexistent-stroval-folder/sheet.pdf"));
  printer->SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
  printer->BeginDoc();
  EXPECT_FALSE(printer->BeginPage());
  EXPECT_FALSE(printer->EndDoc());
  EXPECT_FALSE(printer->LastError().isEmpty());
  EXPECT_FALSE(printer->Printing());
}

TEST_F(CupsPrinting, ARawDocumentToAFileKeepsItsBytes) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("labels.prn"));
  auto printer = OpenQueue();
  printer->SetFileName(file);
  const QByteArray bytes("\x1b@\x00\xff line\r\n\x0c", 12);
  ASSERT_TRUE(printer->BeginRAWDoc());
  EXPECT_TRUE(printer->WriteRAWDoc(bytes));
  EXPECT_TRUE(printer->EndRAWDoc());
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), bytes);
}

}  // namespace
