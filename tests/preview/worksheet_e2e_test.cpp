// The worksheet end to end through the real widgets: a title and a word typed, the palette
// generated, labels dropped on cells, "列印" pressed; the preview window opens maximised at page
// width on page 1 of 1 and shows the sheet twice, the dropped characters in both halves.
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/drag_source_mime.h"
#include "app/label.h"
#include "app/panel.h"
#include "app/tag.h"
#include "app/worksheet_window.h"
#include "preview_snapshot.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/pages/report_page.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/services/install_report_services.h"
#include "worksheet_window_driver.h"

namespace {

int inkRows(const QImage& image, QRect area) {
  area = area.intersected(image.rect());
  int rows = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool ink = false;
    for (int x = area.left(); x <= area.right() && !ink; ++x) {
      const QColor c = image.pixelColor(x, y);
      ink = c.red() + c.green() + c.blue() < 3 * 160;
    }
    rows += ink;
  }
  return rows;
}

}  // namespace

TEST(WorksheetEndToEnd, PrintOpensThePreviewWithTheSheetTwice) {
  rpInstallReportServices();
  rpInstallPreview();
  stroval::TForm19 window;
  ASSERT_TRUE(ShowActive(window));
  window.SchTitle->setText(QStringLiteral("Orlavo School"));
  window.edtInput->setText(QStringLiteral("永字"));
  QTest::mouseClick(window.Button1, Qt::LeftButton);
  std::vector<stroval::Label*> labels;
  for (int i = 0; i < window.ComponentCount(); ++i)
    if (stroval::Tag(window.Components(i)) == stroval::TForm19::kPaletteLabelTag)
      labels.push_back(qobject_cast<stroval::Label*>(window.Components(i)));
  ASSERT_EQ(labels.size(), 2u);
  DropLabel(labels[0], window.paneWord(1, 1));
  DropLabel(labels[1], window.paneWord(5, 3));

  // Scrolled down by the copy's distance, so the copy stands where the sheet stood.
  const PreviewSnapshot seen = rpSnapshotPreview([&] { QTest::mouseClick(window.btnPrint, Qt::LeftButton); },
                                                 [](long double zoom) { return int(rpRound(532 * zoom)); });
  rpReportServices() = TrpReportServices{};

  ASSERT_TRUE(seen.Window);
  const QString keep = qEnvironmentVariable("STROVAL_PREVIEW_E2E_SCREENSHOT");
  if (!keep.isEmpty()) seen.Image.save(keep);
  EXPECT_TRUE(seen.Maximised);
  EXPECT_EQ(seen.Caption.toStdString(), "Preview");
  EXPECT_EQ(seen.Status.toStdString(), "Page 1 of 1");
  EXPECT_EQ(seen.PageBox.toStdString(), "1");
  EXPECT_EQ(seen.OfLabel.toStdString(), "of 1");
  EXPECT_NEAR(double(seen.Zoom), double(seen.PageWidthZoom), 1e-12);
  EXPECT_EQ(seen.Image.pixelColor(seen.Page.left() + 3, seen.Page.top() + 3), QColor(Qt::white));
  // The title line carries ink, and so does the same band 532 units x zoom lower.
  // Each band is found by rounding its own top rather than moving the first by a rounded 532
  // units. The copy starts at another fraction of a pixel, so its smoothed glyphs may cover
  // one row more or less.
  const auto band = [&](Extended top, Extended height, int scrolledBy = 0) {
    return QRect(seen.Page.left(), seen.Page.top() + int(rpRound(top * seen.Zoom)) - scrolledBy,
                 seen.Page.width(), int(rpRound(height * seen.Zoom)));
  };
  const auto copyOf = [&](Extended top, Extended height) { return band(top + 532, height, seen.ScrolledBy); };
  // The lower half is looked at after scrolling down (a maximised window is shorter than the page).
  ASSERT_GT(seen.ScrolledBy, 0);
  const QRect title = band(20, 40);
  const int first = inkRows(seen.Image, title);
  EXPECT_GT(first, 5);
  EXPECT_NEAR(inkRows(seen.Scrolled, copyOf(20, 40)), first, 1);
  // The dropped characters: the first cell row and the third, in both halves.
  for (Extended rowTop : {100.0L, 280.0L}) {
    const QRect cells = band(rowTop + 10, 80);
    const int ink = inkRows(seen.Image, cells);
    EXPECT_GT(ink, 20) << double(rowTop);
    EXPECT_NEAR(inkRows(seen.Scrolled, copyOf(rowTop + 10, 80)), ink, 1) << double(rowTop);
  }
}

namespace {

// The texts of the text objects on the first prepared page.
QStringList PreparedTexts(TrpReport& report) {
  QStringList texts;
  TrpReportPage* page = report.PreviewPages()->GetPage(0);
  if (!page) return texts;
  for (const TrpComponent* object : page->AllObjects())
    if (const auto* memo = dynamic_cast<const TrpMemoView*>(object)) texts << memo->Memo().join(u'\n');
  return texts;
}

}  // namespace

TEST(WorksheetEndToEnd, WhatTheTeacherTypesIsPrintedAsTypedBracketsIncluded) {
  rpInstallReportServices();
  rpInstallPreview();
  stroval::TForm19 window;
  ASSERT_TRUE(ShowActive(window));
  const QString title = QStringLiteral("Grade [1+2], Class [A]");
  window.SchTitle->setText(title);
  window.edtInput->setText(QStringLiteral("[永]"));
  QTest::mouseClick(window.Button1, Qt::LeftButton);
  stroval::Label* bracket = nullptr;
  for (int i = 0; i < window.ComponentCount(); ++i)
    if (stroval::Tag(window.Components(i)) == stroval::TForm19::kPaletteLabelTag) {
      auto* label = qobject_cast<stroval::Label*>(window.Components(i));
      if (label && label->text() == QStringLiteral("[")) bracket = label;
    }
  ASSERT_NE(bracket, nullptr);
  DropLabel(bracket, window.paneWord(2, 2));

  QStringList texts;
  rpDrivePreview([&] { QTest::mouseClick(window.btnPrint, Qt::LeftButton); }, 1,
                 [&](TrpPreviewForm&) { texts = PreparedTexts(*window.rpt); });
  rpReportServices() = TrpReportServices{};
  EXPECT_EQ(texts.count(title), 2) << qPrintable(texts.join(" | "));
  // The dropped "[" fills its row of cells, in both halves.
  EXPECT_GE(texts.count(QStringLiteral("[")), 2) << qPrintable(texts.join(" | "));
}

TEST(WorksheetEndToEnd, ALongTitleStaysOnOneLineAboveTheCaptions) {
  rpInstallReportServices();
  rpInstallPreview();
  stroval::TForm19 window;
  ASSERT_TRUE(ShowActive(window));
  // Ink rows in the title's place (its text object spans 9 .. 49 units below the band's top,
  // the captions' row starts at 49), for a title of one line's length and for a very long one.
  const auto titleRows = [&](const QString& title) {
    window.SchTitle->setText(title);
    const PreviewSnapshot seen =
        rpSnapshotPreview([&] { QTest::mouseClick(window.btnPrint, Qt::LeftButton); }, [](long double) { return 0; });
    // Inside the page's edges, which are drawn as lines of their own.
    const QRect place(seen.Page.left() + 5, seen.Page.top() + int(rpRound(20 * seen.Zoom)), seen.Page.width() - 10,
                      int(rpRound(46 * seen.Zoom)));
    return inkRows(seen.Image, place);
  };
  const int shortTitle = titleRows(QStringLiteral("練習"));
  const int longTitle = titleRows(QString(60, QChar(0x7df4)));
  rpReportServices() = TrpReportServices{};
  EXPECT_GT(shortTitle, 5);
  // A second line would add its own rows of ink, cut off where the text object ends.
  EXPECT_NEAR(longTitle, shortTitle, 2);
}
