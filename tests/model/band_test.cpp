// Band behaviour: the child link, which kinds can be vertical, the fill, text-mode positions and
// designer drawing.
#include <QImage>
#include <QPainter>

#include "pages_fixture.h"
#include "report/objects/class_info.h"
#include "report/objects/property_access.h"
#include "report/objects/report_error.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/views/brush_fill.h"
#include "report/views/gradient_fill.h"

namespace {

using BandTest = PageTest;

QString errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const TrpError& e) {
    return e.Message();
  }
  return {};
}

TEST_F(BandTest, BandCannotBeItsOwnChild) {
  auto* child = new TrpChild(Page);
  EXPECT_EQ(errorOf([&] { child->SetChild(child); }),
            QStringLiteral("Circular child reference is not allowed"));
  EXPECT_EQ(child->Child(), nullptr);
}

TEST_F(BandTest, ChildChainCannotLeadBack) {
  auto* first = new TrpChild(Page);
  auto* second = new TrpChild(Page);
  auto* third = new TrpChild(Page);
  first->SetChild(second);
  second->SetChild(third);
  auto* previous = new TrpChild(Page);
  third->SetChild(previous);
  EXPECT_EQ(errorOf([&] { previous->SetChild(first); }),
            QStringLiteral("Circular child reference is not allowed"));
  EXPECT_EQ(previous->Child(), nullptr);
  EXPECT_EQ(third->Child(), previous);
}

TEST_F(BandTest, ChainWithoutTheBandIsAccepted) {
  auto* title = new TrpReportTitle(Page);
  auto* first = new TrpChild(Page);
  auto* second = new TrpChild(Page);
  first->SetChild(second);
  title->SetChild(first);
  EXPECT_EQ(title->Child(), first);
  title->SetChild(nullptr);
  EXPECT_EQ(title->Child(), nullptr);
}

TEST_F(BandTest, FreedChildIsForgotten) {
  auto* title = new TrpReportTitle(Page);
  auto* child = new TrpChild(Page);
  title->SetChild(child);
  delete child;
  EXPECT_EQ(title->Child(), nullptr);
}

TEST_F(BandTest, DataTreeBandsCanBeVertical) {
  QList<TrpBand*> bands{new TrpHeader(Page), new TrpFooter(Page), new TrpMasterData(Page),
                        new TrpDataBand6(Page), new TrpGroupHeader(Page), new TrpGroupFooter(Page)};
  for (TrpBand* band : bands) {
    band->SetVertical(true);
    EXPECT_TRUE(band->Vertical()) << band->ClassName().toStdString();
  }
  // The way a report file sets it.
  auto* data = new TrpDetailData(Page);
  const TrpPropertyRef vertical = rpFindPropertyPath(*data, u"Vertical");
  ASSERT_TRUE(vertical);
  vertical.Property->Set(*vertical.Object, QVariant(true));
  EXPECT_TRUE(data->Vertical());
}

TEST_F(BandTest, PageLevelBandsStayHorizontal) {
  QList<TrpBand*> bands{new TrpReportTitle(Page), new TrpReportSummary(Page),
                        new TrpPageHeader(Page),  new TrpPageFooter(Page),
                        new TrpChild(Page),       new TrpColumnHeader(Page),
                        new TrpColumnFooter(Page), new TrpOverlay(Page)};
  for (TrpBand* band : bands) {
    band->SetVertical(true);
    EXPECT_FALSE(band->Vertical()) << band->ClassName().toStdString();
    const TrpPropertyRef vertical = rpFindPropertyPath(*band, u"Vertical");
    ASSERT_TRUE(vertical);
    vertical.Property->Set(*vertical.Object, QVariant(true));
    EXPECT_FALSE(band->Vertical()) << band->ClassName().toStdString();
  }
}

TEST_F(BandTest, NewBandHasADefaultBrushFillAndNoGaps) {
  auto* band = new TrpPageHeader(Page);
  auto* brush = dynamic_cast<TrpBrushFill*>(band->Fill());
  ASSERT_NE(brush, nullptr);
  EXPECT_EQ(brush->BackColor(), clNone);
  EXPECT_EQ(band->FillGap()->Left() + band->FillGap()->Top() + band->FillGap()->Right() +
                band->FillGap()->Bottom(),
            0);
}

TEST_F(BandTest, FillTypeIsAlwaysWritten) {
  auto* band = new TrpPageHeader(Page);
  const TrpPropertyDescriptor* d = band->ClassInfo().FindProperty("FillType");
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->HasDefault());
}

TEST_F(BandTest, FillTypeReplacesTheFill) {
  auto* band = new TrpPageHeader(Page);
  band->SetFillType(ftGradient);
  EXPECT_NE(dynamic_cast<TrpGradientFill*>(band->Fill()), nullptr);
  TrpBrushFill red;
  red.SetBackColor(0x0000FF);
  band->SetFill(red);
  auto* brush = dynamic_cast<TrpBrushFill*>(band->Fill());
  ASSERT_NE(brush, nullptr);
  EXPECT_EQ(brush->BackColor(), 0x0000FF);
}

TEST_F(BandTest, RecordAlwaysHoldsTheTop) {
  auto* band = new TrpPageHeader(Page);
  auto* same = new TrpPageHeader(Page);
  EXPECT_TRUE(band->Diff(*same).contains(QLatin1String(" t=\"0\"")));
}

// Bands on a text-mode page snap to its character grid: see dmp_objects_test.cpp.
TEST_F(BandTest, BandOnAnOrdinaryPageKeepsItsPosition) {
  auto* band = new TrpMasterData(Page);
  band->SetLeft(15);
  band->SetTop(20);
  band->SetHeight(30);
  EXPECT_MM(band->Left(), 15);
  EXPECT_MM(band->Top(), 20);
  EXPECT_MM(band->Height(), 30);
}

QImage drawBand(TrpBand& band) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  band.Draw(painter, 1, 1, 0, 0);
  return image;
}

TEST_F(BandTest, DesignerDrawsTheFill) {
  auto* band = new TrpPageHeader(Page);
  band->SetBounds(0, 0, 20, 20);
  static_cast<TrpBrushFill*>(band->Fill())->SetBackColor(0x0000FF);
  band->SetIsDesigning(true);
  EXPECT_EQ(drawBand(*band).pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(drawBand(*band).pixel(30, 30), qRgb(255, 255, 255));
}

TEST_F(BandTest, PreviewDrawsNothingOfTheBand) {
  auto* band = new TrpPageHeader(Page);
  band->SetBounds(0, 0, 20, 20);
  static_cast<TrpBrushFill*>(band->Fill())->SetBackColor(0x0000FF);
  EXPECT_EQ(drawBand(*band).pixel(10, 10), qRgb(255, 255, 255));
}

}  // namespace
