// The recording paint device that the recording printer draws its pages on.
#include "report/printer/recording_paint_device.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <gtest/gtest.h>

namespace {

TEST(RecordingPaintDevice, HasTheSizeAndResolutionItWasMadeWith) {
  TrpRecordingPaintDevice device(QSize(4800, 6600), 600, 300);
  EXPECT_EQ(device.width(), 4800);
  EXPECT_EQ(device.height(), 6600);
  EXPECT_EQ(device.logicalDpiX(), 600);
  EXPECT_EQ(device.logicalDpiY(), 300);
  EXPECT_EQ(device.widthMM(), 203);
  EXPECT_EQ(device.devType(), QInternal::Printer);
}

TEST(RecordingPaintDevice, RecordsShapesInDevicePixelsAfterTheTransform) {
  TrpRecordingPaintDevice device(QSize(1000, 1000), 600, 600);
  {
    QPainter painter(&device);
    painter.translate(100, 50);
    painter.scale(2, 3);
    painter.drawRect(QRectF(10, 10, 5, 5));
    painter.drawEllipse(QRectF(0, 0, 10, 10));
    painter.drawLine(QPointF(5, 5), QPointF(0, 0));
  }
  const QList<TrpDrawRecord>& records = device.Records();
  ASSERT_EQ(records.size(), 3);
  EXPECT_EQ(records[0].Kind, drRect);
  EXPECT_EQ(records[0].Bounds, QRectF(120, 80, 10, 15));
  EXPECT_EQ(records[1].Kind, drEllipse);
  EXPECT_EQ(records[1].Bounds, QRectF(100, 50, 20, 30));
  EXPECT_EQ(records[2].Kind, drLine);
  EXPECT_EQ(records[2].Bounds, QRectF(100, 50, 10, 15));
}

TEST(RecordingPaintDevice, RecordsPenAndBrushColours) {
  TrpRecordingPaintDevice device(QSize(100, 100), 96, 96);
  {
    QPainter painter(&device);
    painter.setPen(QColor(Qt::red));
    painter.setBrush(QColor(Qt::blue));
    painter.drawRect(QRectF(1, 1, 5, 5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(8, 0), QPointF(4, 6)}));
  }
  const QList<TrpDrawRecord>& records = device.Records();
  ASSERT_EQ(records.size(), 2);
  EXPECT_EQ(records[0].Pen, QColor(Qt::red));
  EXPECT_EQ(records[0].Brush, QColor(Qt::blue));
  EXPECT_EQ(records[1].Kind, drPolygon);
  EXPECT_EQ(records[1].Bounds, QRectF(0, 0, 8, 6));
  EXPECT_FALSE(records[1].Pen.isValid());
  EXPECT_FALSE(records[1].Brush.isValid());
}

TEST(RecordingPaintDevice, RecordsTextWithItsFontAndPosition) {
  TrpRecordingPaintDevice device(QSize(2000, 2000), 600, 600);
  {
    QPainter painter(&device);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    painter.translate(50, 0);
    painter.drawText(QPointF(10, 300), QStringLiteral("Name"));
  }
  ASSERT_EQ(device.Records().size(), 1);
  const TrpDrawRecord& text = device.Records()[0];
  EXPECT_EQ(text.Kind, drText);
  EXPECT_EQ(text.Text, QStringLiteral("Name"));
  EXPECT_EQ(text.FontFamily, QStringLiteral("Liberation Sans"));
  EXPECT_DOUBLE_EQ(text.FontPointSize, 12);
  EXPECT_DOUBLE_EQ(text.Bounds.left(), 60);
  EXPECT_LT(text.Bounds.top(), 300);
  EXPECT_GT(text.Bounds.bottom(), 300);  // the baseline lies inside the text's bounds
}

TEST(RecordingPaintDevice, RecordsPicturesAsTheirTargetRectangles) {
  TrpRecordingPaintDevice device(QSize(500, 500), 96, 96);
  {
    QPainter painter(&device);
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::green);
    painter.drawImage(QRectF(10, 20, 40, 40), image);
  }
  ASSERT_EQ(device.Records().size(), 1);
  EXPECT_EQ(device.Records()[0].Kind, drImage);
  EXPECT_EQ(device.Records()[0].Bounds, QRectF(10, 20, 40, 40));
}

TEST(RecordingPaintDevice, TakeRecordsEmptiesTheList) {
  TrpRecordingPaintDevice device(QSize(100, 100), 96, 96);
  {
    QPainter painter(&device);
    painter.drawRect(QRectF(1, 1, 2, 2));
  }
  EXPECT_EQ(device.TakeRecords().size(), 1);
  EXPECT_TRUE(device.Records().isEmpty());
}

}  // namespace
