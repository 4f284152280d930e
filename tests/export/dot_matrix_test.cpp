// A dot-matrix report end to end: the text-mode page and its three kinds of objects through a
// report file, through preparation and a prepared-report file, out as text in character cells,
// and to a text-mode printer as raw text with the printer's command bytes.
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

#include "printer_fixture.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/print_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/printer/printers.h"
#include "report/services/install_report_services.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_line_view.h"
#include "report/textmode/dmp_memo_view.h"
#include "report/textmode/dmp_page.h"

inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

namespace {

class DotMatrixReport : public PrinterFixture {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    ASSERT_TRUE(Dir.isValid());
  }
  void TearDown() override {
    rpSetPrinterBackend(nullptr);
    rpReportServices() = TrpReportServices{};
  }

  // A page 210 mm wide with a 10 mm left margin (4 columns): a title with a printer reset, a
  // centred bold name over 20 columns and a rule in its third row, then three rows of an item
  // and its price aligned right in the 10 columns after it.
  static void Build(TrpReport& report) {
    report.SetDotMatrixReport(true);
    report.EngineOptions().SetNewSilentMode(simSilent);
    auto* page = new TrpDMPPage(&report);
    page->SetName(QStringLiteral("Page1"));
    page->SetPaperHeight(100);
    page->SetLeftMargin(10);
    auto* title = new TrpReportTitle(page);
    title->SetName(QStringLiteral("Title"));
    title->SetHeight(51);
    auto* reset = new TrpDMPCommand(title);
    reset->SetName(QStringLiteral("Reset"));
    reset->SetCommand(QStringLiteral("#27@"));
    auto* name = new TrpDMPMemoView(title);
    name->SetName(QStringLiteral("Shop"));
    name->SetBounds(0, 0, 192, 17);
    name->SetHAlign(haCenter);
    name->SetFontStyle({fsxBold});
    name->SetText(QStringLiteral("STROVAL"));
    auto* rule = new TrpDMPLineView(title);
    rule->SetName(QStringLiteral("Rule"));
    rule->SetBounds(0, 34, 192, 0);
    auto* rows = new TrpMasterData(page);
    rows->SetName(QStringLiteral("Rows"));
    rows->SetTop(68);
    rows->SetHeight(17);
    rows->SetRowCount(3);
    auto* item = new TrpDMPMemoView(rows);
    item->SetName(QStringLiteral("Item"));
    item->SetBounds(0, 0, 96, 17);
    item->SetText(QStringLiteral("Row [Line]"));
    auto* price = new TrpDMPMemoView(rows);
    price->SetName(QStringLiteral("Price"));
    price->SetBounds(96, 0, 96, 17);
    price->SetHAlign(haRight);
    price->SetText(QStringLiteral("[<Line> * 5]"));
  }

  QString Path(const QString& name) const { return Dir.filePath(name); }

  // The prepared pages of `report` as text.
  QByteArray ExportText(TrpReport& report, const QString& name) {
    const std::unique_ptr<TrpCustomExportFilter> text = rpCreateExportFilter(QStringLiteral("TrpTextExport"));
    text->SetFileName(Path(name));
    EXPECT_TRUE(report.Export(*text)) << text->Error();
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  // Object name and class, in tree order, of the objects below the report or a page.
  static QStringList Classes(const TrpComponent& root) {
    QStringList classes;
    for (const TrpComponent* object : root.AllObjects())
      if (dynamic_cast<const TrpView*>(object) || dynamic_cast<const TrpReportPage*>(object))
        classes << QStringLiteral("%1:%2").arg(object->Name(), QLatin1String(object->ClassInfo().ClassName()));
    return classes;
  }

  QTemporaryDir Dir;
};

// Item and price in their cells: 4 columns of margin, the name centred in the 20 columns.
const QByteArray kExpectedText = "          STROVAL\n"
                                 "\n"
                                 "    --------------------\n"
                                 "    Row 1              5\n"
                                 "    Row 2             10\n"
                                 "    Row 3             15\n";

TEST_F(DotMatrixReport, ClassesLastThroughTheReportFileAndThePreparedFile) {
  TrpReport report;
  Build(report);
  const QStringList designed = Classes(report);
  EXPECT_EQ(designed, (QStringList{"Page1:TrpDMPPage", "Reset:TrpDMPCommand", "Shop:TrpDMPMemoView",
                                   "Rule:TrpDMPLineView", "Item:TrpDMPMemoView", "Price:TrpDMPMemoView"}));
  report.SaveToFile(Path(QStringLiteral("dmp.xml")));
  TrpReport loaded;
  ASSERT_TRUE(loaded.LoadFromFile(Path(QStringLiteral("dmp.xml")))) << loaded.Errors().join('\n');
  loaded.EngineOptions().SetNewSilentMode(simSilent);
  EXPECT_EQ(Classes(loaded), designed);
  EXPECT_TRUE(loaded.DotMatrixReport());
  auto* shop = static_cast<TrpDMPMemoView*>(loaded.FindObject(QStringLiteral("Shop")));
  EXPECT_EQ(shop->FontStyle(), TrpDMPFontStyles{fsxBold});
  EXPECT_EQ(static_cast<TrpDMPCommand*>(loaded.FindObject(QStringLiteral("Reset")))->CommandBytes(), "\x1b@");

  ASSERT_TRUE(loaded.PrepareReport()) << loaded.Errors().join('\n');
  EXPECT_EQ(ExportText(loaded, QStringLiteral("prepared.txt")), kExpectedText);
  ASSERT_TRUE(loaded.PreviewPages()->SaveToFile(Path(QStringLiteral("dmp.rpp"))));

  TrpReport reopened;
  reopened.EngineOptions().SetNewSilentMode(simSilent);
  ASSERT_TRUE(reopened.PreviewPages()->LoadFromFile(Path(QStringLiteral("dmp.rpp"))));
  EXPECT_TRUE(reopened.DotMatrixReport());
  ASSERT_EQ(reopened.PreviewPages()->GetCount(), 1);
  TrpReportPage* page = reopened.PreviewPages()->GetPage(0);
  EXPECT_STREQ(page->ClassInfo().ClassName(), "TrpDMPPage");
  QStringList kinds;
  for (const QString& entry : Classes(*page)) kinds << entry.section(u':', 1);
  kinds.removeDuplicates();
  kinds.sort();
  EXPECT_EQ(kinds, (QStringList{"TrpDMPCommand", "TrpDMPLineView", "TrpDMPMemoView"}));
  EXPECT_EQ(ExportText(reopened, QStringLiteral("reopened.txt")), kExpectedText);
}

// Printing hands the pages to the text export and sends its output, with the command's bytes
// before the cell it stands in, to the printer as one raw document per job, once per copy.
TEST_F(DotMatrixReport, PrintsAsRawTextWithThePrinterCommands) {
  TrpRecordingPrinter& printer = Backend->AddPrinter(QStringLiteral("Needles"), QStringLiteral("lpt1"));
  Backend->SetDefaultPrinter(QStringLiteral("Needles"));
  rpSetPrinterBackend(Backend);
  TrpReport report;
  Build(report);
  ASSERT_TRUE(report.PrepareReport()) << report.Errors().join('\n');
  report.PrintOptions().SetShowDialog(false);
  report.PrintOptions().SetCopies(2);
  ASSERT_TRUE(report.PreviewPages()->Print()) << ErrorBoxes.join('\n');
  ASSERT_EQ(printer.Documents.size(), 1);
  const TrpRecordedDocument& document = printer.Documents[0];
  EXPECT_TRUE(document.Raw);
  EXPECT_TRUE(document.Pages.isEmpty());
  const QByteArray once = "    \x1b@      STROVAL" + kExpectedText.mid(QByteArray("          STROVAL").size());
  EXPECT_EQ(document.RawData, once + once);
}

}  // namespace
