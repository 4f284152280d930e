// Drawing prepared pages at any zoom, hit testing, hyperlinks and printing.
#include "preview_pages_fixture.h"

#include <QImage>
#include <QPainter>
#include <QUrl>

#include "report/objects/report_services.h"
#include "report/store/hyperlink_url.h"
#include "report/views/hyperlink.h"
#include "report/views/shape_view.h"

class PagesDrawTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = new TrpReportPage(Report.get());
    Page->SetName(QStringLiteral("Page1"));
    Page->SetPaperSize(9);
    Page->SetLeftMargin(10), Page->SetTopMargin(10);
    auto* band = new TrpPageHeader(Page);
    band->SetName(QStringLiteral("Band1"));
    band->SetBounds(0, 0, 700, 200);
    Box = new TrpShapeView(band);
    Box->SetName(QStringLiteral("Shape1"));
    Box->SetBounds(100, 50, 40, 40);
    Box->SetColor(0x0000FF);  // red in 0x00BBGGRR
    Box->Hyperlink()->SetValue(QStringLiteral("https://example.org/"));
    StartSimple(*Page);
    Pages->AddPage(*Page);
    Pages->AddObject(*band);
    Pages->Finish();
  }

  QImage Draw(Extended scale) {
    QImage image(int(900 * scale), int(1200 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Pages->DrawPage(0, painter, scale, scale, 0, 0);
    return image;
  }

  // The device point of report position (x, y) inside the printable area at `scale`.
  static QPoint At(Extended x, Extended y, Extended scale) {
    return QPoint(int((10 * rp01cm + x) * scale), int((10 * rp01cm + y) * scale));
  }

  TrpReportPage* Page = nullptr;
  TrpShapeView* Box = nullptr;
};

TEST_F(PagesDrawTest, ViewIsDrawnAtItsPlaceAtEveryZoom) {
  for (Extended scale : {0.5L, 1.0L, 2.0L}) {
    const QImage image = Draw(scale);
    EXPECT_EQ(image.pixelColor(At(120, 70, scale)), QColor(Qt::red)) << double(scale);
    EXPECT_EQ(image.pixelColor(At(60, 70, scale)), QColor(Qt::white)) << double(scale);
  }
}

TEST_F(PagesDrawTest, ViewHiddenFromThePreviewIsNotDrawn) {
  auto* shape = dynamic_cast<TrpShapeView*>(Pages->GetPage(0)->FindObject(QStringLiteral("Shape1")));
  ASSERT_NE(shape, nullptr);
  shape->SetVisibility(TrpVisibility{vsPrint});
  EXPECT_EQ(Draw(1).pixelColor(At(120, 70, 1)), QColor(Qt::white));
}

TEST_F(PagesDrawTest, NothingIsDrawnOutsideThePaper) {
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Pages->DrawPage(0, painter, 1, 1, -900, -900);  // the paper lies off the image
  painter.end();
  EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::white));
}

TEST_F(PagesDrawTest, ObjectOverFindsTheViewUnderThePoint) {
  const QPoint inside = At(110, 60, 2);
  TrpComponent* hit = Pages->ObjectOver(0, inside.x(), inside.y(), 2, 0, 0);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->Name(), "Shape1");
  const QPoint outside = At(300, 60, 2);
  EXPECT_EQ(Pages->ObjectOver(0, outside.x(), outside.y(), 2, 0, 0), nullptr);
}

TEST_F(PagesDrawTest, ClickOnAWebLinkOpensIt) {
  QList<QUrl> opened;
  Pages->OpenURL = [&](const QUrl& url) { opened.append(url); };
  const QPoint p = At(110, 60, 1);
  Qt::CursorShape cursor = Qt::ArrowCursor;
  Pages->MouseEventAt(0, p.x(), p.y(), meMove, 1, 0, 0, cursor);
  EXPECT_EQ(cursor, Qt::PointingHandCursor);
  Pages->MouseEventAt(0, p.x(), p.y(), meClick, 1, 0, 0, cursor);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.org/")));
}

TEST_F(PagesDrawTest, ClickOnAFileLinkFromAFileOpensNothing) {
  QByteArray bytes = Save(*Pages);
  bytes.replace("https://example.org/", "file:///bin/sh");
  Load(*Pages, bytes);
  QList<QUrl> opened;
  Pages->OpenURL = [&](const QUrl& url) { opened.append(url); };
  const QPoint p = At(110, 60, 1);
  Qt::CursorShape cursor = Qt::ArrowCursor;
  Pages->MouseEventAt(0, p.x(), p.y(), meMove, 1, 0, 0, cursor);
  Pages->MouseEventAt(0, p.x(), p.y(), meClick, 1, 0, 0, cursor);
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(PagesDrawTest, AnchorLinkMovesThePreview) {
  Pages->SetCurPage(0);
  Pages->AddAnchor(QStringLiteral("Target"));
  auto* shape = dynamic_cast<TrpShapeView*>(Pages->GetPage(0)->FindObject(QStringLiteral("Shape1")));
  shape->Hyperlink()->SetKind(hkAnchor);
  shape->Hyperlink()->SetValue(QStringLiteral("target"));
  int page = -1, top = -1;
  Pages->OnNavigate = [&](int p, int t) { page = p, top = t; };
  const QPoint p = At(110, 60, 1);
  Qt::CursorShape cursor = Qt::ArrowCursor;
  Pages->MouseEventAt(0, p.x(), p.y(), meMove, 1, 0, 0, cursor);
  Pages->MouseEventAt(0, p.x(), p.y(), meClick, 1, 0, 0, cursor);
  EXPECT_EQ(page, 0);
  EXPECT_EQ(top, 0);
}

struct UrlCase {
  const char* url;
  bool opened;
};

class HyperlinkURLTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(HyperlinkURLTest, OnlyWebAndMailAddressesAreOpened) {
  EXPECT_EQ(rpIsSafeHyperlinkURL(QString::fromUtf8(GetParam().url)), GetParam().opened) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(Cases, HyperlinkURLTest,
                         ::testing::Values(UrlCase{"http://example.org", true}, UrlCase{"HTTPS://example.org/a?b=c", true},
                                           UrlCase{"mailto:someone@example.org", true},
                                           UrlCase{" https://example.org ", true}, UrlCase{"file:///etc/passwd", false},
                                           UrlCase{"javascript:alert(1)", false}, UrlCase{"/usr/bin/xterm", false},
                                           UrlCase{"calc.exe", false}, UrlCase{"ftp://example.org", false},
                                           UrlCase{"http:", false}, UrlCase{"smb://host/share", false},
                                           UrlCase{"mailto:", false}, UrlCase{"", false}));

TEST_F(PagesDrawTest, PrintWithoutAPrintJobFailsWithAnError) {
  rpReportServices().PrintPreparedPages = nullptr;
  EXPECT_FALSE(Pages->Print());
  EXPECT_FALSE(Report->Errors().isEmpty());
}

TEST_F(PagesDrawTest, PrintHandsThePagesToThePrintJob) {
  TrpCustomPreviewPages* printed = nullptr;
  rpReportServices().PrintPreparedPages = [&](TrpCustomPreviewPages& pages) {
    printed = &pages;
    return true;
  };
  EXPECT_TRUE(Pages->Print());
  EXPECT_EQ(printed, Pages);
  rpReportServices().PrintPreparedPages = nullptr;
}
