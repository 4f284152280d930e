// Right-to-left text objects, checked on the pixels they paint.
#include "report/memo/memo_view.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "memo_test_support.h"

namespace {

// A face with Hebrew and Arabic letters, installed by the set-up.
constexpr const char* kFace = "DejaVu Sans";

QImage paint(const QString& text, bool rightToLeft, TrpHAlign align, Extended scale = 1) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 300, 40);
  memo->Font()->SetName(kFace);
  memo->Font()->SetSize(20);
  memo->SetWysiwyg(false);
  memo->SetWordWrap(false);
  memo->SetHAlign(align);
  memo->SetRTLReading(rightToLeft);
  memo->SetMemo({text});
  QImage image(static_cast<int>(300 * scale), static_cast<int>(40 * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  memo->Draw(painter, scale, scale, 0, 0);
  return image;
}

int inkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) < 128;
  return count;
}

struct ReadingCase {
  const char16_t* Logical;  // as typed
  const char16_t* Visual;   // the same characters in the order a reader sees them, left to right
  TrpHAlign Align;
};

class MemoRightToLeft : public ::testing::TestWithParam<ReadingCase> {};

// Read right to left, a text paints exactly what its characters paint when they are written in the
// order the eye meets them and read left to right.
TEST_P(MemoRightToLeft, PaintsTheCharactersInReadingOrder) {
  const ReadingCase c = GetParam();
  const QImage rtl = paint(QString::fromUtf16(c.Logical), true, c.Align);
  const QImage ltr = paint(QString::fromUtf16(c.Visual), false, c.Align);
  ASSERT_GT(inkPixels(rtl), 50);
  EXPECT_EQ(rtl, ltr);
  // And not what the logical order paints read left to right.
  EXPECT_NE(rtl, paint(QString::fromUtf16(c.Logical), false, c.Align));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MemoRightToLeft,
    ::testing::Values(ReadingCase{u"שלום עולם", u"םלוע םולש", haLeft},
                      ReadingCase{u"שלום עולם", u"םלוע םולש", haRight},
                      ReadingCase{u"מחיר 120 שקל", u"לקש 120 ריחמ", haCenter},
                      ReadingCase{u"ابجد هوز", u"زوه دجبا", haLeft}));

}  // namespace
