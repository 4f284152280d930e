#pragma once
// The export filters over reports prepared by the real engine and store: the worksheet (custom
// page size, Chinese cells in the Kai face) and the grouped listing of the benchmarks, with its
// groups and rows in the outline and a web link in its page header. The output is read back
// with poppler's tools.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <memory>

#include <gtest/gtest.h>

#include "listing_report.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/export/export_options_dialog.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/report_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/services/install_report_services.h"
#include "report/views/hyperlink.h"
#include "worksheet_report.h"

inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

inline constexpr char kListingLink[] = "https://example.org/listing";

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    ASSERT_TRUE(Dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "poppler-utils are not installed (scripts/install-deps.sh)";
  }
  void TearDown() override {
    rpSetExportDialogRunner({});
    rpReportServices() = TrpReportServices{};
  }

  // The worksheet as the window prints it, prepared, with a name and an author.
  TrpReport& Worksheet() {
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    worksheet::Build(*Report, worksheet::Fonts::Sheet);
    Report->ReportOptions().SetName(QStringLiteral("Quilltrace sheet"));
    Report->ReportOptions().SetAuthor(QStringLiteral("王老師"));
    EXPECT_TRUE(Report->PrepareReport()) << Report->Errors().join('\n');
    return *Report;
  }

  // The listing over `rows` rows (220 fill four pages), prepared: groups and their rows in the
  // outline, the page header linking to kListingLink, the page footer to the first page.
  TrpReport& Listing(int rows = 220) {
    Rows = std::make_unique<ListingRows>(rows);
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    rpBuildListing(*Report);
    for (TrpComponent* object : Report->AllObjects()) {
      if (auto* band = dynamic_cast<TrpGroupHeader*>(object))
        band->SetOutlineText(QStringLiteral("'Group ' + <Rows.\"name\">"));
      if (auto* band = dynamic_cast<TrpMasterData*>(object))
        band->SetOutlineText(QStringLiteral("<Rows.\"name\">"));
      auto* memo = dynamic_cast<TrpMemoView*>(object);
      if (memo && memo->Memo().join(QString()) == QLatin1String("Listing of items"))
        memo->Hyperlink()->SetValue(QLatin1String(kListingLink));
      if (memo && memo->Memo().join(QString()).startsWith(QLatin1String("Page "))) {
        memo->Hyperlink()->SetKind(hkPageNumber);
        memo->Hyperlink()->SetValue(QStringLiteral("1"));
      }
    }
    EXPECT_TRUE(Report->PrepareReport()) << Report->Errors().join('\n');
    return *Report;
  }

  // Exports the prepared report with a new filter of `className` into `name` of the folder;
  // `configure` may set the filter up first. The path, or an empty text when the export failed.
  QString Export(const QString& className, const QString& name,
                 const std::function<void(TrpCustomExportFilter&)>& configure = {}) {
    const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(className);
    EXPECT_TRUE(filter) << className;
    if (!filter) return {};
    filter->SetFileName(Path(name));
    if (configure) configure(*filter);
    const bool done = Report->Export(*filter);
    EXPECT_TRUE(done) << filter->Error();
    return done ? Path(name) : QString();
  }

  QString Path(const QString& name) const { return QDir(Dir.path()).filePath(name); }

  // The standard output of a poppler tool.
  static QString Tool(const char* name, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(name), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << name;
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // Every text of every prepared page, line by line.
  QStringList PreparedTexts() const {
    QStringList texts;
    TrpCustomPreviewPages& pages = *Report->PreviewPages();
    for (int i = 0; i < pages.GetCount(); ++i)
      for (TrpComponent* object : pages.GetPage(i)->AllObjects())
        if (auto* memo = dynamic_cast<TrpCustomMemoView*>(object))
          for (const QString& line : memo->Memo())
            if (!line.trimmed().isEmpty()) texts.append(line.trimmed());
    return texts;
  }

  // The store's outline as indented lines: two spaces a level, then the text.
  QStringList OutlineLines() const {
    QStringList lines;
    TrpCustomOutline& outline = *Report->PreviewPages()->Outline();
    const std::function<void(int)> walk = [&](int level) {
      for (int i = 0; i < outline.GetCount(); ++i) {
        QString text;
        int page = 0, top = 0;
        outline.GetItem(i, text, page, top);
        lines.append(QString(2 * level, u' ') + text);
        outline.LevelDown(i);
        walk(level + 1);
        outline.LevelUp();
      }
    };
    outline.LevelRoot();
    walk(0);
    return lines;
  }

  std::unique_ptr<ListingRows> Rows;
  std::unique_ptr<TrpReport> Report;
  QTemporaryDir Dir;
};
