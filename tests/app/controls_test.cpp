// The small controls the window is made of: tags, labels, panels, the decoration.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "app/decorative_picture.h"
#include "app/drag_source_mime.h"
#include "app/label.h"
#include "app/panel.h"
#include "app/picture_box.h"
#include "app/tag.h"

namespace {

TEST(Tag, ReadsZeroUntilSet) {
  QObject object;
  EXPECT_EQ(stroval::Tag(&object), 0);
  stroval::SetTag(&object, 1237);
  EXPECT_EQ(stroval::Tag(&object), 1237);
  EXPECT_EQ(stroval::Tag(nullptr), 0);
}

TEST(Label, AutoSizedLabelFollowsItsCaptionAndFont) {
  stroval::Label label;
  label.SetCaption(QStringLiteral("Orlavo"));
  QFontMetrics metrics(label.font());
  EXPECT_EQ(label.size(), QSize(metrics.horizontalAdvance("Orlavo"), metrics.height()));
  QFont bigger = label.font();
  bigger.setPixelSize(40);
  label.setFont(bigger);
  metrics = QFontMetrics(bigger);
  EXPECT_EQ(label.size(), QSize(metrics.horizontalAdvance("Orlavo"), metrics.height()));
}

TEST(Label, LabelWithoutAutoSizeKeepsItsSize) {
  stroval::Label label;
  label.SetAutoSize(false);
  label.resize(80, 80);
  label.SetCaption(QStringLiteral("a much longer caption than fits"));
  EXPECT_EQ(label.size(), QSize(80, 80));
}

TEST(Label, ClickIsAPressAndReleaseInside) {
  stroval::Label label;
  label.resize(50, 50);
  int clicks = 0;
  QObject::connect(&label, &stroval::Label::Clicked, [&clicks] { ++clicks; });
  const auto send = [&label](QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, label.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
  };
  send(QEvent::MouseButtonPress, {10, 10});
  send(QEvent::MouseButtonRelease, {10, 10});
  send(QEvent::MouseButtonPress, {10, 10});
  send(QEvent::MouseButtonRelease, {200, 10});  // released outside: no click
  EXPECT_EQ(clicks, 1);
}

TEST(Panel, PanelWithoutDragHandlersTakesNoDrops) {
  stroval::Panel panel;
  EXPECT_FALSE(panel.acceptDrops());
  panel.SetOnDragOver([](stroval::Panel*, QObject*) { return true; });
  EXPECT_TRUE(panel.acceptDrops());
}

TEST(DragSourceMime, NamesItsSourceOnlyForOwnDrags) {
  QObject source;
  stroval::DragSourceMime own(&source);
  QMimeData foreign;
  foreign.setData(stroval::DragSourceMime::kFormat, QByteArray("0x1234"));  // a forged claim
  EXPECT_EQ(stroval::DragSourceMime::SourceOf(&own), &source);
  EXPECT_EQ(stroval::DragSourceMime::SourceOf(&foreign), nullptr);
  EXPECT_EQ(stroval::DragSourceMime::SourceOf(nullptr), nullptr);
}

TEST(DecorativePicture, IsA580By689Picture) {
  const QImage picture = stroval::DecorativePicture();
  EXPECT_EQ(picture.size(), QSize(580, 689));
  EXPECT_EQ(picture.depth(), 24);
  EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() - 100), QColor(Qt::white))
      << "the ink stroke";
}

TEST(PictureBox, PictureKeepsItsAspectAndIsCentred) {
  struct Case {
    QSize box;
    QRect expected;
  };
  const Case cases[] = {
      {{58, 129}, {0, 30, 58, 69}},     // narrow box: full width, centred vertically
      {{1160, 689}, {290, 0, 580, 689}},  // wide box: full height, centred horizontally
  };
  stroval::PictureBox box;
  box.SetPicture(QImage(580, 689, QImage::Format_RGB888));
  for (const Case& c : cases) {
    box.resize(c.box);
    EXPECT_EQ(box.PictureRect(), c.expected);
  }
}

}  // namespace
