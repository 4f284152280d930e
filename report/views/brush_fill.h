#pragma once
// TrpBrushFill: a solid background colour and an optional hatch pattern over it.
#include "report/views/fill.h"

enum TrpBrushStyle {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};
extern const TrpEnumType rpBrushStyleType;

class TrpBrushFill : public TrpCustomFill {
 public:
  TrpBrushFill() { StampChange(); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor value) { SetStamped(FBackColor, value); }
  TColor ForeColor() const { return FForeColor; }
  void SetForeColor(TColor value) { SetStamped(FForeColor, value); }
  TrpBrushStyle Style() const { return FStyle; }
  void SetStyle(TrpBrushStyle value) { SetStamped(FStyle, value); }

  TrpFillType FillType() const override { return ftBrush; }
  TColor ViewColor() const override { return FBackColor; }
  // The background colour unless clNone, then for a hatch style the hatch in ForeColor over the
  // rectangle widened by one pixel right and down, with a transparent background.
  void Draw(QPainter& canvas, const QRect& rect) const override;
  void Assign(const TrpPersistent& source) override;

 private:
  TColor FBackColor = clNone;
  TColor FForeColor = clBlack;
  TrpBrushStyle FStyle = bsSolid;
};

// The Qt brush pattern of a brush style (Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, ...).
Qt::BrushStyle rpQtBrushStyle(TrpBrushStyle style);
