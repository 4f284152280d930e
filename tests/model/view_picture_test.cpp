// Pictures: recognising and decoding each format, reading from streams (length header, position,
// failures), AutoSize, placement in the box, transparency, FileLink and data fields, metafiles,
// and the difference record that hands pictures to the prepared pages.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include "metafile_writer.h"
#include "report/datasets/data_set.h"
#include "report/views/jpeg_decoder.h"
#include "report/views/picture_view.h"
#include "view_test_support.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

QImage solid(int w, int h, QColor color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

QByteArray encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// A placeable metafile of 1000 x 500 units at 1000 per inch (96 x 48 pixels) whose left half is
// a red rectangle.
QByteArray placeableMetafile() {
  QByteArray b;
  put32(b, 0x9AC6CDD7u);
  put16(b, 0);
  for (int v : {0, 0, 1000, 500}) put16(b, v);
  put16(b, 1000);
  put32(b, 0);
  put16(b, 0);
  // Standard header: type, header size in words, version, size, objects, largest record, members.
  put16(b, 1), put16(b, 9), put16(b, 0x0300), put32(b, 0), put16(b, 1), put32(b, 7), put16(b, 0);
  put32(b, 7), put16(b, 0x02FC), put16(b, 0), put32(b, 0x0000FF), put16(b, 0);  // red brush
  put32(b, 4), put16(b, 0x012D), put16(b, 0);                                   // select it
  put32(b, 7), put16(b, 0x041B);                                                // rectangle
  for (int v : {500, 500, 0, 0}) put16(b, v);                                   // b, r, t, l
  put32(b, 3), put16(b, 0);                                                     // end
  return b;
}

// An enhanced metafile of 100 x 50 pixels whose left half is a red rectangle without outline.
QByteArray enhancedMetafile() {
  QByteArray b;
  put32(b, 1), put32(b, 108);
  for (quint32 v : {0u, 0u, 99u, 49u}) put32(b, v);        // bounds
  for (quint32 v : {0u, 0u, 2646u, 1323u}) put32(b, v);    // frame, 0.01 mm
  put32(b, 0x464D4520u), put32(b, 0x10000), put32(b, 0), put32(b, 5);
  put16(b, 2), put16(b, 0), put32(b, 0), put32(b, 0), put32(b, 0);
  put32(b, 1024), put32(b, 768), put32(b, 320), put32(b, 240);
  put32(b, 0), put32(b, 0), put32(b, 0), put32(b, 320000), put32(b, 240000);
  put32(b, 39), put32(b, 24), put32(b, 1), put32(b, 0), put32(b, 0x0000FF), put32(b, 0);
  put32(b, 37), put32(b, 12), put32(b, 1);
  put32(b, 37), put32(b, 12), put32(b, 0x80000008u);       // no pen
  put32(b, 43), put32(b, 24);
  for (quint32 v : {0u, 0u, 50u, 50u}) put32(b, v);
  put32(b, 14), put32(b, 20), put32(b, 0), put32(b, 0), put32(b, 20);
  return b;
}

QByteArray withHeader(const QByteArray& graphic, quint32 length) {
  QByteArray b;
  put16(b, 1);
  put16(b, 0x0100);
  put32(b, length);
  return b + graphic;
}

// --- recognising formats -------------------------------------------------------------------------

struct SniffCase {
  const char* name;
  QByteArray bytes;
  TrpGraphicKind kind;
};

class GraphicSniffing : public ::testing::TestWithParam<SniffCase> {};

TEST_P(GraphicSniffing, RecognisesTheFormatFromItsFirstBytes) {
  EXPECT_EQ(rpSniffGraphic(GetParam().bytes), GetParam().kind);
}

QByteArray padded(QByteArray head, int size, char fill = '\x07') {
  head.append(QByteArray(size - head.size(), fill));
  return head;
}

QByteArray emfSignatureOnly(int size) {
  QByteArray b = padded(QByteArray(1, '\x07'), size);
  qToLittleEndian<quint32>(0x464D4520u, b.data() + 40);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, GraphicSniffing,
    ::testing::Values(
        SniffCase{"Bitmap", padded("BM", 14), TrpGraphicKind::Bitmap},
        SniffCase{"ShortBitmap", padded("BM", 13), TrpGraphicKind::None},
        SniffCase{"Jpeg", QByteArray("\xFF\xD8", 2), TrpGraphicKind::Jpeg},
        SniffCase{"Png", QByteArray("\x89PNG\r\n\x1a\n", 8), TrpGraphicKind::Png},
        SniffCase{"Placeable", padded(QByteArray("\xD7\xCD\xC6\x9A", 4), 22), TrpGraphicKind::Metafile},
        SniffCase{"ShortPlaceable", padded(QByteArray("\xD7\xCD\xC6\x9A", 4), 21), TrpGraphicKind::None},
        SniffCase{"Enhanced", emfSignatureOnly(108), TrpGraphicKind::EnhancedMetafile},
        SniffCase{"ShortEnhanced", emfSignatureOnly(107), TrpGraphicKind::None},
        SniffCase{"Icon", QByteArray("\0\0\1\0\1\0", 6), TrpGraphicKind::Icon},
        SniffCase{"Text", QByteArray("hello world"), TrpGraphicKind::None}),
    [](const auto& info) { return std::string(info.param.name); });

// --- decoding ------------------------------------------------------------------------------------

struct DecodeCase {
  const char* format;
  TrpGraphicKind kind;
};

class RasterFormats : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(RasterFormats, LoadKeepingTheirBytesAndSize) {
  const QByteArray bytes = encode(solid(24, 16, QColor(200, 40, 40)), GetParam().format);
  ASSERT_FALSE(bytes.isEmpty());
  TrpPicture picture;
  ASSERT_TRUE(picture.LoadFromData(bytes));
  EXPECT_EQ(picture.Kind(), GetParam().kind);
  EXPECT_EQ(picture.Width(), 24);
  EXPECT_EQ(picture.Height(), 16);
  EXPECT_EQ(picture.Data(), bytes);
  const QColor c = picture.Image().pixelColor(12, 8);
  EXPECT_NEAR(c.red(), 200, 8);
  EXPECT_NEAR(c.green(), 40, 8);
  EXPECT_NEAR(c.blue(), 40, 8);
}

INSTANTIATE_TEST_SUITE_P(Formats, RasterFormats,
                         ::testing::Values(DecodeCase{"BMP", TrpGraphicKind::Bitmap},
                                           DecodeCase{"PNG", TrpGraphicKind::Png},
                                           DecodeCase{"ICO", TrpGraphicKind::Icon},
                                           DecodeCase{"JPG", TrpGraphicKind::Jpeg}),
                         [](const auto& info) { return std::string(info.param.format); });

TEST(JpegDecoder, DecodesGreyImages) {
  QImage grey(8, 8, QImage::Format_Grayscale8);
  grey.fill(QColor(90, 90, 90));
  const QImage image = rpDecodeJpeg(encode(grey, "JPG"));
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(image.pixelColor(4, 4).red(), 90, 4);
  EXPECT_EQ(image.pixelColor(4, 4).red(), image.pixelColor(4, 4).blue());
}

TEST(JpegDecoder, DamagedDataGivesNoImageAndAMessage) {
  QString error;
  const QImage image = rpDecodeJpeg(QByteArray("\xFF\xD8\xFF\xE0garbage", 11), &error);
  EXPECT_TRUE(image.isNull());
  EXPECT_FALSE(error.isEmpty());
}

// A header may claim any size; nothing that large is allocated. The JPEG claims 40000 x 40000
// pixels (6 GB decoded) over a few bytes of data; the metafile's bounds at one unit an inch make
// it millions of pixels wide, so it is drawn into its target but never made an image of its size.
TEST(Picture, SizesClaimedByTheFileAreCheckedBeforeAllocating) {
  QByteArray jpeg = encode(solid(8, 8, Qt::red), "JPG");
  const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(frame, 0);
  for (const int at : {5, 7}) jpeg[frame + at] = char(0x9C), jpeg[frame + at + 1] = char(0x40);
  QString error;
  EXPECT_TRUE(rpDecodeJpeg(jpeg, &error).isNull());
  EXPECT_EQ(error, "The picture is too large (40000 x 40000 pixels)");
  TrpPicture picture;
  EXPECT_FALSE(picture.LoadFromData(jpeg));

  QByteArray wmf = placeableMetafile();
  for (const int at : {10, 12}) wmf[at] = char(0x00), wmf[at + 1] = char(0x7D);  // right, bottom 32000
  wmf[14] = 1, wmf[15] = 0;                                                        // one unit an inch
  ASSERT_TRUE(picture.LoadFromData(wmf));
  EXPECT_EQ(picture.Width(), 32000 * 96);
  EXPECT_TRUE(picture.Image().isNull());
  QImage target = solid(20, 10, Qt::white);
  QPainter painter(&target);
  picture.Draw(painter, QRect(0, 0, 20, 10), false);
}

TEST(Picture, DamagedGraphicLeavesThePictureEmpty) {
  TrpPicture picture;
  picture.SetImage(solid(4, 4, Qt::red));
  EXPECT_FALSE(picture.LoadFromData(QByteArray("\x89PNG\r\n\x1a\nnot really", 18)));
  EXPECT_TRUE(picture.IsEmpty());
}

TEST(Picture, MetafilesTakeTheirSizeFromTheHeaderBounds) {
  TrpPicture wmf, emf;
  ASSERT_TRUE(wmf.LoadFromData(placeableMetafile()));
  EXPECT_EQ(wmf.Kind(), TrpGraphicKind::Metafile);
  EXPECT_EQ(wmf.Width(), 96);
  EXPECT_EQ(wmf.Height(), 48);
  ASSERT_TRUE(emf.LoadFromData(enhancedMetafile()));
  EXPECT_EQ(emf.Kind(), TrpGraphicKind::EnhancedMetafile);
  EXPECT_EQ(emf.Width(), 100);
  EXPECT_EQ(emf.Height(), 50);
}

struct MetafileCase {
  const char* name;
  QByteArray bytes;
};

class MetafileDrawing : public ::testing::TestWithParam<MetafileCase> {};

TEST_P(MetafileDrawing, PlaysItsRectangleIntoTheTarget) {
  TrpPicture picture;
  ASSERT_TRUE(picture.LoadFromData(GetParam().bytes));
  QImage image = rpBlankImage(200, 100);
  QPainter painter(&image);
  picture.Draw(painter, QRect(0, 0, 200, 100), false);
  painter.end();
  EXPECT_EQ(rpPixel(image, 50, 50), kRed);
  EXPECT_EQ(rpPixel(image, 150, 50), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MetafileDrawing,
                         ::testing::Values(MetafileCase{"Placeable", placeableMetafile()},
                                           MetafileCase{"Enhanced", enhancedMetafile()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Picture, TruncatedMetafileRecordsStopThePlayback) {
  QByteArray bytes = placeableMetafile();
  bytes.chop(12);  // the rectangle is cut off
  TrpPicture picture;
  ASSERT_TRUE(picture.LoadFromData(bytes));
  QImage image = rpBlankImage(100, 50);
  QPainter painter(&image);
  picture.Draw(painter, QRect(0, 0, 100, 50), false);
  painter.end();
  EXPECT_EQ(rpPixel(image, 20, 20), clWhite);
}

// --- streams -------------------------------------------------------------------------------------

struct StreamedPicture : ::testing::Test {
  ViewTestReport report;
  TrpPictureView* view = new TrpPictureView(&report);
  QByteArray png = encode(solid(30, 20, Qt::blue), "PNG");

  int Load(const QByteArray& bytes, bool reset = true) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return view->LoadPictureFromStream(buffer, reset);
  }
};

TEST_F(StreamedPicture, LoadsAndReportsSuccess) {
  EXPECT_EQ(Load(png), 0);
  EXPECT_EQ(view->Picture().Kind(), TrpGraphicKind::Png);
  EXPECT_TRUE(view->PictureChanged());
}

TEST_F(StreamedPicture, LengthHeaderMatchingTheRestIsSkipped) {
  EXPECT_EQ(Load(withHeader(png, static_cast<quint32>(png.size()))), 0);
  EXPECT_EQ(view->Picture().Width(), 30);
}

TEST_F(StreamedPicture, LengthHeaderNotMatchingIsReadFromTheStart) {
  EXPECT_EQ(Load(withHeader(png, static_cast<quint32>(png.size() + 1))), rpInvalidArgument);
  EXPECT_TRUE(view->Picture().IsEmpty());
}

TEST_F(StreamedPicture, UnknownFormatClearsThePictureWithoutRaising) {
  ASSERT_EQ(Load(png), 0);
  EXPECT_EQ(Load("plain text, not a picture"), rpInvalidArgument);
  EXPECT_TRUE(view->Picture().IsEmpty());
  EXPECT_EQ(rpInvalidArgument, static_cast<int>(0x80070057u));
}

TEST_F(StreamedPicture, WithoutResetReadsFromTheCurrentPosition) {
  QBuffer buffer;
  buffer.setData("prefix" + png);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(6);
  EXPECT_EQ(view->LoadPictureFromStream(buffer, false), 0);
  buffer.seek(6);
  EXPECT_EQ(view->LoadPictureFromStream(buffer, true), rpInvalidArgument);
}

TEST_F(StreamedPicture, AutoSizeTakesThePictureSize) {
  view->SetBounds(0, 0, 5, 5);
  view->SetAutoSize(true);
  Load(png);
  EXPECT_EQ(view->Width(), 30);
  EXPECT_EQ(view->Height(), 20);
  TrpPicture wmf;
  ASSERT_TRUE(wmf.LoadFromData(placeableMetafile()));
  view->SetPicture(wmf);
  EXPECT_EQ(view->Width(), 96);
  EXPECT_EQ(view->Height(), 48);
}

TEST_F(StreamedPicture, AutoSizeWithoutPictureKeepsTheSize) {
  view->SetBounds(0, 0, 5, 7);
  view->SetAutoSize(true);
  EXPECT_EQ(view->Width(), 5);
  EXPECT_EQ(view->Height(), 7);
}

// --- placement -----------------------------------------------------------------------------------

struct PlacedPicture : ::testing::Test {
  ViewTestReport report;
  TrpPictureView* view = new TrpPictureView(&report);
  void SetUp() override {
    view->SetBounds(0, 0, 100, 100);
    view->SetPictureImage(solid(20, 10, Qt::red));
  }
  QRect Target(Extended scale = 1) {
    QImage image = rpBlankImage(4, 4);
    QPainter painter(&image);
    view->BeginDraw(painter, scale, scale, 0, 0);
    return view->PictureTarget();
  }
};

TEST_F(PlacedPicture, StretchedKeepingAspectRatioFillsTheWidth) {
  EXPECT_EQ(Target(), QRect(0, 0, 100, 50));
  view->SetCenter(true);
  EXPECT_EQ(Target(), QRect(0, 25, 100, 50));
}

TEST_F(PlacedPicture, StretchedWithoutAspectRatioFillsTheBox) {
  view->SetKeepAspectRatio(false);
  EXPECT_EQ(Target(), QRect(0, 0, 100, 100));
}

TEST_F(PlacedPicture, UnstretchedTakesItsScaledSizeAndCentres) {
  view->SetStretched(false);
  EXPECT_EQ(Target(2), QRect(0, 0, 40, 20));
  view->SetCenter(true);
  EXPECT_EQ(Target(2), QRect(80, 90, 40, 20));
}

TEST_F(PlacedPicture, UnstretchedIsClippedToTheBox) {
  view->SetPictureImage(solid(200, 200, Qt::red));
  view->SetStretched(false);
  view->SetBounds(10, 10, 50, 50);
  const QImage image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 30, 30), kRed);
  EXPECT_EQ(rpPixel(image, 70, 70), clWhite);
}

TEST_F(PlacedPicture, DrawsOverTheBackgroundInsideTheTarget) {
  view->SetColor(kGreen);
  const QImage image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 50, 25), kRed);
  EXPECT_EQ(rpPixel(image, 50, 75), kGreen);
}

TEST_F(PlacedPicture, DrawAsMaskLeavesOutTheBackground) {
  view->SetColor(kGreen);
  view->SetDrawAsMask(true);
  const QImage image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 50, 75), clWhite);
}

TEST_F(PlacedPicture, TransparentColourLetsTheBackgroundThrough) {
  QImage picture = solid(20, 20, Qt::red);
  for (int y = 5; y < 15; ++y)
    for (int x = 5; x < 15; ++x) picture.setPixelColor(x, y, Qt::white);
  view->SetPictureImage(picture);
  view->SetColor(kGreen);
  view->SetTransparent(true);
  QImage image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 50, 50), kGreen);
  EXPECT_EQ(rpPixel(image, 10, 10), kRed);
  view->SetTransparentColor(clNone);  // no transparency without a colour
  image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 50, 50), clWhite);
}

TEST_F(PlacedPicture, OwnAlphaChannelIsHonoured) {
  QImage picture(20, 20, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  view->SetPictureImage(picture);
  view->SetColor(kGreen);
  const QImage image = rpRender(*view, 100, 100);
  EXPECT_EQ(rpPixel(image, 50, 50), kGreen);
}

TEST(PicturePlaceholder, DrawnOnlyInADesigner) {
  ViewTestReport report;
  TrpPictureView view(&report);
  view.SetBounds(0, 0, 40, 40);
  QImage image = rpRender(view, 40, 40);
  EXPECT_EQ(image, rpBlankImage(40, 40));
  view.SetIsDesigning(true);
  image = rpRender(view, 40, 40);
  EXPECT_NE(image, rpBlankImage(40, 40));
}

// --- data ----------------------------------------------------------------------------------------

class PathReport : public TrpCustomReport {
 public:
  QString dir;
  ScriptValue Calc(const QString& expression) override {
    return expression == "Dir" ? ScriptValue(dir) : ScriptValue(expression);
  }
};

TEST(PictureData, FileLinkLoadsTheFileWithItsExpressionsExpanded) {
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  ASSERT_TRUE(solid(12, 9, Qt::red).save(temp.filePath("logo.png")));
  PathReport report;
  report.dir = temp.path();
  auto* view = new TrpPictureView(&report);
  view->SetFileLink("[Dir]/logo.png");
  view->GetData();
  EXPECT_EQ(view->Picture().Width(), 12);
}

TEST(PictureData, FileLinkToAMissingFileClearsThePicture) {
  PathReport report;
  report.dir = QDir::tempPath() + "/no-such-folder-for-stroval";
  auto* view = new TrpPictureView(&report);
  view->SetPictureImage(solid(4, 4, Qt::red));
  view->SetFileLink("[Dir]/missing.png");
  view->GetData();
  EXPECT_TRUE(view->Picture().IsEmpty());
}

class PhotoDataSet : public TrpDataSet {
 public:
  using TrpDataSet::TrpDataSet;
  QByteArray photo;
  bool IsBlobField(const QString& field) const override { return field == "Photo"; }
  void AssignBlobTo(const QString&, QIODevice& stream) override { stream.write(photo); }
};

TEST(PictureData, BlobFieldIsLoadedThroughTheStreamReader) {
  PathReport report;
  auto* people = new PhotoDataSet(&report);
  people->SetUserName("People");
  people->photo = encode(solid(7, 5, Qt::blue), "BMP");
  auto* view = new TrpPictureView(&report);
  view->SetDataSet(people);
  view->SetDataField("Photo");
  view->GetData();
  EXPECT_EQ(view->Picture().Kind(), TrpGraphicKind::Bitmap);
  EXPECT_EQ(view->Picture().Width(), 7);
  view->SetDataField("Name");  // not a blob field: the picture stays
  view->GetData();
  EXPECT_EQ(view->Picture().Width(), 7);
}

// --- difference record ---------------------------------------------------------------------------

class StoreReport : public TrpCustomReport {
 public:
  int added = 0;
  void AddPicture(TrpPictureView& view) override {
    view.SetImageIndex(++added);
    view.SetPictureChanged(false);
  }
};

TEST(PictureDiff, HandsAChangedPictureToTheStoreOnceAndRecordsItsIndex) {
  StoreReport report;
  auto* view = new TrpPictureView(&report);
  auto* original = new TrpPictureView(&report);
  view->SetPictureImage(solid(4, 4, Qt::red));
  EXPECT_EQ(view->Diff(*original), "  ImageIndex=\"1\"");
  EXPECT_EQ(view->Diff(*original), "  ImageIndex=\"1\"");
  EXPECT_EQ(report.added, 1);
}

TEST(PictureDiff, RecordsTransparencyOnlyWhenSet) {
  StoreReport report;
  auto* view = new TrpPictureView(&report);
  auto* original = new TrpPictureView(&report);
  view->SetTransparent(true);
  view->SetTransparentColor(kGreen);
  EXPECT_EQ(view->Diff(*original),
            "  ImageIndex=\"0\" Transparent=\"1\" TransparentColor=\"65280\"");
  EXPECT_FALSE(view->rpComponentStyle().Has(csDefaultDiff));
}

}  // namespace
