// ShowReport through the real engine and prepared-pages store: the preview window opens modal and
// maximised, the report is prepared inside it, and the page appears at page width with the sheet
// drawn twice, the copy 532 units x zoom lower.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "preview_snapshot.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/custom_report_script.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

using Seen = PreviewSnapshot;

bool isInk(QColor c) {
  return c.red() + c.green() + c.blue() < 3 * 160;
}

int inkIn(const QImage& image, QRect area) {
  area = area.intersected(image.rect());
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += isInk(image.pixelColor(x, y));
  return count;
}

// A rectangle of report units on the prepared page, in workspace pixels.
QRect onScreen(const Seen& seen, Extended left, Extended top, Extended width, Extended height) {
  const Extended margin = worksheet::kMargin * rp01cm;
  const auto px = [&](Extended v) { return static_cast<int>(rpRound(v * seen.Zoom)); };
  return QRect(seen.Page.left() + px(margin + left), seen.Page.top() + px(margin + top), px(width), px(height));
}

class ShowReport : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    Report->PreviewOptions().SetZoomMode(zmPageWidth);
    worksheet::Build(*Report, worksheet::Fonts::Sheet);
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }

  // Shows the report and looks at the window, the view scrolled down to the sheet's copy.
  Seen ShowAndLook() {
    return rpSnapshotPreview([this] { Report->ShowReport(); },
                             [](long double zoom) { return int(rpRound(worksheet::kCopyShift * zoom)); });
  }

  std::unique_ptr<TrpReport> Report;
};

}  // namespace

TEST_F(ShowReport, OpensTheMaximisedWindowAtPageWidthOnPageOneOfOne) {
  const Seen seen = ShowAndLook();
  ASSERT_TRUE(seen.Window);
  EXPECT_TRUE(seen.Maximised);
  EXPECT_EQ(seen.Caption.toStdString(), "Preview");
  EXPECT_EQ(seen.Status.toStdString(), "Page 1 of 1");
  EXPECT_EQ(seen.PageBox.toStdString(), "1");
  EXPECT_EQ(seen.OfLabel.toStdString(), "of 1");
  EXPECT_NEAR(double(seen.Zoom), double(seen.PageWidthZoom), 1e-12);
  EXPECT_EQ(seen.ZoomText.toStdString(), QString::number(rpRound(seen.Zoom * 100)).toStdString() + "%");
  EXPECT_EQ(Report->Preview(), nullptr) << "the window is gone";
}

TEST_F(ShowReport, DrawsTheSheetTwiceTheCopy532UnitsTimesZoomLower) {
  const Seen seen = ShowAndLook();
  ASSERT_TRUE(seen.Window);
  ASSERT_FALSE(seen.Image.isNull());
  const QString keep = qEnvironmentVariable("STROVAL_PREVIEW_SCREENSHOT");
  if (!keep.isEmpty()) seen.Image.save(keep);
  // A white sheet: a corner of the page away from any object.
  EXPECT_EQ(seen.Image.pixelColor(seen.Page.left() + 3, seen.Page.top() + 3), QColor(Qt::white));
  const struct {
    const char* What;
    QRect Area;
  } parts[] = {
      {"title", onScreen(seen, 5, 9, 731, 40)},
      {"class caption", onScreen(seen, 5, 49, 95, 40)},
      {"first cell", onScreen(seen, 0, 100, 93, 90)},
  };
  // On the scrolled view the copy stands 532 units x zoom below the original, less the scroll.
  const int copyShift = int(rpRound(worksheet::kCopyShift * seen.Zoom)) - seen.ScrolledBy;
  ASSERT_GT(seen.ScrolledBy, 0);
  if (!keep.isEmpty()) seen.Scrolled.save(QString(keep).replace(QStringLiteral(".png"), QStringLiteral("-copy.png")));
  for (const auto& part : parts) {
    const int first = inkIn(seen.Image, part.Area);
    const int copy = inkIn(seen.Scrolled, part.Area.translated(0, copyShift));
    EXPECT_GT(first, 20) << part.What;
    EXPECT_GT(copy, 20) << part.What << " (copy)";
    EXPECT_NEAR(copy, first, first / 5 + 5) << part.What;
  }
  // The empty eighth column has no ink in either half.
  EXPECT_EQ(inkIn(seen.Image, onScreen(seen, 7 * 93 + 10, 110, 60, 60)), 0);
  EXPECT_EQ(inkIn(seen.Scrolled, onScreen(seen, 7 * 93 + 10, 110, 60, 60).translated(0, copyShift)), 0);
}

// A script asks for the report to be shown: it is prepared and shown once the script has returned.
TEST_F(ShowReport, AScriptShowsItsReportOnceItHasReturned) {
  const Seen seen = rpSnapshotPreview(
      [this] {
        ASSERT_TRUE(Report->ReportScript()->PrepareScript(*Report));
        Report->Calc(QStringLiteral("Report.ShowReport"));
        EXPECT_EQ(Report->PreviewPages()->GetCount(), 0) << "nothing is prepared while the script runs";
        QCoreApplication::processEvents();
      },
      [](long double) { return 0; });
  ASSERT_TRUE(seen.Window);
  EXPECT_EQ(seen.Status.toStdString(), "Page 1 of 1");
}

// The preview's Cancel stops an expression that never returns: the preparation ends with the
// cancel's error and the window can be closed.
TEST_F(ShowReport, CancelStopsAnExpressionThatNeverReturns) {
  Report->SetScriptText({"function Forever: Integer;", "begin", "  Result := 0;", "  while True do Result := Result + 1;",
                         "end;", "begin end."});
  for (TrpComponent* object : Report->AllObjects())
    if (auto* memo = dynamic_cast<TrpMemoView*>(object)) {
      memo->SetText(QStringLiteral("[Forever]"));
      break;
    }
  // Cancel is pressed once the preview has been preparing for a while; the window is closed once
  // the preparation has ended (or after 20 s, so that a fault cannot hang the suite).
  bool cancelled = false;
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* form = qobject_cast<TrpPreviewForm*>(QApplication::activeModalWidget());
    if (!form) return;
    TrpPreview& preview = *form->PreviewControl();
    if (!cancelled && preview.Running() && clock.elapsed() > 300) {
      cancelled = true;
      preview.Cancel();
    } else if ((cancelled && !preview.Running()) || clock.elapsed() > 20000) {
      form->close();
    }
  });
  poll.start(20);
  Report->ShowReport();
  EXPECT_TRUE(cancelled) << "the preview was preparing when Cancel was pressed";
  EXPECT_TRUE(Report->Errors().join('\n').contains(QLatin1String("the preparation was cancelled")))
      << Report->Errors().join('\n').toStdString();
}
