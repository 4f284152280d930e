// The page background: colour, frame and picture held by the page's picture object and drawn
// inside the margins, on screen and, when printable, on a printer.
#include <QImage>
#include <QPainter>

#include "pages_fixture.h"
#include "report/printer/recording_paint_device.h"
#include "report/views/frame.h"
#include "report/views/picture_view.h"

namespace {

class BackgroundTest : public PageTest {
 protected:
  void SetUp() override {
    // A 10 x 10 mm page with 2 mm margins: the printable area is 6 mm (22.68 units) square.
    Page->SetPaperWidth(10);
    Page->SetPaperHeight(10);
    for (auto setMargin : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetRightMargin,
                           &TrpReportPage::SetTopMargin, &TrpReportPage::SetBottomMargin})
      (Page->*setMargin)(2);
    Page->SetColor(0x0000FF);
  }
  QImage Draw() {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Page->Draw(painter, 1, 1, 0, 0);
    return image;
  }
};

TEST_F(BackgroundTest, NewPageHasATransparentBackgroundThatKeepsNoAspectRatio) {
  TrpReportPage page(nullptr);
  EXPECT_EQ(page.Color(), clNone);
  EXPECT_FALSE(page.BackPictureObject()->KeepAspectRatio());
  EXPECT_TRUE(page.BackPicture().isNull());
  EXPECT_EQ(page.BackPictureObject()->Owner(), nullptr);
  EXPECT_TRUE(page.Objects().isEmpty());
}

TEST_F(BackgroundTest, ColourAndFrameAreThePictureObjects) {
  EXPECT_EQ(Page->BackPictureObject()->Color(), 0x0000FF);
  TrpFrame frame;
  frame.SetTyp(TrpFrameTypes{ftLeft});
  Page->SetFrame(frame);
  EXPECT_EQ(Page->BackPictureObject()->Frame()->Typ(), TrpFrameTypes{ftLeft});
}

TEST_F(BackgroundTest, StretchedBackgroundFillsThePrintableAreaInsideTheMargins) {
  const QImage image = Draw();
  // 2 mm = 7.56 units: the margin stays white, the printable area (7.56 .. 30.24) is red.
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(9, 9), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(29, 29), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(32, 32), qRgb(255, 255, 255));
}

TEST_F(BackgroundTest, UnstretchedBackgroundTakesThePicturesOwnSize) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::green);
  Page->SetBackPicture(picture);
  Page->SetBackPictureStretched(false);
  Draw();
  EXPECT_MM(Page->BackPictureObject()->Width(), 4);
  EXPECT_MM(Page->BackPictureObject()->Height(), 4);
}

TEST_F(BackgroundTest, HiddenBackgroundIsNotDrawn) {
  Page->SetBackPictureVisible(false);
  EXPECT_EQ(Draw().pixel(15, 15), qRgb(255, 255, 255));
}

TEST_F(BackgroundTest, UnprintableBackgroundStaysOffThePrinter) {
  Page->SetBackPicturePrintable(false);
  EXPECT_EQ(Draw().pixel(15, 15), qRgb(255, 0, 0));  // still on screen
  TrpRecordingPaintDevice printer(QSize(40, 40), 96, 96);
  QPainter painter(&printer);
  Page->Draw(painter, 1, 1, 0, 0);
  painter.end();
  EXPECT_TRUE(printer.Records().isEmpty());
}

TEST_F(BackgroundTest, PrintableBackgroundReachesThePrinterWithItsColourAndPicture) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::green);
  picture.setPixel(0, 0, qRgb(0, 0, 255));  // a corner to tell the picture's way round
  Page->SetBackPicture(picture);
  TrpRecordingPaintDevice printer(QSize(40, 40), 96, 96);
  QPainter painter(&printer);
  Page->Draw(painter, 1, 1, 0, 0);
  painter.end();
  const Extended margin = 2 * rp01cm, side = 6 * rp01cm;
  bool colour = false, image = false;
  for (const TrpDrawRecord& r : printer.Records()) {
    if (r.Kind == drRect && r.Brush == QColor(255, 0, 0)) colour = true;
    if (r.Kind != drImage && r.Kind != drPixmap) continue;
    image = true;
    // Stretched over the printable area, the whole picture the right way round.
    EXPECT_NEAR(r.Bounds.left(), double(margin), 1);
    EXPECT_NEAR(r.Bounds.top(), double(margin), 1);
    EXPECT_NEAR(r.Bounds.width(), double(side), 1);
    EXPECT_NEAR(r.Bounds.height(), double(side), 1);
    ASSERT_EQ(r.Picture.size(), QSize(4, 4));
    EXPECT_EQ(r.Picture.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(r.Picture.pixel(3, 3), qRgb(0, 255, 0));
  }
  EXPECT_TRUE(colour) << "the background colour";
  EXPECT_TRUE(image) << "the background picture";
}

}  // namespace
