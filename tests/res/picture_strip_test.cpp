#include "report/res/image_list.h"
#include "report/res/resources.h"

#include "report/res/gzip_inflate.h"

#include <QFile>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = 0xffc0c0c0;  // red, green, blue 192
constexpr QRgb kOlive = 0xff808000;

bool transparent(QRgb p) { return qAlpha(p) == 0; }

QImage carriedStrip() {
  TrpResources r;
  r.GetPreviewButtonImages();  // registers the pictures of the library
  QFile file(QStringLiteral(":/PreviewButtons"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const TrpInflateResult inflated = rpGunzip(file.readAll());
  return inflated.data ? QImage::fromData(*inflated.data, "BMP") : QImage();
}

// A strip of `count` tiles: tile i is filled with colour (i*40, 100, 200) except its top-left
// pixel, which has the background colour.
QImage syntheticStrip(int count, int size = 16) {
  QImage strip(size * count, size, QImage::Format_RGB32);
  for (int i = 0; i < count; ++i) {
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) strip.setPixel(i * size + x, y, qRgb(i * 40, 100, 200));
    strip.setPixel(i * size, 0, kBackground);
  }
  return strip;
}

TEST(PreviewStrip, IsA400By16Bitmap) {
  const QImage strip = carriedStrip();
  EXPECT_EQ(strip.size(), QSize(400, 16));
}

TEST(PreviewStrip, IsCutIntoTwentyFiveTiles) {
  TrpResources r;
  const TrpImageList& list = r.GetPreviewButtonImages();
  ASSERT_EQ(list.Count(), 25);
  for (const QImage& tile : list.Images()) EXPECT_EQ(tile.size(), QSize(16, 16));
}

TEST(PreviewStrip, BackgroundPixelsAndOnlyThoseAreTransparent) {
  const QImage strip = carriedStrip();
  ASSERT_FALSE(strip.isNull());
  TrpResources r;
  const TrpImageList& list = r.GetPreviewButtonImages();
  ASSERT_EQ(list.Count(), 25);
  for (int i = 0; i < 25; ++i) {
    const QImage tile = list.Image(i);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const QRgb source = strip.pixel(i * 16 + x, y);
        ASSERT_EQ(transparent(tile.pixel(x, y)), source == kBackground) << "tile " << i << " at " << x << "," << y;
        if (source != kBackground) {
          ASSERT_EQ(tile.pixel(x, y), source);
        }
      }
    }
  }
  EXPECT_TRUE(transparent(list.Image(0).pixel(0, 0)));  // the open folder's corner
}

TEST(PreviewStrip, OnlyPicturesSixAndEighteenAreEmpty) {
  TrpResources r;
  const TrpImageList& list = r.GetPreviewButtonImages();
  for (int i = 0; i < list.Count(); ++i) {
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) opaque += !transparent(list.Image(i).pixel(x, y));
    }
    if (i == 6 || i == 18) {
      EXPECT_EQ(opaque, 0) << "picture " << i;
    } else {
      EXPECT_GT(opaque, 20) << "picture " << i;
    }
  }
}

TEST(PreviewStrip, IsLoadedOnceAndCanBeReplaced) {
  TrpResources r;
  r.GetPreviewButtonImages();
  r.SetPreviewButtonImages(syntheticStrip(3), false);
  EXPECT_EQ(r.GetPreviewButtonImages().Count(), 28);
  r.SetPreviewButtonImages(syntheticStrip(2), true);
  EXPECT_EQ(r.GetPreviewButtonImages().Count(), 2);
}

struct GreyCase {
  int red, green, blue;
  int level;
};

void PrintTo(const GreyCase& c, std::ostream* os) {
  *os << "(" << c.red << ", " << c.green << ", " << c.blue << ") -> " << c.level;
}

class DisabledCopy : public ::testing::TestWithParam<GreyCase> {};

// level = round(((red + green + blue) div 3) / 3) + 150, capped at 255
TEST_P(DisabledCopy, TurnsEveryPixelGrey) {
  const GreyCase& c = GetParam();
  QImage image(1, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgb(c.red, c.green, c.blue));
  EXPECT_EQ(rpDisabledCopy(image).pixel(0, 0), qRgb(c.level, c.level, c.level));
}

INSTANTIATE_TEST_SUITE_P(Pixels, DisabledCopy,
                         ::testing::Values(GreyCase{0, 0, 0, 150}, GreyCase{255, 255, 255, 235},
                                           GreyCase{192, 192, 192, 214}, GreyCase{10, 20, 30, 157},
                                           GreyCase{5, 5, 5, 152},  // 5 / 3 rounds up
                                           GreyCase{4, 4, 6, 151},  // the mean is truncated first
                                           GreyCase{255, 0, 0, 178}, GreyCase{0, 128, 0, 164}));

TEST(DisabledCopy, KeepsTransparency) {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));
  EXPECT_TRUE(transparent(rpDisabledCopy(image).pixel(0, 0)));
}

TEST(ButtonImages, SettingThemAddsWashedOutCopies) {
  TrpResources r;
  r.SetButtonImages(syntheticStrip(3), false);
  r.SetButtonImages(syntheticStrip(2), false);
  ASSERT_EQ(r.GetMainButtonImages().Count(), 5);
  ASSERT_EQ(r.GetDisabledButtonImages().Count(), 5);
  // picture 4 is the second strip's picture 1, coloured (40, 100, 200): 113 / 3 rounds to 38
  EXPECT_EQ(r.GetDisabledButtonImages().Image(4).pixel(5, 5), qRgb(188, 188, 188));
  EXPECT_TRUE(transparent(r.GetDisabledButtonImages().Image(4).pixel(0, 0)));
}

TEST(ButtonImages, ClearingReplacesBothLists) {
  TrpResources r;
  r.SetButtonImages(syntheticStrip(3), false);
  r.SetButtonImages(syntheticStrip(1), true);
  EXPECT_EQ(r.GetMainButtonImages().Count(), 1);
  EXPECT_EQ(r.GetDisabledButtonImages().Count(), 1);
}

TEST(ButtonImages, WizardPicturesAre32Square) {
  TrpResources r;
  r.SetWizardImages(syntheticStrip(2, 32), false);
  ASSERT_EQ(r.GetWizardImages().Count(), 2);
  EXPECT_EQ(r.GetWizardImages().Image(1).size(), QSize(32, 32));
}

TEST(ButtonImages, PartialTileAtTheEdgeIsDropped) {
  TrpResources r;
  r.SetObjectImages(syntheticStrip(3).copy(0, 0, 40, 16), false);
  EXPECT_EQ(r.GetObjectImages().Count(), 2);
}

struct MissingList {
  const char* resource;
  const TrpImageList& (TrpResources::*get)();
};

void PrintTo(const MissingList& m, std::ostream* os) { *os << m.resource; }

class AbsentPictures : public ::testing::TestWithParam<MissingList> {};

TEST_P(AbsentPictures, RaiseResourceNotFoundNamingTheResource) {
  TrpResources r;
  try {
    (r.*GetParam().get)();
    FAIL() << "no error for " << GetParam().resource;
  } catch (const TrpResourceNotFound& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().resource), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Lists, AbsentPictures,
                         ::testing::Values(MissingList{"DesgnButtons", &TrpResources::GetMainButtonImages},
                                           MissingList{"ObjectButtons", &TrpResources::GetObjectImages},
                                           MissingList{"WizardButtons", &TrpResources::GetWizardImages}));

TEST(Glyph, ShowsPictureAndDisabledCopyOnOlive) {
  TrpResources r;
  r.SetButtonImages(syntheticStrip(2), false);
  const QImage glyph = r.Glyph(1);
  ASSERT_EQ(glyph.size(), QSize(32, 16));
  EXPECT_EQ(glyph.pixel(0, 0), kOlive);   // transparent corner of the picture
  EXPECT_EQ(glyph.pixel(16, 0), kOlive);  // and of its disabled copy
  EXPECT_EQ(glyph.pixel(5, 5), qRgb(40, 100, 200));
  EXPECT_EQ(glyph.pixel(21, 5), r.GetDisabledButtonImages().Image(1).pixel(5, 5));
}

TEST(Glyph, MissingPictureLeavesOliveOnly) {
  TrpResources r;
  r.SetButtonImages(syntheticStrip(1), false);
  const QImage glyph = r.Glyph(7);
  EXPECT_EQ(glyph.pixel(5, 5), kOlive);
  EXPECT_EQ(glyph.pixel(21, 5), kOlive);
}

TEST(Glyph, ButtonGetsEnabledAndDisabledPictures) {
  TrpResources r;
  r.SetButtonImages(syntheticStrip(2), false);
  QToolButton button;
  r.SetGlyph(&button, 1);
  ASSERT_FALSE(button.icon().isNull());
  const QImage normal = button.icon().pixmap(16, 16).toImage();
  const QImage disabled = button.icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
  EXPECT_EQ(normal.pixel(5, 5), qRgb(40, 100, 200));
  EXPECT_EQ(disabled.pixel(5, 5), r.GetDisabledButtonImages().Image(1).pixel(5, 5));
}

}  // namespace
