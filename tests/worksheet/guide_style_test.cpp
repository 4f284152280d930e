// Guide styles: their names in files, on the command line and in the window, and their lines.
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "worksheet/guide_style.h"

namespace {

using stroval::GuideStyle;

struct StyleCase {
  GuideStyle style;
  const char* key;
  const char* caption;
  size_t dashedLines;
  size_t diagonals;
};

const StyleCase kStyles[] = {
    {GuideStyle::None, "none", "無格線", 0, 0},
    {GuideStyle::Cross, "tian", "田字格", 2, 0},
    {GuideStyle::CrossAndDiagonals, "mi", "米字格", 4, 2},
    {GuideStyle::NineSquares, "jiugong", "九宮格", 4, 0},
};

size_t Diagonals(const std::vector<QLineF>& lines) {
  size_t count = 0;
  for (const QLineF& line : lines) count += line.dx() != 0 && line.dy() != 0;
  return count;
}

TEST(GuideStyles, EachStyleHasItsNamesAndLines) {
  for (const StyleCase& c : kStyles) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(stroval::GuideStyleKey(c.style), QString::fromLatin1(c.key));
    EXPECT_EQ(stroval::GuideStyleCaption(c.style), QString::fromUtf8(c.caption));
    EXPECT_EQ(stroval::GuideStyleNamed(QString::fromLatin1(c.key)), c.style);
    EXPECT_EQ(stroval::GuideStyleNamed(QString::fromUtf8(c.caption)), c.style);
    const std::vector<QLineF> lines = stroval::GuideLines(c.style);
    EXPECT_EQ(lines.size(), c.dashedLines);
    EXPECT_EQ(Diagonals(lines), c.diagonals);
    EXPECT_EQ(stroval::HasOutline(c.style), c.style != GuideStyle::None);
  }
}

TEST(GuideStyles, TheWindowListsThemWithNoneFirst) {
  ASSERT_EQ(stroval::GuideStyleNames().size(), std::size(kStyles));
  EXPECT_EQ(stroval::GuideStyleNames().front().style, GuideStyle::None);
}

TEST(GuideStyles, EveryLineLiesInsideTheUnitSquare) {
  const QRectF square(0, 0, 1, 1);
  for (const StyleCase& c : kStyles)
    for (const QLineF& line : stroval::GuideLines(c.style)) {
      EXPECT_TRUE(square.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(line.p1())) << c.key;
      EXPECT_TRUE(square.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(line.p2())) << c.key;
    }
}

TEST(GuideStyles, AnyOtherNameIsNoStyle) {
  for (const char* name : {"", "Mi", "cross", "米", "米字格 "})
    EXPECT_FALSE(stroval::GuideStyleNamed(QString::fromUtf8(name)).has_value()) << name;
}

}  // namespace
