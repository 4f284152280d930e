// A dot-matrix report in the preview window: its texts and lines are drawn as characters in the
// cells of their positions, its printer commands leave no ink.
#include "preview_window_fixture.h"
#include "report/pages/band_kinds.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_line_view.h"
#include "report/textmode/dmp_memo_view.h"
#include "report/textmode/dmp_page.h"

namespace {

using PreviewTextMode = PreviewWindowTest;

int inkIn(const QImage& image, QRect area) {
  area = area.intersected(image.rect());
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 128;
  return count;
}

TEST_F(PreviewTextMode, TextsAndLinesAreCharactersInTheirCells) {
  Report->SetDotMatrixReport(true);
  auto* page = new TrpDMPPage(Report.get());
  page->CreateUniqueName();
  auto* title = new TrpReportTitle(page);
  title->CreateUniqueName();
  title->SetHeight(68);
  auto* memo = new TrpDMPMemoView(title);
  memo->CreateUniqueName();
  memo->SetBounds(96, 17, 192, 17);  // columns 10 to 29 of row 1
  memo->SetText(QStringLiteral("HHHHHHHHHH"));
  auto* line = new TrpDMPLineView(title);
  line->CreateUniqueName();
  line->SetBounds(96, 51, 96, 0);  // columns 10 to 19 of row 3
  auto* command = new TrpDMPCommand(title);
  command->CreateUniqueName();
  command->SetBounds(0, 0, 9.6L, 17);
  command->SetCommand(QStringLiteral("#27E"));
  const PreviewSnapshot seen = rpSnapshotPreview([this] { Report->ShowReport(); }, [](long double) { return 0; });
  ASSERT_TRUE(seen.Window);
  ASSERT_FALSE(seen.Image.isNull());
  if (const QString keep = qEnvironmentVariable("STROVAL_PREVIEW_SCREENSHOT"); !keep.isEmpty()) seen.Image.save(keep);
  // Cells of (column, row, columns, rows) in workspace pixels.
  const auto cells = [&](int column, int row, int columns, int rows) {
    const auto px = [&](Extended v) { return static_cast<int>(rpRound(v * seen.Zoom)); };
    return QRect(seen.Page.left() + px(column * rp1CharX), seen.Page.top() + px(row * rp1CharY),
                 px(columns * rp1CharX), px(rows * rp1CharY));
  };
  const struct {
    const char* what;
    QRect area;
    bool inked;
  } parts[] = {
      {"the text's first cell", cells(10, 1, 1, 1), true},
      {"the text's last cell", cells(19, 1, 1, 1), true},
      {"the cells after the text", cells(20, 1, 10, 1), false},
      {"the row above the text", cells(0, 0, 40, 1), false},  // where the command lies
      {"the line's first cell", cells(10, 3, 1, 1), true},
      {"the line's last cell", cells(19, 3, 1, 1), true},
      {"after the line", cells(20, 3, 10, 1), false},
      {"the row between", cells(0, 2, 40, 1), false},
  };
  for (const auto& part : parts) {
    const int ink = inkIn(seen.Image, part.area.adjusted(1, 1, -1, -1));
    if (part.inked)
      EXPECT_GT(ink, 0) << part.what;
    else
      EXPECT_EQ(ink, 0) << part.what;
  }
  // Every cell of the text carries the same character: ink alike in each.
  const int first = inkIn(seen.Image, cells(10, 1, 1, 1));
  for (int column = 11; column < 20; ++column)
    EXPECT_NEAR(inkIn(seen.Image, cells(column, 1, 1, 1)), first, first / 3 + 2) << column;
}

}  // namespace
