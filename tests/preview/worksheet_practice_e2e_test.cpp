// The practice options end to end through the real window and the real preview: 米字格 and
// tracing 3 chosen, a word generated, a character dropped, "列印" pressed; the preview shows the
// diagonal guides, the model, three traced characters and then empty cells. A sheet saved, the
// window closed and the sheet opened in a new one prints the same page.
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/practice_options.h"
#include "app/worksheet_window.h"
#include "preview_snapshot.h"
#include "report/objects/report_services.h"
#include "report/preview/install_preview.h"
#include "report/services/install_report_services.h"
#include "report/units/report_units.h"
#include "worksheet/practice_colors.h"
#include "worksheet_window_driver.h"

namespace {

using stroval::GuideStyle;

constexpr Extended kMarginUnits = 5.000625L * 3.77953L;  // the page's margin in report units
constexpr Extended kCellPitchX = 93, kCellPitchY = 90, kGuideSide = 88;

enum class Ink { Paper, Guide, Model, Trace, Other };

// What a pixel of the page is: the guides' pale red, the sample font's dark grey, the trace ink's
// light grey (smoothed glyph edges fall between them and the paper and count as neither), paper.
Ink InkOf(QColor c) {
  const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
  if (c.red() > 200 && c.red() - c.green() > 50 && c.green() == c.blue()) return Ink::Guide;
  if (spread > 8) return Ink::Other;
  if (c.red() >= 245) return Ink::Paper;
  if (c.red() <= 150) return Ink::Model;
  if (std::abs(c.red() - qRed(stroval::kTraceInk)) <= 6) return Ink::Trace;
  return Ink::Other;
}

int Count(const QImage& image, const QRect& area, Ink ink) {
  int count = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) count += InkOf(image.pixelColor(x, y)) == ink;
  return count;
}

// Guide pixels within two pixels of the line from `from` to `to`, out of the points sampled.
double GuideCover(const QImage& image, QPointF from, QPointF to) {
  constexpr int kSamples = 60;
  int found = 0;
  for (int i = 5; i < kSamples - 5; ++i) {
    const QPointF at = from + (to - from) * (double(i) / kSamples);
    bool hit = false;
    for (int dy = -2; dy <= 2 && !hit; ++dy)
      for (int dx = -2; dx <= 2 && !hit; ++dx) {
        const QPoint p(int(at.x()) + dx, int(at.y()) + dy);
        hit = image.rect().contains(p) && InkOf(image.pixelColor(p)) == Ink::Guide;
      }
    found += hit;
  }
  return double(found) / (kSamples - 10);
}

class PracticeEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
    ASSERT_TRUE(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }
  void TearDown() override { rpReportServices() = TrpReportServices{}; }

  static PreviewSnapshot Print(stroval::TForm19& window) {
    return rpSnapshotPreview([&] { QTest::mouseClick(window.btnPrint, Qt::LeftButton); },
                             [](long double) { return 0; });
  }
  // Cell [column, row] of the upper half in the preview's grab: its guide square.
  static QRectF CellOnPage(const PreviewSnapshot& seen, int column, int row) {
    const auto at = [&](Extended units) { return double(units * seen.Zoom); };
    return QRectF(seen.Page.left() + at(kMarginUnits + (column - 1) * kCellPitchX),
                  seen.Page.top() + at(kMarginUnits + row * kCellPitchY + 10), at(kGuideSide), at(kGuideSide));
  }

  QTemporaryDir settings_;
};

TEST_F(PracticeEndToEnd, GuidesAndTracingAppearInTheWindowAndThePreview) {
  stroval::TForm19 window;
  ASSERT_TRUE(ShowActive(window));
  QComboBox* guides = window.Practice->GuidesBox();
  guides->setCurrentIndex(guides->findText(QStringLiteral("米字格")));
  window.Practice->TraceBox()->setValue(3);
  window.edtInput->setText(QStringLiteral("永字"));
  QTest::mouseClick(window.Button1, Qt::LeftButton);
  const std::vector<stroval::Label*> labels = PaletteLabels(window);
  ASSERT_EQ(labels.size(), 2u);
  DropLabel(labels[0], window.paneWord(1, 1));

  // On screen: the cells of row 1 show the model, three traced characters, then guides alone.
  QApplication::processEvents();
  const QImage screen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const auto cellOnScreen = [&](int column) {
    stroval::Panel* cell = window.paneWord(column, 1);
    return QRect(cell->mapTo(&window, QPoint(0, 0)), cell->size()).adjusted(4, 4, -4, -4);
  };
  EXPECT_GT(Count(screen, cellOnScreen(1), Ink::Model), 200);
  for (int column = 2; column <= 4; ++column) {
    EXPECT_GT(Count(screen, cellOnScreen(column), Ink::Trace), 200) << column;
    EXPECT_EQ(Count(screen, cellOnScreen(column), Ink::Model), 0) << column;
  }
  for (int column = 5; column <= 8; ++column) {
    const QRect cell = cellOnScreen(column);
    EXPECT_EQ(Count(screen, cell, Ink::Trace) + Count(screen, cell, Ink::Model), 0) << column;
    EXPECT_GT(GuideCover(screen, cell.topLeft(), cell.bottomRight()), 0.4) << column;
    EXPECT_GT(GuideCover(screen, cell.bottomLeft(), cell.topRight()), 0.4) << column;
  }

  const PreviewSnapshot seen = Print(window);
  ASSERT_TRUE(seen.Window);
  const QString keep = qEnvironmentVariable("STROVAL_PRACTICE_E2E_SCREENSHOT");
  if (!keep.isEmpty()) seen.Image.save(keep);
  for (int column = 1; column <= 8; ++column) {
    SCOPED_TRACE(column);
    const QRectF cell = CellOnPage(seen, column, 1);
    const QRect inside = cell.toAlignedRect().adjusted(3, 3, -3, -3);
    // Both diagonals of the 米字格, dashed, in the guide ink.
    EXPECT_GT(GuideCover(seen.Image, cell.topLeft(), cell.bottomRight()), 0.4);
    EXPECT_GT(GuideCover(seen.Image, cell.bottomLeft(), cell.topRight()), 0.4);
    const int model = Count(seen.Image, inside, Ink::Model), trace = Count(seen.Image, inside, Ink::Trace);
    if (column == 1) {
      EXPECT_GT(model, 200);
    } else if (column <= 4) {
      EXPECT_GT(trace, 200);
      EXPECT_EQ(model, 0);
    } else {
      EXPECT_EQ(model + trace, 0);
    }
  }
  // Row 2 was not dropped on: its cells hold guides and no character.
  const QRect row2 = CellOnPage(seen, 1, 2).toAlignedRect().adjusted(3, 3, -3, -3);
  EXPECT_EQ(Count(seen.Image, row2, Ink::Model) + Count(seen.Image, row2, Ink::Trace), 0);
}

TEST_F(PracticeEndToEnd, ASheetSavedAndOpenedAfterQuittingPrintsTheSamePage) {
  QTemporaryDir files;
  const QString path = files.filePath(QStringLiteral("week.stws"));
  QImage windowBefore, paletteBefore;
  PreviewSnapshot before;
  stroval::WorksheetSheet saved;
  {
    stroval::TForm19 window;
    ASSERT_TRUE(ShowActive(window));
    window.SchTitle->setText(QStringLiteral("Orlavo School"));
    window.Practice->SetGuides(GuideStyle::NineSquares);
    window.Practice->SetTraceCount(2);
    window.edtInput->setText(QStringLiteral("上學"));
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    const std::vector<stroval::Label*> labels = PaletteLabels(window);
    DropLabel(labels[0], window.paneWord(1, 1));
    DropLabel(labels[1], window.paneWord(4, 3));
    QApplication::processEvents();
    windowBefore = window.paneWorksheet->grab().toImage();
    paletteBefore = window.paneTEXT->grab().toImage();
    before = Print(window);
    saved = window.Sheet();
    ASSERT_TRUE(window.SaveSheet(path));
  }
  stroval::TForm19 window;
  ASSERT_TRUE(ShowActive(window));
  ASSERT_TRUE(window.OpenSheet(path));
  QApplication::processEvents();
  EXPECT_EQ(window.Sheet(), saved);
  EXPECT_EQ(window.paneWorksheet->grab().toImage(), windowBefore);
  EXPECT_EQ(window.paneTEXT->grab().toImage(), paletteBefore);
  const PreviewSnapshot after = Print(window);
  ASSERT_TRUE(before.Window && after.Window);
  EXPECT_EQ(after.Page, before.Page);
  EXPECT_EQ(after.Image, before.Image);
}

}  // namespace
