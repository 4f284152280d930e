#pragma once
// The state of a metafile being played: the object table (pens, brushes, fonts), the current
// position, the text colour and alignment, and the mapping from the metafile's window to the
// target rectangle. The record readers of metafile.cpp decode a record and call one of these.
#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// A pen, brush or font of the metafile's object table.
struct TrpGdiObject {
  enum Kind { None, Pen, Brush, Font, Other } kind = None;  // Other: a palette or region
  QPen pen;
  QBrush brush;
  // A font: its description with the height in the metafile's logical units, negative for the
  // height of the characters and positive for that of the character cell, as the records give it.
  QFont font;
  int height = 0;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int charset = 0;     // of 8-bit text drawn with the font
};

// The objects of the creating records, from their fields.
TrpGdiObject rpMakeGdiFont(int height, int escapement, int weight, bool italic, bool underline,
                           bool strikeOut, int charset, const QString& face);
TrpGdiObject rpMakeGdiPen(quint32 style, int width, quint32 color);
TrpGdiObject rpMakeGdiBrush(quint32 style, quint32 color, quint32 hatch);

// A device-independent bitmap: `info` is its header with the colour table, `bits` its rows.
QImage rpDecodeDib(const QByteArray& info, const QByteArray& bits);
// The size of the header and colour table at the start of a packed bitmap.
qint64 rpDibInfoSize(const QByteArray& packed);

class TrpMetafilePlayer {
 public:
  TrpMetafilePlayer(QPainter& canvas, const QRectF& bounds, const QRectF& target);

  QPointF Map(double x, double y) const;
  QRectF MapRect(double l, double t, double r, double b) const;

  void SetWindowOrg(double x, double y);
  void SetWindowExt(double cx, double cy);

  // Puts `object` into the first free slot (or slot `index` when given).
  void Create(const TrpGdiObject& object, int index = -1);
  void Select(quint32 index);
  void Delete(quint32 index);

  void MoveTo(double x, double y);
  void LineTo(double x, double y);

  void SetTextColor(quint32 color);
  void SetTextAlign(quint32 align) { FTextAlign = align; }
  int Charset() const { return FFont.charset; }
  // Text at the logical point (x, y), placed by the text alignment; `dx`, when not empty, holds
  // the logical advance of each character.
  void Text(double x, double y, const QString& text, const std::vector<int>& dx = {});
  // `image`'s part `source` stretched over the logical rectangle at (x, y) of size (w, h).
  void Bitmap(double x, double y, double w, double h, const QImage& image, const QRectF& source);

  QPainter& Canvas() { return FCanvas; }

 private:
  void SelectStock(quint32 id);
  QFont DeviceFont() const;

  QPainter& FCanvas;
  QRectF FWindow;
  QRectF FTarget;
  std::vector<TrpGdiObject> FObjects;
  QPointF FPos;
  TrpGdiObject FFont;
  QColor FTextColor = Qt::black;
  quint32 FTextAlign = 0;
};
