// Subreport objects: their look, the two-sided link to the page they show, and their drawing.
#include <QImage>
#include <QPainter>

#include "pages_fixture.h"
#include "report/pages/subreport.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"

namespace {

using SubreportTest = PageTest;

TEST_F(SubreportTest, NewSubreportIsAFramedSilverBoxOutOfThePreview) {
  auto* sub = new TrpSubreport(Page);
  EXPECT_FALSE(sub->rpComponentStyle().Has(csPreviewVisible));
  EXPECT_EQ(sub->Frame()->Typ(), (TrpFrameTypes{ftLeft, ftRight, ftTop, ftBottom}));
  EXPECT_EQ(sub->Font()->Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(sub->Font()->Size(), 8);
  EXPECT_EQ(sub->Color(), 0xC0C0C0);
  EXPECT_FALSE(sub->PrintOnParent());
}

TEST_F(SubreportTest, SettingThePageLinksBothSides) {
  auto* shown = new TrpReportPage(&Report);
  auto* sub = new TrpSubreport(Page);
  sub->SetPage(shown);
  EXPECT_EQ(shown->SubReport(), sub);
  EXPECT_TRUE(shown->IsSubReport());
  EXPECT_FALSE(Page->IsSubReport());
}

TEST_F(SubreportTest, AnotherPageReleasesThePrevious) {
  auto* first = new TrpReportPage(&Report);
  auto* second = new TrpReportPage(&Report);
  auto* sub = new TrpSubreport(Page);
  sub->SetPage(first);
  sub->SetPage(second);
  EXPECT_FALSE(first->IsSubReport());
  EXPECT_EQ(second->SubReport(), sub);
}

TEST_F(SubreportTest, PageIsShownByOneSubreportAtATime) {
  auto* shown = new TrpReportPage(&Report);
  auto* first = new TrpSubreport(Page);
  auto* second = new TrpSubreport(Page);
  first->SetPage(shown);
  second->SetPage(shown);
  EXPECT_EQ(first->Page(), nullptr);
  EXPECT_EQ(shown->SubReport(), second);
}

TEST_F(SubreportTest, FreeingThePageClearsTheSubreport) {
  auto* shown = new TrpReportPage(&Report);
  auto* sub = new TrpSubreport(Page);
  sub->SetPage(shown);
  delete shown;
  EXPECT_EQ(sub->Page(), nullptr);
}

TEST_F(SubreportTest, FreeingTheSubreportClearsThePage) {
  auto* shown = new TrpReportPage(&Report);
  auto* sub = new TrpSubreport(Page);
  sub->SetPage(shown);
  delete sub;
  EXPECT_FALSE(shown->IsSubReport());
}

TEST_F(SubreportTest, DrawingShowsTheNameOverTheBox) {
  auto* sub = new TrpSubreport(Page);
  sub->SetName(QStringLiteral("Sub1"));
  sub->SetBounds(0, 0, 120, 40);
  QImage image(130, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  sub->Draw(painter, 1, 1, 0, 0);
  painter.end();
  EXPECT_EQ(image.pixel(100, 30), qRgb(0xC0, 0xC0, 0xC0));  // the box, away from the text
  int dark = 0;
  for (int y = 2; y < 14; ++y)
    for (int x = 2; x < 40; ++x) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 5);  // the name's strokes
}

}  // namespace
