// The example report with styles and a data set its script drives, prepared and drawn by the
// tool: each style's fill, font and frame reach the page, and a resave keeps the styles.
#include <QImage>

#include "report/memo/styles.h"
#include "report/objects/object_attributes.h"
#include "report_tool_fixture.h"

namespace {

const QString kExample = QStringLiteral(STROVAL_EXAMPLES_DIR "/styled-list.xml");

class StyledReport : public ReportToolTest {};

TEST_F(StyledReport, IsPreparedAndDrawnWithEachStylesLook) {
  ASSERT_EQ(Run({"prepare", kExample, "-o", PathOf("list.rpp")}), rtOk) << Err;
  EXPECT_TRUE(Out.contains("1 page(s) prepared")) << Out;
  ASSERT_EQ(Run({"render", PathOf("list.rpp"), "--png", PathOf("png"), "--zoom", "1"}), rtOk) << Err;
  const QImage page(PathOf("png/page-001.png"));
  ASSERT_FALSE(page.isNull());
  // Units are pixels at zoom 1; the page has 10 mm margins (37.8 units).
  const auto at = [&](int x, int y) { return page.pixelColor(x, y).name(); };
  EXPECT_EQ(at(45, 50), "#000080");   // "Heading": navy fill
  EXPECT_EQ(at(45, 105), "#fffff0");  // "Row": its pale fill, first row ...
  EXPECT_EQ(at(45, 265), "#fffff0");  // ... and sixth: the script ended the data set after six
  EXPECT_EQ(at(45, 297), "#ffffff");  // no seventh row: the summary follows
  // "Heading" writes white on its fill; "Row" dark red on its own.
  int white = 0, red = 0;
  for (int x = 200; x < 600; ++x) {
    white += at(x, 70) == "#ffffff";
    for (int y = 106; y < 126; ++y) red += page.pixelColor(x, y).red() > 100 && page.pixelColor(x, y).green() < 60;
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(red, 50);
}

TEST_F(StyledReport, KeepsItsStylesThroughAResave) {
  ASSERT_EQ(Run({"resave", kExample, PathOf("again.xml")}), rtOk) << Err;
  TrpReport original, resaved;
  ASSERT_TRUE(original.LoadFromFile(kExample));
  ASSERT_TRUE(resaved.LoadFromFile(PathOf("again.xml")));
  ASSERT_EQ(resaved.Styles().GetList(), (QStringList{"Heading", "Row", "Note"}));
  for (const QString& name : original.Styles().GetList()) {
    const TrpStyleItem* before = original.Styles().Find(name);
    const TrpStyleItem* after = resaved.Styles().Find(name);
    EXPECT_EQ(rpObjToXML(*after), rpObjToXML(*before)) << name;
  }
}

}  // namespace
