// The report building the window and the batch command share: guide objects per style, centred
// characters inside guides, traced characters in the trace ink, and nothing left over from an
// earlier building.
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/report_font.h"
#include "report/views/frame.h"
#include "report/views/line_view.h"
#include "report/views/shape_view.h"
#include "worksheet/practice_colors.h"
#include "worksheet/report_color.h"
#include "worksheet/report_guides.h"
#include "worksheet/worksheet_report_builder.h"
#include "worksheet/worksheet_template.h"

namespace {

using stroval::GuideStyle;
using stroval::WorksheetSheet;

constexpr int kCells = 32;
constexpr int kTemplateMemos = 4;

class ReportBuilding : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(stroval::LoadWorksheetTemplate(report_)) << report_.Errors().join('\n').toStdString(); }

  template <class T>
  std::vector<const T*> All() const {
    std::vector<const T*> found;
    for (const TrpComponent* c : report_.Components())
      if (const auto* object = dynamic_cast<const T*>(c)) found.push_back(object);
    return found;
  }
  // The text objects made for the cells of the upper half, column by column.
  std::vector<const TrpMemoView*> CellMemos() const {
    const std::vector<const TrpMemoView*> memos = All<TrpMemoView>();
    return {memos.begin() + kTemplateMemos, memos.begin() + kTemplateMemos + kCells};
  }
  int Index(const TrpComponent* object) const { return int(report_.Components().indexOf(object)); }

  TrpReport report_;
};

struct GuideCase {
  GuideStyle style;
  int objectsPerCell;  // the outline and the dashed lines
  int risingPerCell;   // diagonals of negative height
};

TEST_F(ReportBuilding, EachGuideStyleAddsItsObjectsToBothHalves) {
  const GuideCase cases[] = {
      {GuideStyle::None, 0, 0},
      {GuideStyle::Cross, 3, 0},
      {GuideStyle::CrossAndDiagonals, 5, 1},
      {GuideStyle::NineSquares, 5, 0},
  };
  for (const GuideCase& c : cases) {
    SCOPED_TRACE(stroval::GuideStyleKey(c.style).toStdString());
    WorksheetSheet sheet;
    sheet.guides = c.style;
    ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
    const auto shapes = All<TrpShapeView>();
    const auto lines = All<TrpLineView>();
    EXPECT_EQ(int(shapes.size() + lines.size()), 2 * kCells * c.objectsPerCell);
    int rising = 0;
    for (const TrpLineView* line : lines) {
      EXPECT_EQ(line->Tag(), stroval::kGuideObjectTag);
      EXPECT_EQ(line->Frame()->Style(), fsDash);
      EXPECT_EQ(line->Frame()->Color(), stroval::ReportColor(QColor(stroval::kGuideInk)));
      rising += line->Height() < 0;
    }
    EXPECT_EQ(rising, 2 * kCells * c.risingPerCell);
    for (const TrpShapeView* outline : shapes) {
      EXPECT_EQ(outline->Frame()->Style(), fsSolid);
      EXPECT_EQ(outline->Color(), clNone);
    }
    EXPECT_EQ(int(All<TrpMemoView>().size()), kTemplateMemos + kCells + kTemplateMemos + kCells);
  }
}

TEST_F(ReportBuilding, GuidesLieUnderTheCharacters) {
  WorksheetSheet sheet;
  sheet.guides = GuideStyle::Cross;
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  const auto lines = All<TrpLineView>();
  const auto memos = CellMemos();
  // Upper half: every guide before the first cell; lower half: the copies keep that order.
  EXPECT_LT(Index(lines[kCells * 2 - 1]), Index(memos.front()));
  EXPECT_GT(Index(lines.back()), Index(memos.back()));
  EXPECT_LT(Index(lines.back()), Index(All<TrpMemoView>().back()));
}

TEST_F(ReportBuilding, InsideGuidesACharacterIsCentredInItsSquare) {
  WorksheetSheet sheet;
  sheet.guides = GuideStyle::CrossAndDiagonals;
  sheet.Drop(1, 1, QStringLiteral("永"));
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  const auto outlines = All<TrpShapeView>();
  const auto memos = CellMemos();
  for (int i = 0; i < kCells; ++i) {
    const TrpComponent* box = outlines[i];
    const TrpMemoView* memo = memos[i];
    EXPECT_NEAR(double(memo->Left() + memo->Width() / 2), double(box->Left() + box->Width() / 2), 1e-9) << i;
    EXPECT_NEAR(double(memo->Top() + memo->Height() / 2), double(box->Top() + box->Height() / 2), 1e-9) << i;
  }
}

TEST_F(ReportBuilding, TracedCellsArePrintedInTheTraceInkAndTheModelInTheSampleFont) {
  WorksheetSheet sheet;
  sheet.traceCount = 3;
  sheet.Drop(2, 3, QStringLiteral("永"));
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  const TColor trace = stroval::ReportColor(QColor(stroval::kTraceInk));
  const TColor model = stroval::ReportColor(sheet.font.color);
  const auto memos = CellMemos();
  for (int column = 1; column <= 8; ++column) {
    const TrpMemoView* memo = memos[(column - 1) * 4 + 2];  // row 3
    const bool traced = column >= 3 && column <= 5;
    EXPECT_EQ(memo->Memo().join(QString()), column >= 2 && column <= 5 ? QStringLiteral("永") : QString()) << column;
    EXPECT_EQ(memo->Font()->Color(), traced ? trace : model) << column;
  }
}

TEST_F(ReportBuilding, BuildingAgainReplacesTheEarlierObjects) {
  WorksheetSheet sheet;
  sheet.guides = GuideStyle::NineSquares;
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  EXPECT_EQ(int(All<TrpLineView>().size() + All<TrpShapeView>().size()), 2 * kCells * 5);
  sheet.guides = GuideStyle::None;
  ASSERT_TRUE(stroval::BuildWorksheetReport(report_, sheet));
  EXPECT_TRUE(All<TrpLineView>().empty());
  EXPECT_TRUE(All<TrpShapeView>().empty());
  EXPECT_EQ(int(All<TrpMemoView>().size()), 2 * (kTemplateMemos + kCells));
}

}  // namespace
