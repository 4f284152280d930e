// Mirrored margins through the engine and the real store: every second prepared page is drawn
// and hit with its left and right margins swapped.
#include <QPainter>

#include "real_services_fixture.h"
#include "text_capture_device.h"

namespace {

constexpr Extended kLeft = 30, kRight = 10, kTop = 10;  // mm

class MirrorMargins : public EngineWithRealServices,
                      public ::testing::WithParamInterface<bool> {  // MirrorMargins on
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    TrpReportPage* page = NewPage(QStringLiteral("Page1"));
    page->SetLeftMargin(kLeft);
    page->SetRightMargin(kRight);
    page->SetTopMargin(kTop);
    page->SetMirrorMargins(GetParam());
    page->SetPageCount(4);
    AddMemo(AddBand<TrpPageHeader>(page, "Header", 0, 20), "Mark", QStringLiteral("M"), 100);
  }
  // The margin that page `index` is expected to start from.
  static Extended LeftMarginOf(int index) { return GetParam() && index % 2 == 1 ? kRight : kLeft; }

  // Where the mark's character is drawn on page `index` at `scale`, from `offset` (pixels).
  QPointF MarkOn(int index, Extended scale, Extended offset) const {
    TextCaptureDevice device;
    {
      QPainter painter(&device);
      Report->PreviewPages()->DrawPage(index, painter, scale, scale, offset, offset);
    }
    return device.Glyphs().value(0).Position;
  }
  // The name of what lies x units to the right of the paper's left edge, in the middle of the
  // mark's height, on the page drawn at `scale` from `offset` (pixels).
  QString NameAt(int index, Extended x, Extended scale, Extended offset) const {
    const Extended y = kTop * rp01cm + 10;
    TrpComponent* object =
        Report->PreviewPages()->ObjectOver(index, offset + x * scale, offset + y * scale, scale, offset, offset);
    return object ? object->Name() : QString();
  }
};

TEST_P(MirrorMargins, EverySecondPageIsDrawnFromTheRightMargin) {
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 4);
  for (Extended scale : {1.0L, 2.0L}) {
    const QPointF first = MarkOn(0, scale, 5);
    for (int index = 1; index < 4; ++index) {
      const QPointF mark = MarkOn(index, scale, 5);
      EXPECT_NEAR(mark.x() - first.x(), static_cast<double>((LeftMarginOf(index) - kLeft) * rp01cm * scale), 1.0)
          << "page " << index << " at scale " << static_cast<double>(scale);
      EXPECT_EQ(mark.y(), first.y());
    }
  }
}

TEST_P(MirrorMargins, EverySecondPageIsHitFromTheRightMargin) {
  ASSERT_TRUE(Prepare());
  for (Extended scale : {1.0L, 1.5L}) {
    for (int index = 0; index < 4; ++index) {
      const Extended start = LeftMarginOf(index) * rp01cm;
      SCOPED_TRACE(index);
      EXPECT_EQ(NameAt(index, start + 2, scale, 7), "Mark");
      EXPECT_EQ(NameAt(index, start + 98, scale, 7), "Mark");
      EXPECT_NE(NameAt(index, start - 2, scale, 7), "Mark");
      EXPECT_NE(NameAt(index, start + 102, scale, 7), "Mark");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, MirrorMargins, ::testing::Bool());

}  // namespace
