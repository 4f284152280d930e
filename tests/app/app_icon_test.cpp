// The program's icon: every size drawn from the one description, and the same shapes as SVG.
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "app/app_icon.h"
#include "app/app_icon_shapes.h"

namespace {

TEST(AppIcon, EverySizeShowsThePaperTheCellAndTheInk) {
  for (int size : stroval::kAppIconSizes) {
    const QImage icon = stroval::PaintAppIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << size;  // a transparent corner
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    if (size < 32) continue;  // 16 pixels blur the parts into each other
    const auto at = [&](double x, double y) { return QColor(icon.pixel(int(x * size / 256), int(y * size / 256))); };
    EXPECT_GT(at(60, 230).lightness(), 220) << size;             // the paper
    EXPECT_GT(at(50, 150).red(), at(50, 150).green() + 60) << size;  // the cell's red outline
    EXPECT_LT(at(128, 80).lightness(), 160) << size;  // the ink of the vertical stroke 
  }
}

TEST(AppIcon, TheSvgHoldsEveryShapeOfTheDescription) {
  QXmlStreamReader svg(stroval::AppIconSvg());
  int shapes = 0;
  while (!svg.atEnd()) {
    svg.readNext();
    if (!svg.isStartElement()) continue;
    if (svg.name() == QLatin1String("path") || svg.name() == QLatin1String("rect")) ++shapes;
    if (svg.name() == QLatin1String("svg")) {
      EXPECT_EQ(svg.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
    }
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(shapes, static_cast<int>(stroval::AppIconShapes().size()));
}

}  // namespace
