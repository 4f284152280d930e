#pragma once
// TrpShapeView: a rectangle, rounded rectangle, ellipse, triangle, diamond or diagonal, outlined
// with the frame's pen and filled with the view's fill.
#include "report/views/view.h"

class QPainterPath;

enum TrpShapeKind {
  skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2
};
extern const TrpEnumType rpShapeKindType;

class TrpShapeView : public TrpView {
 public:
  explicit TrpShapeView(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpShapeView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TrpShapeKind Shape() const { return FShape; }
  void SetShape(TrpShapeKind value) { FShape = value; }
  // Corner size of a rounded rectangle: the corner diameter is Curve × 10 units; 0 gives a
  // quarter of the shorter side.
  int Curve() const { return FCurve; }
  void SetCurve(int value) { FCurve = value; }

  // A double frame draws the shape twice: once at the bounds, once shrunk inside them.
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

  // The outline of the shape at the last BeginDraw (empty for the diagonals).
  QPainterPath Outline() const;

 private:
  void DrawShape();
  void DrawDiagonal(QPainter& canvas) const;

  TrpShapeKind FShape = skRectangle;
  int FCurve = 0;
};
